#pragma once
// The displays of the calculation pages.

#include "form/mainform.h"

#include <string>

namespace pelmark {

// Takes the selected row of SG_Material over into the global values.
void Material_uebernehmen(Mainform& f);

// The pipe and material a result is computed with, in one line:
// "Leitung: DN 150 · 168,3 × 4,5 · P235GH".
std::string Leitungszeile(const Mainform& f);

// Line spacing, insulation, masses, wind loads and support spans.
void Anzeige_Konstruktionsdaten(Mainform& f);

// Thermal expansion and the L, Z and U legs.
void Anzeige_Rohrdehnung(Mainform& f);

} // namespace pelmark
