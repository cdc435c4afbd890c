#pragma once
// The nominal size as the fields name it: a DIN entry carries its "DN", an
// ANSI entry is a bare inch size ("4") and is shown as "NPS 4", so no field
// reads "Nennweite: 4" under ANSI.

#include "form/maske.h"

#include <string>

namespace pelmark {

// The ANSI size "4" as "NPS 4"; a DIN entry unchanged; empty stays empty.
std::string Nennweite_mit_Norm(const Maske& m, const std::string& eintrag);

// The selected entry of LB_AD1, named as above.
std::string Gewaehlte_Nennweite(const Maske& m);

} // namespace pelmark
