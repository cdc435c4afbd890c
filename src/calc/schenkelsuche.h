#pragma once
// The leg searches of the expansion bends. The L and Z bends search the least
// bending leg downward from the greatest one in passes of 10⁶ down to 1 mm;
// the U loop searches its least height upward in passes of 100, 10 and 1 mm
// up to 10⁹ mm. Each search exists twice: stepping exactly as described, and
// jumping over the steps whose outcome is certain (far from the point where
// the allowable and the required force meet) and then stepping. Both give
// the same bits; the jumping one answers at once even for a loop that no
// height satisfies.

#include "calc/dehnung.h"

namespace pelmark {

inline constexpr double U_Grenze = 1e9; // mm

// The least leg (mm) that still takes up the growth delta, from x = Lmax down.
double Lmin_suchen(const Biegeschenkel& s, double delta, double Lmax);
double Lmin_suchen_schrittweise(const Biegeschenkel& s, double delta, double Lmax);

// The least loop height (mm) whose allowable force exceeds the required one;
// U_Grenze or more when there is none.
double U_Hoehe_suchen(const Biegeschenkel& s, double delta);
double U_Hoehe_suchen_schrittweise(const Biegeschenkel& s, double delta);

} // namespace pelmark
