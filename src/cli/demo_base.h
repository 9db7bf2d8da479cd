// The demo base written by `zefir-cli demo DIR`: a made-up company's fixed
// assets (about 60, over the classification groups 0-9 and intangibles), its
// classification table and its three dictionaries. The data is fixed, so every
// run writes the same base.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "register/asset_record.h"
#include "register/asset_register.h"

namespace zefir::cli {

std::vector<AssetRecord> demoAssets();

// Classification groups: group 0 as restructured in KŚT 2016, groups 1-9 as
// in KŚT 2010; names cut to the table's 93 characters. Code page 1250.
std::vector<ClassificationEntry> demoClassification();

struct DemoDictionaries {
  std::vector<DictionaryEntry> places;    // MiejscaU.MST
  std::vector<DictionaryEntry> persons;   // Osoby.OST
  std::vector<DictionaryEntry> accounts;  // Konta.KST
};
DemoDictionaries demoDictionaries();

// Builds one demo asset; texts are given in UTF-8 and stored in code page 1250.
class DemoAsset {
 public:
  DemoAsset(std::string_view symb, std::string_view nazw);

  // Purchase: date, price, document, supplier.
  DemoAsset& bought(DayNumber date, long double price, std::string_view doc,
                    std::string_view supplier);
  // Acceptance into use: date, value, document.
  DemoAsset& accepted(DayNumber date, long double value, std::string_view doc);
  // Kept with an opening balance from 1 January of `year`.
  DemoAsset& opening(int year, long double gross, long double depreciation);
  DemoAsset& method(char letter);
  DemoAsset& secondLine(std::string_view text);
  DemoAsset& description(std::string_view line);
  // The next rate-history entry.
  DemoAsset& rate(DayNumber from, std::string_view skst, long double taxRate,
                  long double taxCoefficient = 1, long double balanceRate = 0,
                  long double balanceCoefficient = 0);
  // The next change entry.
  DemoAsset& change(std::string_view entry);

  AssetRecord record() const { return a_; }

 private:
  AssetRecord a_;
  int opis_ = 0, rates_ = 0, changes_ = 0;
};

// Day number of a calendar date.
DayNumber day(int year, int month, int dayOfMonth);

}  // namespace zefir::cli
