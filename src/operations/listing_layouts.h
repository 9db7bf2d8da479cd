// The column sets of the listing reports: for each of the 26 report types
// its code, title, print stretch column and columns, as the report window's
// header shows them. Texts here are UTF-8 (they are converted to code page
// 1250 when a report begins).
#pragma once

#include <string_view>
#include <vector>

namespace zefir::operations {

enum class ListingKind {
  TST,       // plate list
  WST,       // listing of assets
  PWS,       // full listing
  ZZA,       // zeroed assets sent to the archive
  IBS,       // imported base
  RGS,       // renumbered group
  KST,       // asset file
  WSTShort,  // listing - short form (the second WST)
  SCU,       // fully depreciated assets
  ZST,       // liquidated assets
  NST,       // newly accepted assets
  KIW,       // quantity-value file (group layout)
  EXC,       // assets statement
  KPA,       // depreciation plan posting (group layout)
  BZZ,       // opening balance, increases and decreases by group
  PZZ,
  AZZ,
  P12,
  PA,
  ZM,
  PWN,
  STG,
  ZKS,
  RBPValues,        // balance-versus-tax differences of values
  RBPDepreciation,  // ... of depreciation
  PAm,
};

inline constexpr int kListingKinds = 26;

struct ListingColumnDef {
  char align;
  int width;
  std::string_view header1;
  std::string_view header2;
};

struct ListingLayout {
  ListingKind kind;
  std::string_view code;
  std::string_view title;
  int stretch;
  std::vector<ListingColumnDef> columns;
  bool groupLayout;  // one row per group, none per asset
  bool nameFilter;   // the name filter applies (otherwise only the masks)
};

// All 26, in the order of the report types' table.
const std::vector<ListingLayout>& listingLayouts();
const ListingLayout& listingLayout(ListingKind kind);

}  // namespace zefir::operations
