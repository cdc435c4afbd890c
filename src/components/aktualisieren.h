#pragma once
// The refresh of the dimension pages: pipes and fittings, flanges and
// bolting, valves, supports and the section picture.

#include "form/mainform.h"

namespace pelmark {

void Aktualisieren_Anzeige(Mainform& f);

// Dimensions, static values and weight of the selected steel section.
void Anzeige_Profilwerte(Mainform& f);

} // namespace pelmark
