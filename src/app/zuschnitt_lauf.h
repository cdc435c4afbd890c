#pragma once
// "pelmark --etage": the program starts on its folder without a window, the
// size is applied as the search field applies it, the numbers are typed into
// the page "Rohrbau", and its cut sheet is gathered.

#include "app/aufruf_etage.h"
#include "app/massblatt_lauf.h"

namespace pelmark {

Blattlauf Zuschnitt_fuer_Aufruf(Stille_Umgebung& plattform, const std::string& programmordner,
                                const Etagenaufruf& etage, const std::string& datum);

// The sheet's free-table lines as text, one line each, for standard output.
std::string Blatt_als_text_tabelle(const Massblatt& blatt);

} // namespace pelmark
