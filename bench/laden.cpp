// The activation load on the test tables, against merely reading the bytes of
// the same 32 files.
#include "store/tabellenspeicher.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace pelmark;

namespace {

const std::filesystem::path daten = std::filesystem::path(PELMARK_TESTDATEN) / "Daten";

void BM_Dateien_lesen(benchmark::State& state) {
    for (auto _ : state) {
        size_t bytes = 0;
        for (const auto& eintrag : Katalog()) {
            bytes += Lies_Bytes(daten / eintrag.Datei).size();
        }
        bytes += Lies_Bytes(daten / Datei_Massumrechnung).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_Dateien_lesen)->Unit(benchmark::kMicrosecond);

void BM_Aktivierungsladen(benchmark::State& state) {
    auto speicher = std::make_unique<Tabellenspeicher>();
    for (auto _ : state) {
        Lade_Tabellen(*speicher, daten);
        benchmark::DoNotOptimize(speicher->Anz_Massarten);
    }
}
BENCHMARK(BM_Aktivierungsladen)->Unit(benchmark::kMicrosecond);

} // namespace
