#pragma once
// Interpolation, the tangent in degrees and fractional inch texts.

#include "store/zahlen.h"

#include <string_view>

namespace pelmark {

// (Ausgabe_oben - Ausgabe_unten) * (Eingabe_mitte - Eingabe_unten)
// / (Eingabe_oben - Eingabe_unten) + Ausgabe_unten; 0 on any floating-point fault.
Extended Interpoliere_Linear(Extended Eingabe_oben, Extended Eingabe_mitte, Extended Eingabe_unten,
                             Extended Ausgabe_oben, Extended Ausgabe_unten);

// tan(grad * pi/180).
Extended Tangens(Extended grad);

// Whole-and-fraction inch text ("1 1/2") in inches; -1 when unreadable.
// A zero divisor gives -1 as well.
Extended Zoll_in_mm(std::string_view Zollwert);

} // namespace pelmark
