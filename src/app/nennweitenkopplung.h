#pragma once
// The nominal-size lists follow one size, not one position. The pipe lists of
// a standard share their table and so their positions; LB_NW lists the rows
// of the insulation table under DIN and the pipe sizes as "NPS …" under
// ANSI, and a switch of the standard selects the size that corresponds to
// the one chosen before (NPS 4 and DN 100), or the first size where the
// other standard lacks it.

#include "form/mainform.h"

namespace pelmark {

// The index of the entry of ziel that stands for the size selected in
// quelle, -1 when ziel has none or quelle has no selection.
int Gleiche_Groesse(const Liste& quelle, const Liste& ziel);

// The DN of the entries selected in LB_AD1 and LB_AD2, taken before the
// lists are refilled for the other standard.
struct Gewaehlte_Groessen {
    int DN1 = -1;
    int DN2 = -1;
};
Gewaehlte_Groessen Groessen_merken(const Maske& m);

// Selects the sizes kept in the refilled lists and their partners.
void Groessen_zurueck(Maske& m, const Gewaehlte_Groessen& g);

} // namespace pelmark
