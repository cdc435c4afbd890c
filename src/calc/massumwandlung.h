#pragma once
// The unit-conversion page: the three lists rebuilt from the positions, and
// the amount converted by the units' factors (with the °C/°F offsets).

#include "form/mainform.h"

namespace pelmark {

void Anzeige_Massumwandlung(Mainform& f);

} // namespace pelmark
