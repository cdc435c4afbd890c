// A free table of 10,000 rows and 20 columns: loading, saving, and sorting it
// by text, number and date.
#include "grid/testringgrid.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

using namespace pelmark;

namespace {

constexpr int Zeilen = 10000;
constexpr int Spalten = 20;

// Column 0 text, column 1 numbers with decimal comma, column 2 dates, the rest filler.
TEStringGrid Grosse_Tabelle() {
    std::mt19937 zufall(1);
    static const char* woerter[] = {"Rohr", "Bogen", "Äquivalent", "flansch", "Öse", "T-Stück"};
    std::uniform_int_distribution<int> wort(0, 5), zahl(0, 99999), tag(1, 28), monat(1, 12),
        jahr(1950, 2049);
    TEStringGrid g(Spalten, Zeilen);
    for (int c = 0; c < Spalten; ++c) {
        g.SetCell(c, 0, "Spalte " + std::to_string(c));
    }
    for (int r = 1; r < Zeilen; ++r) {
        g.SetCell(0, r, std::string(woerter[wort(zufall)]) + std::to_string(zahl(zufall)));
        g.SetCell(1, r, std::to_string(zahl(zufall)) + "," + std::to_string(zahl(zufall) % 100));
        char datum[16];
        std::snprintf(datum, sizeof datum, "%02d.%02d.%04d", tag(zufall), monat(zufall),
                      jahr(zufall));
        g.SetCell(2, r, datum);
        for (int c = 3; c < Spalten; ++c) {
            g.SetCell(c, r, "Wert " + std::to_string(zahl(zufall)));
        }
    }
    return g;
}

std::filesystem::path Benchdatei() {
    static const std::filesystem::path datei = [] {
        const auto pfad = std::filesystem::temp_directory_path() /
                          ("pelmark_bench_" + std::to_string(::getpid()) + ".CSV");
        TEStringGrid g = Grosse_Tabelle();
        g.SaveToFile(pfad);
        return pfad;
    }();
    return datei;
}

void BM_Tabelle_laden(benchmark::State& state) {
    const auto datei = Benchdatei();
    for (auto _ : state) {
        TEStringGrid g;
        g.LoadFromFile(datei);
        benchmark::DoNotOptimize(g.RowCount());
    }
}
BENCHMARK(BM_Tabelle_laden)->Unit(benchmark::kMillisecond);

void BM_Tabelle_speichern(benchmark::State& state) {
    const auto datei = std::filesystem::path(Benchdatei()).replace_extension(".neu.CSV");
    TEStringGrid g = Grosse_Tabelle();
    for (auto _ : state) {
        g.SaveToFile(datei);
    }
    std::filesystem::remove(datei);
}
BENCHMARK(BM_Tabelle_speichern)->Unit(benchmark::kMillisecond);

void Sortiere(benchmark::State& state, const char* art, int spalte) {
    const TEStringGrid vorlage = Grosse_Tabelle();
    for (auto _ : state) {
        state.PauseTiming();
        TEStringGrid g = vorlage;
        g.FixedCols = 0;
        state.ResumeTiming();
        const auto meldungen = g.sort(art, spalte);
        benchmark::DoNotOptimize(meldungen.size());
    }
}

void BM_Sortieren_Text(benchmark::State& state) {
    Sortiere(state, "STRING", 0);
}
void BM_Sortieren_Zahl(benchmark::State& state) {
    Sortiere(state, "ZAHL", 1);
}
void BM_Sortieren_Datum(benchmark::State& state) {
    Sortiere(state, "DATUM", 2);
}
BENCHMARK(BM_Sortieren_Text)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sortieren_Zahl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sortieren_Datum)->Unit(benchmark::kMillisecond);

} // namespace
