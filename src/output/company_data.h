// The company data file `Podmiot1.TXT`: the subject's identification and
// address for the audit files. One setting a line, "key = value"; code page
// 1250 unless a `Pol` line declares how the file writes the Polish letters.
#pragma once

#include <string>
#include <string_view>

namespace zefir::output {

// Texts in code page 1250, each at most 99 characters.
struct CompanyData {
  std::string KUr;  // tax office code (KodUrzedu)
  std::string USk;  // tax office name (kept, not written)
  std::string NIP;
  std::string PNa;  // full name
  std::string Reg;  // REGON
  std::string KKr;  // country code
  std::string Woj, Pow, Gmi, Uli, NDo, NLo, Mie, KPo, Poc;
};

// What stands when the file lacks a key: "BRAK" where the audit file allows
// any text, and neutral values of the right form for the coded fields (tax
// office "0202", NIP "1111111111", REGON "000000000", postal code "00-000").
CompanyData defaultCompanyData();

// The file's text: a line without "=" is ignored; the key is the text before
// the first "=" with every blank removed (case matters); the value is the rest
// (at most 250 characters) without leading and trailing blanks, and "BRAK"
// when empty. A `Pol` value of exactly 18 characters declares the file's
// forms of "ąćęłńóśżźĄĆĘŁŃÓŚŻŹ"; the values after it are turned into code
// page 1250. Unknown keys are skipped.
CompanyData parseCompanyData(std::string_view text);

// Reads `Podmiot1.TXT` of the base folder, else of the settings folder;
// neither readable gives the defaults. Folders as the settings give them.
CompanyData readCompanyData(std::string_view baseFolder, std::string_view settingsFolder);

}  // namespace zefir::output
