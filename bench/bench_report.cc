// The report buffer at the sizes accountants meet: building the search index
// of a 100,000-row report and searching it (targets: index under 50 ms, a
// search under 10 ms), and rendering a 10,000-row report to PDF.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

#include "output/gui/report_print.h"
#include "output/report_buffer.h"
#include "output/report_view.h"
#include "platform/status_line.h"
#include "text/codepage.h"

namespace {

using namespace zefir;
using namespace zefir::output;

void fill(ReportBuffer& b, int rows) {
  b.beginReport("WST", text::fromUtf8("Wykaz środków trwałych"), 3);
  b.addColumn('l', 15, "Symbol");
  b.addColumn('l', 8, "Data");
  b.addColumn('l', 40, "Nazwa");
  b.addColumn('l', 6, "KST");
  b.addColumn('b', 14, text::fromUtf8("Wartość"), "brutto");
  b.addColumn('d', 14, "", "umorzenie");
  b.addColumn('p', 14, "Netto");
  b.endHeaders(text::fromUtf8("na dzień 31-12-2024"));
  for (int i = 1; i <= rows; ++i) {
    if (i % 100 == 0) {
      b.addRule('-');
      continue;
    }
    std::string n = std::to_string(i);
    b.addRow({"ST/" + n, "31122024", text::fromUtf8("Zestaw komputerowy łączność ") + n, "491",
              n + ",00", std::to_string(i / 2) + ",50", std::to_string(i / 3) + ",25"});
  }
  b.endReport();
}

ReportBuffer& bigReport() {
  static ReportBuffer b;
  if (b.rowCount() == 0) fill(b, 100000);
  return b;
}

void BM_BuildSearchIndex100k(benchmark::State& state) {
  ReportBuffer& b = bigReport();
  for (auto _ : state) {
    b.addRule(' ');  // invalidates the index, as a new report would
    benchmark::DoNotOptimize(b.searchIndex().rowCount());
  }
}
BENCHMARK(BM_BuildSearchIndex100k)->Unit(benchmark::kMillisecond);

// A text that is not there: the search walks every row and comes back.
void BM_SearchMissing100k(benchmark::State& state) {
  RememberingStatusLine quiet;
  setStatusLine(&quiet);
  ReportBuffer& b = bigReport();
  b.searchIndex();
  const bool forward = state.range(0);
  for (auto _ : state) {
    b.view.current = 50000;
    benchmark::DoNotOptimize(searchReport(b, "NIE MA TAKIEGO", forward));
  }
  setStatusLine(nullptr);
}
BENCHMARK(BM_SearchMissing100k)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Searching for a symbol near the far end of the report.
void BM_SearchFar100k(benchmark::State& state) {
  ReportBuffer& b = bigReport();
  b.searchIndex();
  for (auto _ : state) {
    b.view.current = 2;
    benchmark::DoNotOptimize(searchReport(b, "ST/99998 ", true));
  }
}
BENCHMARK(BM_SearchFar100k)->Unit(benchmark::kMillisecond);

void BM_RenderPdf10k(benchmark::State& state) {
  ReportBuffer b;
  fill(b, 10000);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("raport.pdf"));
  PrintTexts texts{"08-12-2026 12:00", "C:\\Zefir\\Baza", "Zorza-Soft", "Zefir 1.19 DA"};
  for (auto _ : state)
    benchmark::DoNotOptimize(writeReportPdf(b, false, path, 1, b.rowCount(), texts, "bench"));
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
  state.counters["rows"] = b.rowCount();
}
BENCHMARK(BM_RenderPdf10k)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
