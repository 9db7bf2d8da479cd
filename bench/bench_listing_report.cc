// The listing of assets (WykaS) over the synthetic base of 29,999 assets as of
// one day: `zefir-cli report` to JSON as a whole process (target under 1 s),
// and the same report written into the report window and scrolled to its end
// (target under 1.5 s, the base's load included).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "operations/listing_options.h"
#include "output/gui/report_table.h"
#include "output/gui/report_window.h"
#include "output/report_context.h"
#include "register/base_journal.h"
#include "synthetic_assets.h"

namespace {

using namespace zefir;

const std::string kDay = "311226";

void BM_ReportWykaSToJsonProcess(benchmark::State& state) {
  const std::string base = bench::writeSyntheticBase();
  const std::string folder = std::filesystem::path(base).parent_path().string();
  const std::string out = folder + "/wykas.json";
  const std::string command = std::string("'") + ZEFIR_CLI + "' report WykaS '" + folder +
                              "' --DaDo " + kDay + " --json '" + out + "' 2>/dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("zefir-cli report failed");
  state.counters["MB_json"] = std::filesystem::file_size(out) / 1e6;
}
BENCHMARK(BM_ReportWykaSToJsonProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_ReportWykaSInWindowToItsEnd(benchmark::State& state) {
  const std::string base = bench::writeSyntheticBase();
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  // Each layout of the window writes its deliberate entry to the error log.
  output::setReportErrorLogger([](std::string_view, int, std::string_view) {});
  output::ReportBuffer buffer;
  output::TFRaport window(buffer);
  operations::ListingSettings settings;
  const operations::ListingOption& option = *operations::findListingOption("WykaS");
  operations::FieldTexts values{{"DaDo", {kDay}}};
  int rows = 0;
  for (auto _ : state) {
    AssetRegister reg;
    BaseJournal journal(base);
    if (!journal.load(reg).ok()) state.SkipWithError("load failed");
    if (!operations::runListingOption(reg, option, values, settings, buffer).ok())
      state.SkipWithError("report failed");
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(window.searchField(), &end);
    window.table()->repaint();
    QCoreApplication::processEvents();
    rows = buffer.rowCount();
  }
  state.counters["rows"] = rows;
  state.counters["top"] = buffer.view.top;
}
BENCHMARK(BM_ReportWykaSInWindowToItsEnd)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
