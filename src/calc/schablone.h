#pragma once
// What the two cut templates share: a curve developed onto a pipe's outside
// (x the arc length around the pipe, y the depth from the pipe's square end,
// both in mm) and the ordinate table a fitter marks by hand from, one row per
// equal division of the circumference. A template that cannot be built says
// why instead.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmark {

struct Punkt2 {
    double x = 0;
    double y = 0;
};

struct Ordinate {
    int Teilung = 0;   // 0 .. n-1
    double Winkel = 0; // degrees around the pipe from division 0
    double Bogen = 0;  // arc length on the outside, mm
    double Tiefe = 0;  // depth from the pipe's square end, mm
};

struct Abwicklung {
    double Laenge = 0;         // the developed length, pi * Da
    double Hoehe = 0;          // the largest depth
    std::vector<Punkt2> Kurve; // the cut line from 0 to Laenge
    std::vector<Ordinate> Zeilen;
};

template <typename T> struct Ergebnis {
    std::optional<T> Wert;
    std::string Grund; // why there is no value; empty when there is one
};

inline constexpr int Kurvenpunkte = 720; // points of a developed curve, its end included

// 12, 16 or 24.
bool Teilung_erlaubt(int teilung);

// Develops depth(phi) (phi in radians, 0 .. 2 pi) onto a pipe of outside
// diameter da: the curve and the ordinates for the number of divisions.
Abwicklung Abwickeln(double da, int teilung, const std::function<double(double)>& tiefe);

// "12, 16 oder 24": the reason for a division count that is not allowed.
std::string Teilung_Grund();

} // namespace pelmark
