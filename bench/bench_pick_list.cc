// The asset pick list of a full register (29,999 assets): building its rows
// (with the free numbers between), building it again filtered by two letters,
// and searching for the last row, all together must stay under 100 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

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

}  // namespace

BENCHMARK_MAIN();
