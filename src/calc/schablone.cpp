// Developing a cut curve onto the pipe's outside and tabulating it.
#include "calc/schablone.h"

#include <algorithm>
#include <numbers>

namespace pelmark {

bool Teilung_erlaubt(int teilung) {
    return teilung == 12 || teilung == 16 || teilung == 24;
}

std::string Teilung_Grund() {
    return "Teilung 12, 16 oder 24";
}

Abwicklung Abwickeln(double da, int teilung, const std::function<double(double)>& tiefe) {
    constexpr double pi = std::numbers::pi;
    Abwicklung a;
    a.Laenge = pi * da;
    a.Kurve.reserve(Kurvenpunkte);
    for (int i = 0; i < Kurvenpunkte; ++i) {
        const double phi = 2 * pi * i / (Kurvenpunkte - 1);
        a.Kurve.push_back({da / 2 * phi, tiefe(phi)});
        a.Hoehe = std::max(a.Hoehe, a.Kurve.back().y);
    }
    for (int i = 0; i < teilung; ++i) {
        const double phi = 2 * pi * i / teilung;
        a.Zeilen.push_back({i, 360.0 * i / teilung, da / 2 * phi, tiefe(phi)});
        a.Hoehe = std::max(a.Hoehe, a.Zeilen.back().Tiefe);
    }
    return a;
}

} // namespace pelmark
