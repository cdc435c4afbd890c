#pragma once
// The nine steel section kinds: list text, table, picture file and caption.
// The kind's position in LB_Profilart selects the row of this catalogue.

#include "form/mainform.h"

#include <array>

namespace pelmark {

struct Profilart {
    const char* Listentext;
    Tabelle Tabellenspeicher::*Tabelle_;
    const char* Bilddatei;
    const char* Beschriftung;
};

const std::array<Profilart, 9>& Profilarten();

// The kind at that list position, or nullptr outside 0..8.
const Profilart* Profilart_an(int position);

// Refills LB_Profil with column 0 of rows 1 .. n - 2 of the table (n its line
// count), selects the first entry and names it in L_Profil.
void Profilliste_fuellen(Mainform& f, const Tabelle& tabelle);

} // namespace pelmark
