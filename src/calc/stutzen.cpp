// The intersection of two cylinders, developed onto the branch and the header.
#include "calc/stutzen.h"

#include "store/zahlen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelmark {

namespace {

constexpr double Grad = std::numbers::pi / 180;

std::string Mm(double wert) {
    return Festkomma(wert, 1, ',') + " mm";
}

std::string Fehlergrund(const Stutzenmasse& m) {
    if (!(m.Da_Stutzen > 0) || !(m.Da_Hauptrohr > 0)) {
        return "Außendurchmesser fehlt";
    }
    if (m.Da_Stutzen > m.Da_Hauptrohr) {
        return "Stutzen größer als Hauptrohr";
    }
    if (!(m.Winkel >= Stutzenwinkel_min && m.Winkel <= Stutzenwinkel_max)) {
        return "Winkel außerhalb 30° bis 90°";
    }
    if (!(std::abs(m.Aussermitte) <= Aussermitte_hoechstens(m))) {
        return "Außermittigkeit zu groß: der Stutzen trifft das Hauptrohr nicht ganz "
               "(höchstens " +
               Mm(Aussermitte_hoechstens(m)) + ")";
    }
    if (!Teilung_erlaubt(m.Teilung)) {
        return Teilung_Grund();
    }
    return {};
}

struct Punkt3 {
    double x, y, z;
};

// The two pipes' measures as the curve needs them at every point; the
// branch's angle is taken by its sine and cosine once, not at each point.
struct Geometrie {
    explicit Geometrie(const Stutzenmasse& m)
        : R(m.Da_Hauptrohr / 2), r(m.Da_Stutzen / 2), e(m.Aussermitte),
          sin_a(std::sin(m.Winkel * Grad)), cos_a(std::cos(m.Winkel * Grad)) {}

    // The axial position of the cut at phi around the branch.
    double Achslage(double phi) const {
        const double y = e + r * std::sin(phi);
        const double z = std::sqrt(std::max(0.0, R * R - y * y));
        return (z - r * std::cos(phi) * cos_a) / sin_a;
    }

    // The point of the branch's outside at phi and axial position s.
    Punkt3 Mantelpunkt(double phi, double s) const {
        return {s * cos_a - r * std::cos(phi) * sin_a, e + r * std::sin(phi),
                s * sin_a + r * std::cos(phi) * cos_a};
    }

    double R, r, e, sin_a, cos_a;
};

// The smallest axial position of the cut: sampled, then narrowed by golden
// section around the lowest sample.
double Tiefster_Punkt(const Geometrie& g) {
    const auto lage = [&g](double phi) { return g.Achslage(phi); };
    constexpr int Proben = 720;
    const double schritt = 2 * std::numbers::pi / Proben;
    int bester = 0;
    double tiefste = lage(0);
    for (int i = 1; i < Proben; ++i) {
        if (const double l = lage(i * schritt); l < tiefste) {
            bester = i;
            tiefste = l;
        }
    }
    double a = (bester - 1) * schritt;
    double b = (bester + 1) * schritt;
    const double gold = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 80; ++i) {
        const double c = b - gold * (b - a);
        const double d = a + gold * (b - a);
        if (lage(c) < lage(d)) {
            b = d;
        } else {
            a = c;
        }
    }
    return std::min(lage((a + b) / 2), tiefste);
}

} // namespace

double Aussermitte_hoechstens(const Stutzenmasse& m) {
    return std::max(0.0, (m.Da_Hauptrohr - m.Da_Stutzen) / 2);
}

double Stutzen_Achslage(const Stutzenmasse& m, double phi) {
    return Geometrie(m).Achslage(phi);
}

Ergebnis<Stutzen> Stutzen_berechnen(const Stutzenmasse& m) {
    if (std::string grund = Fehlergrund(m); !grund.empty()) {
        return {std::nullopt, std::move(grund)};
    }
    const Geometrie g(m);
    Stutzen s{m, Tiefster_Punkt(g), {}, {}};
    const double ende = s.Ende;
    s.Schablone = Abwickeln(m.Da_Stutzen, m.Teilung,
                            [&g, ende](double phi) { return g.Achslage(phi) - ende; });
    for (const Punkt2& k : s.Schablone.Kurve) {
        const double phi = k.x / (m.Da_Stutzen / 2);
        const Punkt3 p = g.Mantelpunkt(phi, g.Achslage(phi));
        s.Ausschnitt.push_back({m.Da_Hauptrohr / 2 * std::atan2(p.y, p.z), p.x});
    }
    return {std::move(s), {}};
}

} // namespace pelmark
