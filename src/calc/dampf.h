#pragma once
// The saturated-steam table: a pressure or a temperature is looked up in the
// key column of Dampftabelle.CSV. An input equal to a key shows that row's
// texts as they stand in the file; an input between two keys shows the four
// other columns interpolated linearly between the two rows:
//
//   input text --> key column (row 1 .. last) --> exact row | interpolation
//              --> Dampfwerte --> E_Dampftemperatur / E_Dampfdruck, L_Wert_V/h/r

#include "form/mainform.h"

#include <string_view>

namespace pelmark {

inline constexpr const char* Text_Bereichsueberschreitung = "Bereichsüberschreitung";
inline constexpr const char* Text_Falsche_Eingabe = "Falsche Eingabe";

// Looks up the pressure (key column 0) and fills f.Dampfwerte.
void Dampfwerte_nach_Druck_holen(Mainform& f, std::string_view eingabe);

// Looks up the temperature (key column 1) and fills f.Dampfwerte.
void Dampfwerte_nach_Temperatur_holen(Mainform& f, std::string_view eingabe);

// The change of the pressure field: a lookup when the pressure is the input.
void Dampfdruck_geaendert(Mainform& f);

// The change of the temperature field: a lookup when the temperature is the input.
void Dampftemperatur_geaendert(Mainform& f);

} // namespace pelmark
