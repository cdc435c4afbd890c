// The number writer: values per second in fixed point with two decimals.
#include "store/zahlen.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace pelmark;

namespace {

void BM_Festkomma(benchmark::State& state) {
    std::vector<Extended> werte;
    for (int i = 0; i < 1000; ++i) {
        werte.push_back(static_cast<Extended>(i) * 1.37L + 0.005L);
    }
    for (auto _ : state) {
        for (Extended wert : werte) {
            benchmark::DoNotOptimize(Festkomma(wert, 2, ','));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(werte.size()));
}
BENCHMARK(BM_Festkomma);

void BM_Zelle_zu_Zahl(benchmark::State& state) {
    const std::vector<std::string> texte = {"114,3", "3,6", "1100", "0,0106", "-2,5E3"};
    for (auto _ : state) {
        for (const auto& text : texte) {
            benchmark::DoNotOptimize(Zelle_zu_Zahl(text, ','));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texte.size()));
}
BENCHMARK(BM_Zelle_zu_Zahl);

} // namespace
