#pragma once
// The flow panel: flow rate, inner diameter and velocity of a full pipe. A
// change of one field recomputes at most one of the other two, as the "Fix"
// buttons allow:
//
//   E_Menge, E_Innendurchmesser, E_Geschwindigkeit (each read afresh)
//     --> decision by the edited field and RB_Q / RB_Id / RB_W
//     --> one formula --> one other field, two decimals

#include "form/mainform.h"

namespace pelmark {

// Velocity in m/s from the flow Q in m³/s and the cross-section A in m².
double Geschwindigkeit_rechnen(double Q, double A);

// Inner diameter in mm from the flow Q in m³/s and the velocity w in m/s.
double Innendurchmesser_rechnen(double Q, double w);

// Flow rate in m³/h from the cross-section A in m² and the velocity w in m/s.
double Menge_rechnen(double A, double w);

// Cross-section in m² of the inner diameter d in mm.
double Querschnitt_rechnen(double d);

enum class Durchflussfeld { Menge, Innendurchmesser, Geschwindigkeit };

// The leave handler of the edited field (also run on every key release).
void Durchfluss_rechnen(Mainform& f, Durchflussfeld geaendert);

} // namespace pelmark
