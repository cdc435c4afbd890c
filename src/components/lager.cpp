#include "components/schritte.h"

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

} // namespace

void Lager_eintragen(Mainform& f, int dn1_zeile) {
    auto& m = f.maske;
    const Matrix& lager = f.Speicher.Lager.Inhalt;
    int spalte = 1;
    for (auto feld : Lager_vorne) {
        (m.*feld).Text = lager(spalte++, dn1_zeile);
    }
    // Kind 02 has no column for i: it shows the width b of kind 01, and
    // nothing for the first nominal size.
    m.E_i_02.Text = dn1_zeile <= 1 ? std::string("-") : lager(2, dn1_zeile);
    for (auto feld : Lager_hinten) {
        (m.*feld).Text = lager(spalte++, dn1_zeile);
    }
}

} // namespace pelmark
