#include "output/company_data.h"

#include <fstream>
#include <sstream>

#include "platform/paths.h"

namespace zefir::output {

namespace {

// The 18 Polish letters in code page 1250, in the order a `Pol` line gives them.
constexpr std::string_view kPolishLetters =
    "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\xBF\x9F\xA5\xC6\xCA\xA3\xD1\xD3\x8C\xAF\x8F";
constexpr std::size_t kMaxValue = 250;
constexpr std::size_t kMaxKept = 99;

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string* fieldOf(CompanyData& d, std::string_view key) {
  struct Field {
    std::string_view key;
    std::string CompanyData::*member;
  };
  static constexpr Field kFields[] = {
      {"KUr", &CompanyData::KUr}, {"USk", &CompanyData::USk}, {"NIP", &CompanyData::NIP},
      {"PNa", &CompanyData::PNa}, {"Reg", &CompanyData::Reg}, {"KKr", &CompanyData::KKr},
      {"Woj", &CompanyData::Woj}, {"Pow", &CompanyData::Pow}, {"Gmi", &CompanyData::Gmi},
      {"Uli", &CompanyData::Uli}, {"NDo", &CompanyData::NDo}, {"NLo", &CompanyData::NLo},
      {"Mie", &CompanyData::Mie}, {"KPo", &CompanyData::KPo}, {"Poc", &CompanyData::Poc}};
  for (const Field& f : kFields)
    if (f.key == key) return &(d.*f.member);
  return nullptr;
}

}  // namespace

CompanyData defaultCompanyData() {
  CompanyData d;
  d.KUr = "0202";
  d.NIP = "1111111111";
  d.PNa = "BRAK";
  d.Reg = "000000000";
  d.KKr = "PL";
  d.Woj = d.Pow = d.Gmi = d.Uli = d.NDo = d.NLo = d.Mie = d.Poc = "BRAK";
  d.KPo = "00-000";
  return d;
}

CompanyData parseCompanyData(std::string_view text) {
  CompanyData d = defaultCompanyData();
  std::string declared(kPolishLetters);
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key;
    for (char c : std::string_view(line).substr(0, eq))
      if (c != ' ' && c != '\t') key += c;
    std::string value(trimmed(std::string_view(line).substr(eq + 1).substr(0, kMaxValue)));
    if (key == "Pol") {
      if (value.size() == kPolishLetters.size()) declared = value;
      continue;
    }
    for (char& c : value)
      if (std::size_t at = declared.find(c); at != std::string::npos) c = kPolishLetters[at];
    if (value.empty()) value = "BRAK";
    if (std::string* field = fieldOf(d, key)) *field = value.substr(0, kMaxKept);
  }
  return d;
}

CompanyData readCompanyData(std::string_view baseFolder, std::string_view settingsFolder) {
  for (std::string_view folder : {baseFolder, settingsFolder}) {
    std::string path = platform::nativePath(folder);
    if (!path.empty() && path.back() != '/') path += '/';
    std::ifstream in(path + "Podmiot1.TXT", std::ios::binary);
    if (!in) continue;
    std::ostringstream all;
    all << in.rdbuf();
    return parseCompanyData(all.str());
  }
  return defaultCompanyData();
}

}  // namespace zefir::output
