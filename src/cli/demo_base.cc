#include "cli/demo_base.h"

#include "cli/demo_assets.h"

#include <stdexcept>

#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::cli {

namespace {

// A demo text that does not fit its field is a mistake in the demo data, not
// something to cut silently.
std::string fitted(std::string_view utf8, int max) {
  std::string text = text::fromUtf8(utf8);
  if (static_cast<int>(text.size()) > max)
    throw std::logic_error("demo text too long: " + std::string(utf8));
  return text;
}

}  // namespace

DayNumber day(int year, int month, int dayOfMonth) {
  const DayNumber d = text::dayFromDate(year, month, dayOfMonth);
  if (d == 0) throw std::logic_error("demo date out of range");
  return d;
}

DemoAsset::DemoAsset(std::string_view symb, std::string_view nazw) {
  a_.Symb = fitted(symb, kSymbMax);
  a_.Nazw = fitted(nazw, kNazwMax);
}

DemoAsset& DemoAsset::bought(DayNumber date, long double price, std::string_view doc,
                             std::string_view supplier) {
  a_.DtZa = date;
  a_.CeZa = price;
  a_.DdZa = fitted(doc, kDdZaMax);
  a_.Dost = fitted(supplier, kDostMax);
  return *this;
}

DemoAsset& DemoAsset::accepted(DayNumber date, long double value, std::string_view doc) {
  a_.DtOT = date;
  a_.WaOT = value;
  a_.DdOT = fitted(doc, kDdOTMax);
  if (a_.RokP == 0) a_.WaBr = value;  // as a replayed kind-1 record has it
  return *this;
}

DemoAsset& DemoAsset::opening(int year, long double gross, long double depreciation) {
  a_.RokP = static_cast<std::uint16_t>(year);
  a_.WaBr = gross;
  a_.WaUm = depreciation;
  return *this;
}

DemoAsset& DemoAsset::method(char letter) {
  a_.MeUm = letter;
  return *this;
}

DemoAsset& DemoAsset::secondLine(std::string_view text) {
  a_.Na2w = fitted(text, kNa2wMax);
  return *this;
}

DemoAsset& DemoAsset::description(std::string_view line) {
  if (opis_ >= kOpisLines) throw std::logic_error("demo: too many description lines");
  a_.Opis[opis_++] = fitted(line, kOpisMax);
  return *this;
}

DemoAsset& DemoAsset::rate(DayNumber from, std::string_view skst, long double taxRate,
                           long double taxCoefficient, long double balanceRate,
                           long double balanceCoefficient) {
  if (rates_ >= kRateEntries) throw std::logic_error("demo: too many rate entries");
  a_.K[rates_++] = RateEntry{from,        fitted(skst, kSKSTMax), taxRate, taxCoefficient,
                             balanceRate, balanceCoefficient};
  return *this;
}

DemoAsset& DemoAsset::change(std::string_view entry) {
  if (changes_ >= kChangeEntries) throw std::logic_error("demo: too many change entries");
  a_.Z[changes_++] = fitted(entry, kChangeEntryMax);
  return *this;
}

std::vector<AssetRecord> demoAssets() {
  std::vector<AssetRecord> assets;
  addLandAndBuildings(assets);
  addStructuresAndPower(assets);
  addMachinesAndDevices(assets);
  addVehiclesAndEquipment(assets);
  addIntangibles(assets);
  return assets;
}

DemoDictionaries demoDictionaries() {
  auto list = [](std::initializer_list<std::pair<const char*, const char*>> rows) {
    std::vector<DictionaryEntry> out;
    for (const auto& [key, description] : rows)
      out.push_back({text::fromUtf8(key), text::fromUtf8(description)});
    return out;
  };
  DemoDictionaries d;
  d.places = list({
      {"ADM", "Budynek biurowy, administracja, ul. Fabryczna 12"},
      {"ADM 101", "Pokój 101, księgowość"},
      {"ADM 102", "Pokój 102, kadry i płace"},
      {"ADM 201", "Pokój 201, zarząd"},
      {"ADM 202", "Sala konferencyjna"},
      {"IT", "Serwerownia, piwnica budynku biurowego"},
      {"HALA A", "Hala produkcyjna A"},
      {"HALA B", "Hala produkcyjna B, montaż"},
      {"MAG 1", "Magazyn wysokiego składowania"},
      {"MAG 2", "Magazyn materiałów, rampa wschodnia"},
      {"GARAŻ", "Garaż i warsztat samochodowy"},
      {"TEREN", "Teren zakładu, ul. Fabryczna 12"},
      {"KRAKÓW", "Oddział w Krakowie, ul. Długa 5"},
      {"GDAŃSK", "Przedstawicielstwo w Gdańsku, ul. Portowa 3"},
      {"KOBYŁKA", "Gospodarstwo rolne Kobyłka"},
  });
  d.persons = list({
      {"KOWALSKI J", "Jan Kowalski, kierownik administracji"},
      {"NOWAK A", "Anna Nowak, główna księgowa"},
      {"WIŚNIEWSKI P", "Piotr Wiśniewski, kierownik produkcji"},
      {"WÓJCIK M", "Magdalena Wójcik, informatyk"},
      {"KAMIŃSKA E", "Ewa Kamińska, kierownik magazynu"},
      {"LEWANDOWSKI T", "Tomasz Lewandowski, kierownik floty"},
      {"ZIELIŃSKA K", "Katarzyna Zielińska, prezes zarządu"},
      {"SZYMAŃSKI R", "Robert Szymański, kierownik oddziału Kraków"},
      {"DĄBROWSKI Ł", "Łukasz Dąbrowski, przedstawiciel handlowy, Gdańsk"},
      {"GÓRSKI S", "Stanisław Górski, gospodarstwo Kobyłka"},
  });
  d.accounts = list({
      {"010", "Środki trwałe"},
      {"011", "Środki trwałe - grunty"},
      {"012", "Środki trwałe - budynki i budowle"},
      {"013", "Środki trwałe - maszyny i urządzenia"},
      {"014", "Środki trwałe - środki transportu"},
      {"015", "Środki trwałe - pozostałe"},
      {"020", "Wartości niematerialne i prawne"},
      {"070", "Umorzenie środków trwałych"},
      {"071", "Umorzenie WNiP"},
      {"400-01", "Amortyzacja - koszty bilansowe"},
      {"400-02", "Amortyzacja - niestanowiąca kosztu podatkowego"},
      {"401-01", "Amortyzacja - koszty wydziału produkcji"},
      {"402-01", "Amortyzacja - koszty zarządu"},
      {"403-01", "Amortyzacja - koszty sprzedaży"},
      {"527", "Koszty ogólnozakładowe"},
      {"550", "Koszty zarządu"},
      {"640", "Rozliczenia międzyokresowe"},
      {"840", "Rozliczenia dotacji (przychody przyszłych okresów)"},
  });
  return d;
}

}  // namespace zefir::cli
