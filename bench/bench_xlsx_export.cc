// The spreadsheet export of a 29,999-row listing (target: under 2 s): every
// data row with texts, amounts in thousands and a count, a rule every 50 rows.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "output/report_buffer.h"
#include "output/xlsx_export.h"
#include "text/codepage.h"

namespace {

using namespace zefir;
using namespace zefir::output;

void listing(ReportBuffer& b, int rows) {
  b.beginReport("WST", text::fromUtf8("Wykaz środków trwałych"), 3);
  b.addColumn('p', 5, "Lp");
  b.addColumn('l', 15, "Symbol");
  b.addColumn('l', 8, "Data");
  b.addColumn('l', 40, "Nazwa");
  b.addColumn('c', 6, "KST");
  b.addColumn('b', 14, text::fromUtf8("Wartość"), "brutto");
  b.addColumn('d', 14, "", "umorzenie");
  b.addColumn('p', 14, "Netto");
  b.addColumn('p', 6, "Liczba");
  b.endHeaders(text::fromUtf8("na dzień 31-12-2026"));
  for (int i = 1; i <= rows; ++i) {
    if (i % 50 == 0) {
      b.addRule('-');
      continue;
    }
    const std::string n = std::to_string(i);
    b.addRow({n, "ST/" + n, "31-12-26", text::fromUtf8("Zestaw komputerowy łączność ") + n, "491",
              "1." + std::to_string(100 + i % 900) + ",00", std::to_string(i % 1000) + ",50",
              std::to_string(i % 777) + ",25", "1"});
  }
  b.endReport();
}

void BM_XlsxExportListing29999(benchmark::State& state) {
  ReportBuffer b;
  listing(b, 29998);  // + the closing rule: 29,999 rows
  const std::string path =
      (std::filesystem::temp_directory_path() / "zefir_bench_export.xlsx").string();
  const XlsxTitles titles{"Zefir ver 1.19   Opcja DA Wykaz", "Zorza-Soft"};
  for (auto _ : state)
    benchmark::DoNotOptimize(writeXlsx(b, 1, b.rowCount(), path, titles, [](int) { return true; }));
  std::filesystem::remove(path);
}
BENCHMARK(BM_XlsxExportListing29999)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
