#pragma once
// Nominal sizes across the two standards. The support and insulation tables
// have one row per DIN size; with ANSI pipes they are read at the row of the
// DIN size that corresponds to the NPS (1/2 = DN 15, 2 = DN 50, from NPS 8 on
// DN = 25 * NPS), never at the same position.

#include "store/tabellenspeicher.h"

#include <optional>
#include <string_view>

namespace pelmark {

// The DN of an NPS written as the ANSI tables write it ("1/2", "1 1/4", "24").
std::optional<int> DN_zu_NPS(std::string_view nps);

// The DN a list entry stands for: "DN 100" is 100, an NPS ("4" or "NPS 4")
// its DIN equivalent; nothing for any other text.
std::optional<int> DN_von_Eintrag(std::string_view eintrag);

// The row whose first cell is "DN n", or -1.
int Zeile_mit_DN(const Tabelle& tabelle, int dn);

// The row of the DIN-indexed table for the size in row ansi_zeile of the ANSI
// pipe table; -1 when no DIN size corresponds or the table lacks it.
int Din_Zeile_fuer_Ansi(const Tabellenspeicher& s, const Tabelle& din_tabelle, int ansi_zeile);

} // namespace pelmark
