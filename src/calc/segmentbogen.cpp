// The cut angles, piece lengths and cut template of a mitred bend.
#include "calc/segmentbogen.h"

#include <cmath>
#include <numbers>

namespace pelmark {

namespace {

constexpr double Grad = std::numbers::pi / 180;

std::string Fehlergrund(const Segmentmasse& m) {
    if (!(m.Da > 0)) {
        return "Außendurchmesser fehlt";
    }
    if (m.Teile < Segmentteile_min || m.Teile > Segmentteile_max) {
        return "Teile 2 bis 8";
    }
    if (!(m.Winkel > 0 && m.Winkel <= Segmentwinkel_max)) {
        return "Winkel über 0° bis 180°";
    }
    if (!(m.Radius > m.Da / 2)) {
        return "Radius nicht größer als der halbe Außendurchmesser";
    }
    if (!Teilung_erlaubt(m.Teilung)) {
        return Teilung_Grund();
    }
    return {};
}

} // namespace

Ergebnis<Segmentbogen> Segmentbogen_berechnen(const Segmentmasse& m) {
    if (std::string grund = Fehlergrund(m); !grund.empty()) {
        return {std::nullopt, std::move(grund)};
    }
    Segmentbogen b;
    b.Masse = m;
    b.Knick = m.Winkel / (m.Teile - 1);
    b.Schnittwinkel = b.Knick / 2;
    const double t = std::tan(b.Schnittwinkel * Grad);
    const double r = m.Da / 2;
    for (int i = 0; i < m.Teile; ++i) {
        const bool halb = i == 0 || i == m.Teile - 1;
        const double faktor = halb ? t : 2 * t;
        b.Stuecke.push_back(
            {halb, (m.Radius + r) * faktor, (m.Radius - r) * faktor, m.Radius * faktor});
    }
    b.Schablone =
        Abwickeln(m.Da, m.Teilung, [r, t](double phi) { return r * t * (1 - std::cos(phi)); });
    return {std::move(b), {}};
}

} // namespace pelmark
