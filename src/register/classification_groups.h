// Names of classification (KŚT) groups for the subtotal lines of listings.
#pragma once

#include <string>
#include <string_view>

#include "register/asset_register.h"

namespace zefir {

inline constexpr std::size_t kGroupNameMax = 50;

// The name of group `key` (up to 50 characters): two blanks and the name of
// the register's record whose symbol is the key — the user names a group by
// keeping such a record — else the statutory group's built-in name. The
// register's current position is left as it was.
std::string groupName(const AssetRegister& reg, std::string_view key);

}  // namespace zefir
