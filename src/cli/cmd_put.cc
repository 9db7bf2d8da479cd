// zefir-cli put BASE.PST [--station N]: saves assets given as JSON Lines on
// stdin exactly as the program saves an edited asset. Each object is compared
// with the asset as it stands in the base and only the changed record kinds
// are appended; an unchanged object appends nothing. {"Symb": "X",
// "delete": true} removes the asset. An invalid line is reported on stderr
// with its number and skipped; the others are saved, and the exit status is
// then 2.
#include <iostream>

#include "cli/asset_json.h"
#include "cli/base_access.h"
#include "cli/commands.h"
#include "platform/shared_file.h"
#include "register/base_record.h"
#include "register/base_values.h"
#include "text/codepage.h"

namespace zefir::cli {

namespace {

struct PutCounts {
  int saved = 0, deleted = 0, unchanged = 0, skipped = 0;
};

// Saves one object; returns "" or why the line is skipped (UTF-8).
std::string putObject(const Json& object, BaseJournal& journal, AssetRegister& reg,
                      PutCounts& counts) {
  if (!object.is_object()) return "oczekiwano obiektu JSON";
  if (!object.contains("Symb")) return "brak klucza Symb";
  std::string error;
  const std::string symbol = symbolFromJson(object["Symb"], error);
  if (!error.empty()) return "Symb: " + error;

  const bool exists = reg.exists(symbol);
  const AssetRecord loaded = exists ? reg.currentRecord() : AssetRecord{};
  AssetRecord edited = loaded;
  if (object.contains("delete")) {
    if (!object["delete"].is_boolean()) return "delete: oczekiwano true albo false";
    if (object["delete"].get<bool>()) {
      if (object.size() != 2) return "delete: obiekt usunięcia ma tylko klucze Symb i delete";
      if (!exists) return "nie ma środka " + text::toUtf8(symbol);
      edited.Symb.clear();
      if (Status s = journal.saveAsset(reg, loaded, edited); !s) return text::toUtf8(s.message());
      ++counts.deleted;
      return "";
    }
  }
  edited.Symb = symbol;
  if (auto e = applyAssetJson(object, edited); !e.empty()) return e;
  base::asTheBaseKeepsIt(edited);
  if (auto e = checkStorable(edited); !e.empty()) return e;
  if (exists && edited == loaded) {
    ++counts.unchanged;
    return "";
  }
  if (Status s = journal.saveAsset(reg, loaded, edited); !s) return text::toUtf8(s.message());
  ++counts.saved;
  return "";
}

}  // namespace

void addPutCommand(CLI::App& app) {
  auto* cmd = app.add_subcommand("put", "Zapisz środki podane jako JSON Lines na wejściu");
  static std::string path;
  static int station = 0;
  cmd->add_option("BASE", path, "Plik bazy (.PST)")->required();
  cmd->add_option("--station", station, "Numer stanowiska zapisującego (1-197)")
      ->check(CLI::Range(1, 197));
  cmd->callback([] {
    AssetRegister reg;
    BaseJournal journal = loadOrCreateBase(path, reg, station);
    PutCounts counts;
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
      if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
      std::string error;
      try {
        error = putObject(Json::parse(line), journal, reg, counts);
      } catch (const Json::exception&) {
        // Not JSON, or a number beyond any double ("1e4000"): the line is bad.
        error = "niepoprawny JSON";
      } catch (const platform::IoError& e) {
        throw CliExit{2, "wiersz " + std::to_string(number) + ": " + text::toUtf8(e.message)};
      }
      if (!error.empty()) {
        ++counts.skipped;
        std::cerr << "wiersz " << number << ": " << error << '\n';
      }
    }
    std::cout << "Zapisane: " << counts.saved << ", usunięte: " << counts.deleted
              << ", bez zmian: " << counts.unchanged << ", pominięte: " << counts.skipped << '\n';
    if (counts.skipped > 0)
      throw CliExit{2, "Pominięto wierszy: " + std::to_string(counts.skipped)};
  });
}

}  // namespace zefir::cli
