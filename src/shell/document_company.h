// The organisation's data for the documents, from the base register.
#pragma once

#include "operations/asset_documents.h"
#include "shell/settings_register.h"

namespace zefir::shell {

// `FirmaLog` and `FirmaNaz` to `FirmaDo2`.
operations::DocumentCompany documentCompany(const SettingsRegister& base);

}  // namespace zefir::shell
