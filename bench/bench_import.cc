// Importing a 5,000-row workbook into a new base (target: under 2 s).
#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <filesystem>
#include <string>

#include "operations/import_operations.h"
#include "output/report_buffer.h"

namespace {

namespace fs = std::filesystem;
namespace imp = zefir::operations::import;

constexpr int kRows = 5000;

// A workbook of the "Fabrika" version: symbol, name, purchase day (a serial
// day), classification.
fs::path writeWorkbook(const fs::path& folder) {
  fs::create_directories(folder / "DBF");
  const fs::path path = folder / "DBF" / "Fabrika.xlsx";
  lxw_workbook* wb = workbook_new(path.c_str());
  lxw_worksheet* ws = workbook_add_worksheet(wb, "Obiekty");
  const char* heads[] = {"Obiekt", "Opis obiektu", "Data nabycia", "Gr. obiektów"};
  for (int c = 0; c < 4; ++c) worksheet_write_string(ws, 0, c, heads[c], nullptr);
  for (int r = 1; r <= kRows; ++r) {
    worksheet_write_string(ws, r, 0, ("OB-" + std::to_string(r)).c_str(), nullptr);
    worksheet_write_string(ws, r, 1, ("Maszyna numer " + std::to_string(r)).c_str(), nullptr);
    worksheet_write_number(ws, r, 2, 40000 + r % 3000, nullptr);
    worksheet_write_string(ws, r, 3, "491", nullptr);
  }
  workbook_close(wb);
  return path;
}

void BM_ImportXlsx5000Rows(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "zefir-bench-import";
  fs::remove_all(folder);
  const fs::path source = writeWorkbook(folder);
  for (auto _ : state) {
    imp::Workbook book;
    if (!imp::readWorkbook(source.string(), book).ok()) state.SkipWithError("unreadable");
    zefir::output::ReportBuffer report;
    if (!imp::importSheets(book, "Fabrika", "Fabrika", folder.string(),
                           zefir::writeStampNow("", ".001"), report)
             .ok())
      state.SkipWithError("not imported");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_ImportXlsx5000Rows)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
