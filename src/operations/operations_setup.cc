// The one place that registers the operations that exist. Each family of
// operations adds its registration call here.
#include "operations/operation_registry.h"

namespace zefir::operations {

void registerBuiltOperations() {}

}  // namespace zefir::operations
