#pragma once
// A mitred bend ("Segmentbogen"): the bend of radius R (to the centre line)
// and total angle built from straight pieces, the two end pieces being half
// pieces. With n pieces there are n - 1 cuts; each turns the line by
// angle / (n - 1), so each cut stands at half of that against the pipe's
// square section. A full piece is 2 (R +- Da/2) tan(turn/2) long on its back,
// throat and centre line, a half piece half of that, so the centre lines form
// the polygon round the arc that touches it at both ends.

#include "calc/schablone.h"

namespace pelmark {

struct Segmentmasse {
    double Da = 0;      // mm
    double Radius = 0;  // bend radius to the centre line, mm
    double Winkel = 90; // total angle, above 0 up to 180 degrees
    int Teile = 4;      // 2 .. 8
    int Teilung = 16;
    bool operator==(const Segmentmasse&) const = default;
};

inline constexpr int Segmentteile_min = 2;
inline constexpr int Segmentteile_max = 8;
inline constexpr double Segmentwinkel_max = 180;

struct Segmentstueck {
    bool Halb = false;
    double Ruecken = 0; // length on the back (outside of the bend), mm
    double Kehle = 0;   // length on the throat (inside), mm
    double Mitte = 0;   // length on the centre line, mm
};

struct Segmentbogen {
    Segmentmasse Masse;
    double Knick = 0;                   // the turn at each cut, degrees
    double Schnittwinkel = 0;           // each cut against the square section, degrees
    std::vector<Segmentstueck> Stuecke; // from one end to the other
    // The cut curve on the pipe: division 0 on the back, the depth measured
    // from the back's end, the deepest point at the throat.
    Abwicklung Schablone;
};

// The bend, or why it cannot be built (pieces, angle or radius out of range).
Ergebnis<Segmentbogen> Segmentbogen_berechnen(const Segmentmasse& m);

} // namespace pelmark
