#pragma once
// The unit-conversion page: the three lists rebuilt from the positions, and
// the amount converted by the units' factors (with the °C/°F offsets):
//
//   Massartpos, Quellmasspos, Zielmasspos --> LB_Massart, LB_Quellmass, LB_Zielmass
//   E_Anz_Quellmass * SI_Wert(source) * (1 / SI_Wert(target)) --> E_Anz_Zielmass

#include "form/mainform.h"
#include "store/zahlen.h"

#include <string_view>

namespace pelmark {

inline constexpr const char* Meldung_Eingabe_unzulaessig = "Die Eingabe ist nicht zulässig.";

// (V * Fq) * (1 / Fz), or the offset formulas when the abbreviations shown
// are exactly "°C" and "°F". A target factor of 0 raises the division error.
Extended Umrechnen(Extended V, Extended Fq, Extended Fz, std::string_view quelle,
                   std::string_view ziel);

void Anzeige_Massumwandlung(Mainform& f);

} // namespace pelmark
