#pragma once
// The centre distance of two parallel lines and the insulation thickness
// lookups of the design-data page. The distance is whole millimetres: the
// line with the larger envelope (flange radius plus insulation) contributes
// that envelope, the other its pipe radius plus its insulation, with 50 mm
// clearance between them. The sums are taken in 64 bits, so none wraps; an
// insulation below 0 or beyond what can be built gives no distance.

#include "form/mainform.h"

#include <cstdint>
#include <optional>

namespace pelmark {

inline constexpr std::int32_t Abstand_Luft = 50;            // mm
inline constexpr std::int32_t Isolierung_hoechstens = 1000; // mm

struct Leitungsmasse {
    double DA = 0;        // pipe outside diameter, mm
    std::int32_t DF = 0;  // flange outside diameter, whole mm
    std::int32_t iso = 0; // insulation, whole mm
};

// Half of the value, rounded to the nearest whole number, halves to even.
std::int32_t Halb_gerundet(double wert);

// Centre distance in the plant; on a pipe bridge it is 50 mm more. None when
// an insulation lies outside 0 .. Isolierung_hoechstens.
std::optional<std::int64_t> Leitungsabstand(const Leitungsmasse& l1, const Leitungsmasse& l2);

// Steps 1 and 2 of the design-data display: E_Abstand_Anlage, E_Abstand_RBR,
// E_Isolierstaerke and E_Beruehrungsschutzisolierung.
void Abstand_und_Isolierung_zeigen(Mainform& f);

// The cells and the rule behind the two distances.
void Abstand_Herkunft(Mainform& f);

// The insulation thicknesses for the size and temperature chosen. The tables
// have one row per DIN size: an NPS reads the row of its DIN size, "-" when
// there is none.
void Daemmdicken_zeigen(Mainform& f);

} // namespace pelmark
