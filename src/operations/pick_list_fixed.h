// The providers of the fixed pick lists (rows in full in the table).
#pragma once

#include "operations/pick_list.h"

namespace zefir::operations {

// Sets the kind, header and sorting of `list` and adds the rows of the fixed
// list `listKey` (font sizes included); false when the key is not a fixed list.
bool addFixedList(int listKey, PickList& list);

}  // namespace zefir::operations
