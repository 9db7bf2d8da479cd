// The two descriptions of one asset written into the report buffer: the
// description as of a day (`OST`, option `OpiST`) and the full description
// for a year with every field, the rate history, the parsed change entries
// and the engine's year table (`OSP`, option `InfST`).
#pragma once

#include <string>
#include <string_view>

#include "output/report_buffer.h"
#include "register/asset_register.h"
#include "register/engine_working_record.h"
#include "text/status.h"

namespace zefir::operations {

// The method's name as the method pick list names it ("Liniowa" for L);
// "" for a blank or unknown letter.
std::string methodName(char method);

// The description as of `day`, the whole report from beginReport to
// endReport. `baseName` opens the heading line.
void writeAssetDescription(const AssetRecord& asset, DayNumber day, Basis basis,
                           std::string_view baseName, output::ReportBuffer& out);

// The full description for `year` (2000 .. 2039).
void writeFullAssetDescription(const AssetRecord& asset, int year, Basis basis,
                               output::ReportBuffer& out);

// The asset of `symbol` in the register, or a Polish refusal naming it.
Status findAsset(AssetRegister& reg, std::string_view symbol, const AssetRecord*& asset);

// Registers `OpiST` and `InfST` with the option catalogue.
void registerDescriptionOperations();

}  // namespace zefir::operations
