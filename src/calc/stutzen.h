#pragma once
// A branch set onto a header ("Stutzen"): the branch's outer surface cut
// where it meets the header's outer surface. The header's axis is x; the
// branch's axis leans in the x-z plane at the angle to the header's axis and
// passes the header's axis at the offset (y). Around the branch, division 0
// lies on the obtuse side in the plane of the axes (the heel), 90° towards the
// offset. The template's depth is measured from the branch's square end, the
// point of the cut that reaches deepest into the header.

#include "calc/schablone.h"

namespace pelmark {

struct Stutzenmasse {
    double Da_Stutzen = 0;   // mm
    double Da_Hauptrohr = 0; // mm
    double Winkel = 90;      // between the axes, 30 .. 90 degrees
    double Aussermitte = 0;  // offset of the branch axis from the header axis, mm
    int Teilung = 16;
    bool operator==(const Stutzenmasse&) const = default;
};

inline constexpr double Stutzenwinkel_min = 30;
inline constexpr double Stutzenwinkel_max = 90;

struct Stutzen {
    Stutzenmasse Masse;
    // Where the branch's square end lies on its axis, measured from the point
    // nearest the header's axis (mm); the template's depths start there.
    double Ende = 0;
    Abwicklung Schablone; // on the branch, length pi * Da_Stutzen
    // The opening in the header, developed onto the header: x the arc from the
    // header's top towards the offset, y along the header's axis (mm).
    std::vector<Punkt2> Ausschnitt;
};

// The template, or why it cannot be built (branch larger than the header, an
// offset that lets the branch miss the header, an angle out of range).
Ergebnis<Stutzen> Stutzen_berechnen(const Stutzenmasse& m);

// Where the cut lies on the branch's axis at phi (radians), mm from the point
// nearest the header's axis; m must be valid.
double Stutzen_Achslage(const Stutzenmasse& m, double phi);

// The largest offset at which the whole branch still meets the header.
double Aussermitte_hoechstens(const Stutzenmasse& m);

} // namespace pelmark
