// The fixed-asset register file JPK_ST_KR(1) for a financial year, from the
// register and the depreciation engine: one ST_KR element per asset held
// during the year, its tax values computed on basis P and its balance values
// on basis B, as of 31 December.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "output/company_data.h"
#include "output/jpk_export.h"
#include "register/asset_register.h"
#include "register/depreciation_engine.h"

namespace zefir::output {

// What the register does not hold: the codes the file requires, from the
// base's settings register (keys `JpkStNab.xxx` and `JpkStWyk.xxx`).
struct StKrDefaults {
  char acquisition = 'I';  // E_6, kind of acquisition document: S D N W F I
  char removal = 'I';      // E_29, reason of removal: A S X K D N I
};
// From the settings register of the base folder; a value that is not one of
// the codes leaves the default.
StKrDefaults stKrDefaults(std::string_view baseFolder);

struct StKrRequest {
  CompanyData company;
  int year = 0;           // the financial year (calendar year)
  int purpose = 1;        // CelZlozenia: 1 first filing, 2 correction
  std::string createdAt;  // "yyyy-mm-ddThh:nn:ss"
  StKrDefaults defaults;
};

// One ST_KR element: its child elements in the file's order (values as
// written: code page 1250 texts, amounts with two decimals).
using StKrFields = std::vector<std::pair<std::string, std::string>>;

// The asset's element, or nullopt when it was not held during the year. The
// two engines must be set to the tax and the balance basis.
std::optional<StKrFields> stKrFields(const AssetRegister& reg, int slot, int year,
                                     const StKrDefaults& defaults, DepreciationEngine& tax,
                                     DepreciationEngine& balance);

// Writes the whole file (UTF-8 XML); returns the number of ST_KR elements.
int writeStKr(std::ostream& out, const AssetRegister& reg, const StKrRequest& request);

// The file of the "JPK" button: the base folder's JPK folder,
// "JPK_ST_KR_" + year + "_" + the first 7 characters of the organisation + ".XML".
JpkResult writeStKrFile(const ReportContext& context, const AssetRegister& reg,
                        const StKrRequest& request);

// An amount as the file writes it: two decimals, "." as the point.
std::string jpkAmount(long double value);

}  // namespace zefir::output
