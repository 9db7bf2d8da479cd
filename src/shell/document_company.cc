#include "shell/document_company.h"

namespace zefir::shell {

operations::DocumentCompany documentCompany(const SettingsRegister& base) {
  operations::DocumentCompany company;
  company.logoFile = base.text("FirmaLog");
  const char* keys[6] = {"FirmaNaz", "FirmaNa2", "FirmaAdr", "FirmaAd2", "FirmaDod", "FirmaDo2"};
  for (int i = 0; i < 6; ++i) company.lines[i] = base.text(keys[i]);
  return company;
}

}  // namespace zefir::shell
