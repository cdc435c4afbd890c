#pragma once
// The panels "Stutzen" and "Segmentbogen": their inputs read from the form
// model (an empty diameter takes DN2 or DN1 of the first page, an empty
// radius the radius of the chosen radius type), their results written back.
// The print and the preview take the same drawings from here.

#include "calc/schablonenblatt.h"
#include "form/mainform.h"

#include <vector>

namespace pelmark {

// Both panels, from the inputs shown now.
void Anzeige_Schablonen(Mainform& f);

// The drawings of the current inputs; empty when the input gives no template.
std::vector<Schablonenzeichnung> Stutzen_aus_Maske(const Mainform& f);
std::vector<Schablonenzeichnung> Segmentbogen_aus_Maske(const Mainform& f);

// The leave and Enter handlers of the panels' input fields.
void E_SchablonenExit(Mainform& f);
void E_SchablonenKeyUp(Mainform& f, int taste);

} // namespace pelmark
