// One click on a nominal size of the pipe page (the nominal-size link, the
// refresh of the dimension pages and the two calculation displays) and a full
// Init_Anzeige, both on the shipped tables.
#include "app/auswahllisten.h"
#include "app/handler.h"

#include "geladen.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace pelmark;

namespace {

void BM_Klick_LB_AD1(benchmark::State& state) {
    Stille_Umgebung umgebung;
    auto f = Geladenes_Formular(umgebung);
    int index = 0;
    for (auto _ : state) {
        f->maske.LB_AD1.ItemIndex = index;
        LB_AD1Click(*f);
        index = (index + 1) % f->maske.LB_AD1.Count();
        benchmark::DoNotOptimize(f->maske.E_L_Bogen45.Text.data());
    }
}
BENCHMARK(BM_Klick_LB_AD1)->Unit(benchmark::kMicrosecond);

void BM_Init_Anzeige(benchmark::State& state) {
    Stille_Umgebung umgebung;
    auto f = Geladenes_Formular(umgebung);
    for (auto _ : state) {
        Init_Anzeige(*f);
        benchmark::DoNotOptimize(f->maske.E_DA1.Text.data());
    }
}
BENCHMARK(BM_Init_Anzeige)->Unit(benchmark::kMicrosecond);

} // namespace
