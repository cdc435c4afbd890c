#include "components/schritte.h"

#include "store/nennweiten.h"
#include "store/quellen.h"

#include <array>

namespace pelmark {

namespace {

// Support fields in the order they are written, each with its column of the
// support table; the distance i of kind 02 comes between them (see below).
constexpr std::array<Edit Maske::*, 4> Lager_vorne = {&Maske::E_h_01, &Maske::E_b_01,
                                                      &Maske::E_h_02, &Maske::E_b_02};

constexpr std::array<Edit Maske::*, 20> Lager_hinten = {
    &Maske::E_h_03,   &Maske::E_b_03,   &Maske::E_h_04,   &Maske::E_b_04,   &Maske::E_h_GL05,
    &Maske::E_b_GL05, &Maske::E_h_FP05, &Maske::E_b_FP05, &Maske::E_h_GL06, &Maske::E_b_Gl06,
    &Maske::E_h_FP06, &Maske::E_b_FP06, &Maske::E_h_GL12, &Maske::E_b_GL12, &Maske::E_h_FP12,
    &Maske::E_b_FP12, &Maske::E_h_GL13, &Maske::E_b_Gl13, &Maske::E_h_FP13, &Maske::E_b_FP13};

void Ohne_DIN_Groesse(Edit& feld) {
    feld.Text = "-";
    feld.Quelle = Herkunft{{}, {}, "keine DIN-Nennweite entspricht dieser NPS", 0};
}

} // namespace

void Lager_eintragen(Mainform& f, int dn1_zeile) {
    auto& m = f.maske;
    const Tabelle& lager = f.Speicher.Lager;
    // The table has one row per DIN size; an NPS reads the row of its DIN size.
    const int zeile =
        m.RB_ANSI_Rohr.Checked ? Din_Zeile_fuer_Ansi(f.Speicher, lager, dn1_zeile) : dn1_zeile;
    if (zeile < 0) {
        for (auto feld : Lager_vorne) {
            Ohne_DIN_Groesse(m.*feld);
        }
        Ohne_DIN_Groesse(m.E_i_02);
        for (auto feld : Lager_hinten) {
            Ohne_DIN_Groesse(m.*feld);
        }
        return;
    }
    int spalte = 1;
    for (auto feld : Lager_vorne) {
        Zelle_zeigen(m.*feld, f.Speicher, lager, spalte++, zeile);
    }
    // Kind 02 has no column for i: it shows the width b of kind 01, and
    // nothing for the first nominal size.
    m.E_i_02.Quelle = Berechnet("i (Bauart 02) = b (Bauart 01)", {&m.E_b_01});
    if (zeile <= 1) {
        m.E_i_02.Text = "-";
        m.E_i_02.Quelle.Grund = Strichtext(Strichgrund::nicht_gesichert);
    } else {
        m.E_i_02.Text = lager.Inhalt(2, zeile);
    }
    for (auto feld : Lager_hinten) {
        Zelle_zeigen(m.*feld, f.Speicher, lager, spalte++, zeile);
    }
}

} // namespace pelmark
