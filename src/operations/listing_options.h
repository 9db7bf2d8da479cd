// The listing options: which report type each menu option runs, and how the
// option's parameter values (field code -> the texts the field holds) and
// the base's settings become one listing run. The options' fields are the
// catalogue's (option_catalogue.h).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "operations/listing_frame.h"
#include "operations/option_catalogue.h"
#include "text/status.h"

namespace zefir::operations {

// Parameter values by four-letter field code, code page 1250; a field may
// hold several texts (`SroW` given more than once).
using FieldTexts = std::map<std::string, std::vector<std::string>, std::less<>>;

// The base register's settings that a listing reads.
struct ListingSettings {
  DayNumber openingDay = 0;      // `DatyBOBZ` field 1
  DayNumber closingDay = 0;      // `DatyBOBZ` field 2
  int depths[3] = {0, 1, 3};     // `GlebPods`: Pod1, Pod3, Pod7
  bool showZeroValue = false;    // `PokZlikw` "T"
  Basis basis = Basis::Balance;  // `AmBilPod`
  int planGroupStart = 1;        // `PlAmOdZn` field 1: the plan's group key starts here
  int planGroupLength = 2;       // `PlAmOdZn` field 2: and is this long
  char planContents = 'C';       // `sAmBezCa`: what the monthly plan holds, A, B or C
};

struct ListingOption {
  std::string_view code;  // option code, e.g. "WykaS"
  ListingKind kind;
};

// The options whose operation is a listing report alone.
const std::vector<ListingOption>& listingOptions();
const ListingOption* findListingOption(std::string_view code);

// The run's parameters from the values, a field left out or empty taking its
// default from the settings. An unreadable date or depth is refused with a
// Polish message naming the field.
Status listingParams(const FieldTexts& values, const ListingSettings& settings, ListingParams& out);

// The input field codes of the option's parameter set, each once.
std::vector<std::string> optionFields(const OptionInfo& option);
std::vector<std::string> listingFields(const ListingOption& option);

// The whole report of a listing option, End report included. Only the
// option's own fields are read.
Status runListingOption(const AssetRegister& reg, const ListingOption& option,
                        const FieldTexts& values, const ListingSettings& settings,
                        output::ReportBuffer& out, const ListingControl& control = {});

// What the registered operations take besides their parameter values and
// the run's stop request: the base's settings and where progress goes. The
// desktop and zefir-cli set them when they load a base.
struct ListingEnvironment {
  ListingSettings settings;
  std::function<void(int slot, int count)> progress;
  std::string baseFile;  // the main base file (the database control reads it)
};
ListingEnvironment& listingEnvironment();

// Registers the listing options' operations with the option catalogue.
void registerListingOperations();

}  // namespace zefir::operations
