// The asset pick list of a full register (29,999 assets): building its rows
// (with the free numbers between), building it again filtered by two letters,
// and searching for the last row, all together must stay under 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <memory>
#include <vector>

#include "dialogs/pick_list_window.h"
#include "operations/pick_list.h"
#include "register/asset_register.h"
#include "text/numbers.h"

namespace {

using namespace zefir;

const AssetRegister& fullRegister() {
  static AssetRegister reg = [] {
    AssetRegister r;
    std::vector<std::unique_ptr<AssetRecord>> assets;
    const char* names[] = {"Komputer", "Drukarka", "Biurko", "Samochód", "Regał", "Wiertarka"};
    for (int i = 0; i < 29999; ++i) {
      auto a = std::make_unique<AssetRecord>();
      // Every tenth number is left out, so free-number rows stand between.
      const int number = i + i / 9 + 1;
      a->Symb = std::to_string(number / 3400) + "-" + text::intTextWithZero(number, 6);
      a->Nazw = std::string(names[i % 6]) + " nr " + std::to_string(i);
      a->Na2w = "pok. " + std::to_string(i % 300);
      assets.push_back(std::move(a));
    }
    std::sort(assets.begin(), assets.end(),
              [](const auto& a, const auto& b) { return a->Symb < b->Symb; });
    r.assignSorted(std::move(assets));
    return r;
  }();
  return reg;
}

void BM_AssetListBuildFilterSearch(benchmark::State& state) {
  operations::PickListSources src;
  src.reg = &fullRegister();
  for (auto _ : state) {
    const operations::PickList all = buildPickList('s', src, "");
    const operations::PickList filtered = buildPickList('s', src, "KO");
    const std::string last = all.rows().back().substr(0, 10);
    benchmark::DoNotOptimize(all.find(last, 0, true));
    benchmark::DoNotOptimize(filtered.size());
  }
  state.counters["rows"] = static_cast<double>(buildPickList('s', src, "").size());
}
BENCHMARK(BM_AssetListBuildFilterSearch)->Unit(benchmark::kMillisecond);

// The same through the window: its list widget filled with every row, then
// filtered from the filter edit, then searched from the search edit.
void pressEnter(QWidget* w) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
}

void BM_AssetListWindow(benchmark::State& state) {
  operations::PickListSources src;
  src.reg = &fullRegister();
  gui::TFLisF45 w;
  w.setSources(src);
  for (auto _ : state) {
    w.open('s', "");
    w.filterEdit()->setText("KO");
    pressEnter(w.filterEdit());
    w.searchEdit()->setText("29998");
    pressEnter(w.searchEdit());
    benchmark::DoNotOptimize(w.currentRow());
  }
  state.counters["rows"] = w.listWidget()->count();
}
BENCHMARK(BM_AssetListWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
