#pragma once
// The allowable support span of a line: the largest span on a grid of 1 m,
// then 0.1 m, then 0.01 m whose sag stays within 1/500 of the span, times the
// factor of the number of supports.

#include <cstdint>
#include <optional>

namespace pelmark {

// The search gives up here: a sag that never exceeds the limit (no load, a
// negative second moment of area or modulus) would otherwise search forever.
inline constexpr double Stuetzweite_Grenze = 10000.0; // m

// Second moment of area in cm⁴ of a tube D_cm x s_cm.
double Traegheitsmoment(double D_cm, double s_cm);

// Sag in cm of a span L in m under the load q in kg/cm.
double Durchbiegung(double L, double q, double e_Modul, double I);

// The span in m for Art 1 (two supports), 2 (three) or 3 (more); nothing when
// no span up to Stuetzweite_Grenze exceeds the sag limit.
std::optional<double> stuetzweite(std::int32_t Art, double D_cm, double s_cm, double q,
                                  double e_Modul);

} // namespace pelmark
