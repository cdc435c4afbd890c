// The displays of the calculation pages on the shipped tables, and their
// worst cases: a U loop that no height satisfies (10⁷ steps when stepping),
// L and Z legs of 1000 m just above 20 °C, and span searches at the largest
// realistic span and at the search bound.
#include "app/auswahllisten.h"
#include "app/handler.h"
#include "calc/anzeigen.h"
#include "calc/dampf.h"
#include "calc/durchfluss.h"
#include "calc/massumwandlung.h"
#include "calc/schenkelsuche.h"
#include "calc/stuetzweite.h"

#include "geladen.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

using namespace pelmark;

namespace {

// The shipped tables, the pipe of nominal-size entry 8, 120 °C, a line of
// 10 m, legs of 5 m and a loop of 20 m.
std::unique_ptr<Mainform> Formular(Stille_Umgebung& umgebung) {
    auto f = Geladenes_Formular(umgebung);
    f->maske.LB_DN1.ItemIndex = 8;
    LB_DN1Click(*f);
    auto& m = f->maske;
    m.E_Dehnung_Endtemp.Text = "120";
    m.E_Dehnung_L.Text = "10";
    m.E_Winkel_L1.Text = "5";
    m.E_Z_L1.Text = "5";
    m.E_U_L1.Text = "20";
    return f;
}

template <typename Fn> void Wiederhole(benchmark::State& state, Fn&& fn) {
    for (auto _ : state) {
        fn();
        benchmark::ClobberMemory();
    }
}

void BM_Anzeige_Konstruktionsdaten(benchmark::State& state) {
    Stille_Umgebung u;
    auto f = Formular(u);
    Wiederhole(state, [&] { Anzeige_Konstruktionsdaten(*f); });
}
BENCHMARK(BM_Anzeige_Konstruktionsdaten)->Unit(benchmark::kMicrosecond);

void BM_Anzeige_Rohrdehnung(benchmark::State& state) {
    Stille_Umgebung u;
    auto f = Formular(u);
    Wiederhole(state, [&] { Anzeige_Rohrdehnung(*f); });
}
BENCHMARK(BM_Anzeige_Rohrdehnung)->Unit(benchmark::kMicrosecond);

void BM_Anzeige_Massumwandlung(benchmark::State& state) {
    Stille_Umgebung u;
    auto f = Formular(u);
    Wiederhole(state, [&] { Anzeige_Massumwandlung(*f); });
}
BENCHMARK(BM_Anzeige_Massumwandlung)->Unit(benchmark::kMicrosecond);

// A pressure between the last two rows: the longest walk through the table.
void BM_Dampfdruck_letzte_Zeilen(benchmark::State& state) {
    Stille_Umgebung u;
    auto f = Formular(u);
    const int letzte = f->Speicher.Dampf.Anzahl_Zeilen() - 2;
    const std::string oben = f->Speicher.Dampf.Inhalt(0, letzte);
    f->maske.E_Dampfdruck.Text = oben + "0";
    Wiederhole(state, [&] { E_DampfdruckChange(*f); });
}
BENCHMARK(BM_Dampfdruck_letzte_Zeilen)->Unit(benchmark::kMicrosecond);

void BM_Durchfluss_Menge(benchmark::State& state) {
    Stille_Umgebung u;
    auto f = Formular(u);
    f->maske.E_Innendurchmesser.Text = "50";
    f->maske.E_Menge.Text = "10";
    Wiederhole(state, [&] { E_MengeExit(*f); });
}
BENCHMARK(BM_Durchfluss_Menge)->Unit(benchmark::kMicrosecond);

void BM_U_Bogen_ohne_Streckgrenze(benchmark::State& state) {
    Stille_Umgebung u;
    auto f = Formular(u);
    f->SigmaE = 0;
    f->maske.E_U_L1.Text = "2000";
    Wiederhole(state, [&] { Anzeige_Rohrdehnung(*f); });
    state.SetLabel(f->maske.E_U_Lmin.Text);
}
BENCHMARK(BM_U_Bogen_ohne_Streckgrenze)->Unit(benchmark::kMicrosecond);

void BM_L_und_Z_1000_m_bei_21_Grad(benchmark::State& state) {
    Stille_Umgebung u;
    auto f = Formular(u);
    auto& m = f->maske;
    Wiederhole(state, [&] {
        m.E_Dehnung_Endtemp.Text = "21";
        m.E_Winkel_L1.Text = "1000";
        m.E_Z_L1.Text = "-1000";
        Anzeige_Rohrdehnung(*f);
    });
    state.SetLabel(m.E_Winkel_Lmin.Text + " / " + m.E_Z_Lmin.Text);
}
BENCHMARK(BM_L_und_Z_1000_m_bei_21_Grad)->Unit(benchmark::kMicrosecond);

// The stepping search for comparison: 10⁷ steps of 100 mm.
void BM_U_Bogen_schrittweise_ohne_Streckgrenze(benchmark::State& state) {
    const Biegeschenkel s{20.0, 50.0, 210000, 0};
    Wiederhole(state, [&] { benchmark::DoNotOptimize(U_Hoehe_suchen_schrittweise(s, 12.5)); });
}
BENCHMARK(BM_U_Bogen_schrittweise_ohne_Streckgrenze)->Unit(benchmark::kMillisecond)->Iterations(3);

// The largest pipe of the table, empty, without wind: the longest real span.
void BM_Stuetzweite_groesstes_Rohr(benchmark::State& state) {
    Stille_Umgebung u;
    auto f = Formular(u);
    auto& m = f->maske;
    f->maske.LB_DN1.ItemIndex = m.LB_DN1.Count() - 1;
    LB_DN1Click(*f);
    f->Winddruck = 0;
    m.E_Gamma.Text = "0";
    m.E_Isolierdicke.Text = "0";
    Wiederhole(state, [&] { Anzeige_Konstruktionsdaten(*f); });
    state.SetLabel(m.E_NW.Text + ": " + m.E_Stuetzweite_leer_unisoliert.Text + " m");
}
BENCHMARK(BM_Stuetzweite_groesstes_Rohr)->Unit(benchmark::kMicrosecond);

// No load at all: every search runs to the bound of 10 km.
void BM_Stuetzweite_ohne_Last(benchmark::State& state) {
    Wiederhole(state, [&] { benchmark::DoNotOptimize(stuetzweite(1, 6.03, 0.29, 0, 210000)); });
}
BENCHMARK(BM_Stuetzweite_ohne_Last)->Unit(benchmark::kMicrosecond);

} // namespace
