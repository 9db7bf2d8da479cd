#include "operations/listing_options.h"

#include <algorithm>

#include "operations/operation_registry.h"
#include "operations/option_catalogue.h"
#include "register/asset_register.h"
#include "text/codepage.h"
#include "text/dates.h"
#include "text/numbers.h"

namespace zefir::operations {

namespace {

const std::vector<std::string> kNoTexts;

const std::vector<std::string>& textsOf(const FieldTexts& values, std::string_view code) {
  auto it = values.find(code);
  return it == values.end() ? kNoTexts : it->second;
}

std::string textOf(const FieldTexts& values, std::string_view code) {
  const std::vector<std::string>& all = textsOf(values, code);
  return all.empty() ? std::string() : all.front();
}

Status refused(std::string_view code, std::string_view why) {
  return Status::Error(text::fromUtf8("Tu popraw: ") + std::string(code) + " (" +
                       text::fromUtf8(why) + ")");
}

// A date field: DDMMYY, or the settings' day when left out or empty.
Status dayOf(const FieldTexts& values, std::string_view code, DayNumber fallback, DayNumber& day) {
  const std::string typed = textOf(values, code);
  if (typed.empty()) {
    day = fallback;
    return Status::Ok();
  }
  day = text::dayFromShortText(typed);
  if (day == 0) return refused(code, "Błędna postać daty");
  return Status::Ok();
}

Status depthOf(const FieldTexts& values, std::string_view code, int fallback, int& depth) {
  const std::string typed = textOf(values, code);
  if (typed.empty()) {
    depth = fallback;
    return Status::Ok();
  }
  const long n = text::intFromText(typed);
  if (n < 0 || n > kSymbMax || (n == 0 && typed.find_first_not_of(" 0") != std::string::npos))
    return refused(code, "głębokość 0 do 15");
  depth = static_cast<int>(n);
  return Status::Ok();
}

std::vector<std::string> nonEmpty(const std::vector<std::string>& texts) {
  std::vector<std::string> out;
  for (const std::string& t : texts)
    if (!t.empty()) out.push_back(t);
  return out;
}

}  // namespace

const std::vector<ListingOption>& listingOptions() {
  using K = ListingKind;
  static const std::vector<ListingOption> options = {
      {"Tabli", K::TST},
      {"WykaS", K::WST},
      {"WykaP", K::PWS},
      {"Karto", K::KST},
      {"WykaD", K::WSTShort},
      {"CaUmo", K::SCU},
      {"Zlikw", K::ZST},
      {"Nowop", K::NST},
      {"Stell", K::EXC},
      {"WgNum", K::KIW},
      {"BZwZm", K::BZZ},
      {"ABiPo", K::RBPValues},
      {"RBiPo", K::RBPDepreciation},
  };
  return options;
}

const ListingOption* findListingOption(std::string_view code) {
  for (const ListingOption& o : listingOptions())
    if (o.code == code) return &o;
  return nullptr;
}

Status listingParams(const FieldTexts& values, const ListingSettings& s, ListingParams& p) {
  p = ListingParams{};
  p.masks = nonEmpty(textsOf(values, "SroW"));
  p.nameFilter = textOf(values, "SroF");
  p.places = nonEmpty(textsOf(values, "MieW"));
  if (const std::string place = textOf(values, "MieJ"); !place.empty()) p.places.push_back(place);
  p.listZeroValue = s.showZeroValue;
  p.basis = s.basis;
  if (Status st = dayOf(values, "DaDo", s.closingDay, p.reportDay); !st) return st;
  if (values.contains("DaOd"))
    if (Status st = dayOf(values, "DaOd", s.openingDay, p.periodStart); !st) return st;
  // Depths of the fields the option has; a level the option does not offer is off.
  const std::string_view depthCodes[3] = {"Pod1", "Pod3", "Pod7"};
  int* depths[3] = {&p.pod1, &p.pod3, &p.pod7};
  for (int i = 0; i < 3; ++i) {
    *depths[i] = 0;
    if (values.contains(depthCodes[i]))
      if (Status st = depthOf(values, depthCodes[i], s.depths[i], *depths[i]); !st) return st;
  }
  if (const std::string line = textOf(values, "Opis"); !line.empty())
    p.descriptionLine = std::clamp(static_cast<int>(text::intFromText(line)), 0, 9);
  if (p.reportDay == 0) return refused("DaDo", "Błędna postać daty");
  return Status::Ok();
}

std::vector<std::string> optionFields(const OptionInfo& option) {
  std::vector<std::string> codes;
  for (const FieldPlacement& f : inputFields(optionLayout(option)))
    if (std::find(codes.begin(), codes.end(), f.code) == codes.end()) codes.push_back(f.code);
  return codes;
}

std::vector<std::string> listingFields(const ListingOption& option) {
  const OptionInfo* info = findOption(option.code);
  return info ? optionFields(*info) : std::vector<std::string>{};
}

Status runListingOption(const AssetRegister& reg, const ListingOption& option,
                        const FieldTexts& given, const ListingSettings& settings,
                        output::ReportBuffer& out, const ListingControl& control) {
  // Every field of the option is present, so its default applies when it is
  // left out; fields of other options are not read.
  FieldTexts values;
  for (const std::string& code : listingFields(option)) {
    auto it = given.find(code);
    values[code] = it == given.end() ? std::vector<std::string>{} : it->second;
  }
  ListingParams params;
  if (Status st = listingParams(values, settings, params); !st) return st;
  runListing(reg, option.kind, params, out, control);
  out.endReport();
  return Status::Ok();
}

ListingEnvironment& listingEnvironment() {
  static ListingEnvironment environment;
  return environment;
}

void registerListingOperations() {
  for (const ListingOption& option : listingOptions())
    registerOperation(option.code, [&option](OperationRun& run) {
      if (!run.assets || !run.report) return Status::Error("Brak bazy lub bufora raportu");
      const ListingEnvironment& env = listingEnvironment();
      const ListingControl control{run.stopRequested, env.progress};
      return runListingOption(*run.assets, option, run.values.entries(), env.settings, *run.report,
                              control);
    });
}

}  // namespace zefir::operations
