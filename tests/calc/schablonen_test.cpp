// The cut templates checked against the geometry itself: every sampled point
// of a branch template, put back onto the branch, lies on the header (found by
// bisection along the branch's generator, not by the template's formula); the
// opening lies on the branch; the mitre cuts lie on the bisecting plane and
// the pieces walk round the arc to its end.
#include "calc/segmentbogen.h"
#include "calc/stutzen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace pelmark {
namespace {

constexpr double Toleranz = 0.01; // mm
constexpr double Grad = std::numbers::pi / 180;

struct Vektor {
    double x, y, z;
};
Vektor operator+(Vektor a, Vektor b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vektor operator*(double k, Vektor a) {
    return {k * a.x, k * a.y, k * a.z};
}
double Skalar(Vektor a, Vektor b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The branch's outside at phi, s along its axis from the point nearest the
// header's axis: header along x, branch axis in the x-z plane, offset along y.
Vektor Auf_dem_Stutzen(const Stutzenmasse& m, double phi, double s) {
    const double a = m.Winkel * Grad;
    const Vektor achse{std::cos(a), 0, std::sin(a)};
    const Vektor ferse{-std::sin(a), 0, std::cos(a)};
    const Vektor seite{0, 1, 0};
    return Vektor{0, m.Aussermitte, 0} + s * achse +
           (m.Da_Stutzen / 2) * (std::cos(phi) * ferse + std::sin(phi) * seite);
}

double Abstand_vom_Hauptrohr(const Stutzenmasse& m, Vektor p) {
    return std::hypot(p.y, p.z) - m.Da_Hauptrohr / 2;
}

// Coming down the generator from far outside, where it first meets the
// header: the first step inside, or the nearest approach when the generator
// only touches the header (a flank of equal sizes), then bisection.
double Eintritt(const Stutzenmasse& m, double phi) {
    const auto abstand = [&](double s) {
        return Abstand_vom_Hauptrohr(m, Auf_dem_Stutzen(m, phi, s));
    };
    const double schritt = m.Da_Stutzen / 50;
    double oben = 4 * m.Da_Hauptrohr;
    while (abstand(oben - schritt) > 0 && abstand(oben - schritt) < abstand(oben)) {
        oben -= schritt;
    }
    double unten = oben - schritt;
    if (abstand(unten) > 0) { // touching: the nearest point lies within two steps
        unten = oben - 2 * schritt;
        for (int i = 0; i < 200; ++i) {
            const double a = unten + (oben - unten) / 3;
            const double b = oben - (oben - unten) / 3;
            if (abstand(a) < abstand(b)) {
                oben = b;
            } else {
                unten = a;
            }
        }
        return (oben + unten) / 2;
    }
    for (int i = 0; i < 100; ++i) {
        const double mitte = (oben + unten) / 2;
        (abstand(mitte) > 0 ? oben : unten) = mitte;
    }
    return (oben + unten) / 2;
}

const Stutzenmasse Stutzenfaelle[] = {
    {60.3, 114.3, 90, 0, 16},    {114.3, 114.3, 90, 0, 12}, {60.3, 114.3, 60, 0, 24},
    {114.3, 114.3, 45, 0, 16},   {60.3, 114.3, 45, 20, 16}, {60.3, 114.3, 90, 27, 12},
    {168.3, 323.9, 60, -50, 24}, {33.7, 219.1, 30, 90, 16}, {219.1, 219.1, 60, 0, 12},
};

TEST(Stutzen, Jeder_Punkt_liegt_auf_dem_Hauptrohr) {
    for (const Stutzenmasse& m : Stutzenfaelle) {
        const auto e = Stutzen_berechnen(m);
        ASSERT_TRUE(e.Wert) << e.Grund;
        const Stutzen& s = *e.Wert;
        EXPECT_NEAR(s.Schablone.Laenge, std::numbers::pi * m.Da_Stutzen, 1e-9);
        ASSERT_EQ(s.Schablone.Zeilen.size(), static_cast<size_t>(m.Teilung));
        std::vector<Punkt2> proben;
        for (const Ordinate& o : s.Schablone.Zeilen) {
            EXPECT_NEAR(o.Bogen, o.Winkel * Grad * m.Da_Stutzen / 2, 1e-9);
            proben.push_back({o.Bogen, o.Tiefe});
        }
        for (size_t i = 0; i < s.Schablone.Kurve.size(); i += 13) {
            proben.push_back(s.Schablone.Kurve[i]);
        }
        double tiefster = 1e9;
        for (const Punkt2& p : proben) {
            const double phi = p.x / (m.Da_Stutzen / 2);
            const Vektor v = Auf_dem_Stutzen(m, phi, s.Ende + p.y);
            EXPECT_NEAR(Abstand_vom_Hauptrohr(m, v), 0, Toleranz) << m.Winkel << " " << phi;
            EXPECT_GT(v.z, -Toleranz);
            EXPECT_NEAR(s.Ende + p.y, Eintritt(m, phi), Toleranz) << m.Winkel << " " << phi;
            EXPECT_GT(p.y, -Toleranz);
        }
        for (int i = 0; i < 3600; ++i) {
            tiefster = std::min(tiefster, Eintritt(m, 2 * std::numbers::pi * i / 3600));
        }
        EXPECT_NEAR(s.Ende, tiefster, Toleranz) << "the depths start at the branch's end";
    }
}

TEST(Stutzen, Der_Ausschnitt_liegt_auf_dem_Stutzen) {
    for (const Stutzenmasse& m : Stutzenfaelle) {
        const auto e = Stutzen_berechnen(m);
        ASSERT_TRUE(e.Wert);
        const double R = m.Da_Hauptrohr / 2;
        const double a = m.Winkel * Grad;
        const Vektor achse{std::cos(a), 0, std::sin(a)};
        for (size_t i = 0; i < e.Wert->Ausschnitt.size(); i += 11) {
            const Punkt2 p = e.Wert->Ausschnitt[i];
            const Vektor v{p.y, R * std::sin(p.x / R), R * std::cos(p.x / R)};
            const Vektor zur_achse =
                v + (-1.0) * (Vektor{0, m.Aussermitte, 0} + Skalar(v, achse) * achse);
            EXPECT_NEAR(std::sqrt(Skalar(zur_achse, zur_achse)), m.Da_Stutzen / 2, Toleranz);
        }
    }
}

TEST(Stutzen, Unmoegliche_Eingaben_nennen_den_Grund) {
    struct Fall {
        Stutzenmasse Masse;
        const char* Grund;
    };
    const Fall faelle[] = {
        {{114.3, 60.3, 90, 0, 16}, "Stutzen größer als Hauptrohr"},
        {{60.3, 114.3, 90, 28, 16},
         "Außermittigkeit zu groß: der Stutzen trifft das Hauptrohr "
         "nicht ganz (höchstens 27,0 mm)"},
        {{60.3, 114.3, 90, -40, 16}, nullptr},
        {{60.3, 114.3, 29.9, 0, 16}, "Winkel außerhalb 30° bis 90°"},
        {{60.3, 114.3, 91, 0, 16}, "Winkel außerhalb 30° bis 90°"},
        {{60.3, 114.3, NAN, 0, 16}, "Winkel außerhalb 30° bis 90°"},
        {{0, 114.3, 90, 0, 16}, "Außendurchmesser fehlt"},
        {{60.3, 114.3, 90, 0, 10}, "Teilung 12, 16 oder 24"},
    };
    for (const Fall& f : faelle) {
        const auto e = Stutzen_berechnen(f.Masse);
        EXPECT_FALSE(e.Wert);
        if (f.Grund != nullptr) {
            EXPECT_EQ(e.Grund, f.Grund);
        } else {
            EXPECT_FALSE(e.Grund.empty());
        }
    }
}

TEST(Segmentbogen, Stuecke_nach_der_Handformel) {
    struct Fall {
        Segmentmasse Masse;
        double Schnitt, Ruecken, Kehle, Halb_Ruecken, Halb_Kehle;
    };
    const Fall faelle[] = {
        {{219.1, 304.8, 90, 4, 16}, 15.0, 222.05, 104.63, 111.02, 52.32},
        {{114.3, 152.4, 90, 3, 12}, 22.5, 173.60, 78.91, 86.80, 39.45},
        {{60.3, 76.2, 45, 2, 24}, 22.5, 0, 0, 44.05, 19.07},
        {{508, 762, 60, 5, 16}, 7.5, 267.52, 133.76, 133.76, 66.88},
    };
    for (const Fall& f : faelle) {
        const auto e = Segmentbogen_berechnen(f.Masse);
        ASSERT_TRUE(e.Wert) << e.Grund;
        const Segmentbogen& b = *e.Wert;
        EXPECT_DOUBLE_EQ(b.Schnittwinkel, f.Schnitt);
        ASSERT_EQ(b.Stuecke.size(), static_cast<size_t>(f.Masse.Teile));
        for (const Segmentstueck& s : b.Stuecke) {
            EXPECT_NEAR(s.Ruecken, s.Halb ? f.Halb_Ruecken : f.Ruecken, 0.006);
            EXPECT_NEAR(s.Kehle, s.Halb ? f.Halb_Kehle : f.Kehle, 0.006);
        }
        EXPECT_TRUE(b.Stuecke.front().Halb && b.Stuecke.back().Halb);
    }
}

// Walks the pieces along a line at distance abstand from the bend's centre
// (R on the centre line, R + Da/2 on the back): turning by the knick at each
// cut, it must end where the arc of that radius ends, at the total angle.
TEST(Segmentbogen, Stuecke_schliessen_den_Gesamtwinkel) {
    const Segmentmasse faelle[] = {{219.1, 304.8, 90, 4, 16},
                                   {114.3, 171.45, 45, 3, 12},
                                   {60.3, 228.6, 180, 8, 24},
                                   {323.9, 500, 30, 2, 16},
                                   {88.9, 133.35, 135, 6, 16}};
    for (const Segmentmasse& m : faelle) {
        const auto e = Segmentbogen_berechnen(m);
        ASSERT_TRUE(e.Wert) << e.Grund;
        const Segmentbogen& b = *e.Wert;
        EXPECT_NEAR(b.Knick * (m.Teile - 1), m.Winkel, 1e-9);
        const double W = m.Winkel * Grad;
        for (double seite : {-1.0, 0.0, 1.0}) {
            const double abstand = m.Radius + seite * m.Da / 2;
            double x = 0, y = 0, richtung = 0;
            for (size_t i = 0; i < b.Stuecke.size(); ++i) {
                const Segmentstueck& s = b.Stuecke[i];
                const double l = seite > 0 ? s.Ruecken : seite < 0 ? s.Kehle : s.Mitte;
                x += l * std::cos(richtung);
                y += l * std::sin(richtung);
                if (i + 1 < b.Stuecke.size()) {
                    richtung += b.Knick * Grad;
                }
            }
            EXPECT_NEAR(richtung, W, 1e-12);
            EXPECT_NEAR(x, abstand * std::sin(W), Toleranz) << m.Winkel << " " << seite;
            EXPECT_NEAR(y, abstand * (1 - std::cos(W)), Toleranz) << m.Winkel << " " << seite;
        }
    }
}

// The first piece runs along +x to the cut at the origin, the next leaves at
// the knick towards +y (the back lies at -y): each point of the template
// lies on the plane that halves the two directions.
TEST(Segmentbogen, Schnittkurve_liegt_in_der_Gehrungsebene) {
    const Segmentmasse faelle[] = {
        {219.1, 304.8, 90, 4, 16}, {60.3, 76.2, 90, 2, 12}, {508, 762, 60, 5, 24}};
    for (const Segmentmasse& m : faelle) {
        const auto e = Segmentbogen_berechnen(m);
        ASSERT_TRUE(e.Wert);
        const double k = e.Wert->Knick * Grad;
        const Vektor d1{1, 0, 0};
        const Vektor d2{std::cos(k), std::sin(k), 0};
        const Vektor n = (1 / std::sqrt(2 + 2 * std::cos(k))) * (d1 + d2);
        const double r = m.Da / 2;
        const Vektor ruecken_ende = r * Vektor{0, -1, 0};
        const double x_ruecken = -Skalar(ruecken_ende, n) / Skalar(d1, n);
        for (const Punkt2& p : e.Wert->Schablone.Kurve) {
            const double phi = p.x / r;
            const Vektor v = (x_ruecken - p.y) * d1 + r * (std::cos(phi) * Vektor{0, -1, 0} +
                                                           std::sin(phi) * Vektor{0, 0, 1});
            EXPECT_NEAR(Skalar(v, n), 0, Toleranz);
        }
    }
}

TEST(Segmentbogen, Unmoegliche_Eingaben_nennen_den_Grund) {
    struct Fall {
        Segmentmasse Masse;
        const char* Grund;
    };
    const Fall faelle[] = {
        {{219.1, 304.8, 90, 1, 16}, "Teile 2 bis 8"},
        {{219.1, 304.8, 90, 9, 16}, "Teile 2 bis 8"},
        {{219.1, 304.8, 0, 4, 16}, "Winkel über 0° bis 180°"},
        {{219.1, 304.8, 181, 4, 16}, "Winkel über 0° bis 180°"},
        {{219.1, 109.55, 90, 4, 16}, "Radius nicht größer als der halbe Außendurchmesser"},
        {{-1, 304.8, 90, 4, 16}, "Außendurchmesser fehlt"},
        {{219.1, 304.8, 90, 4, 8}, "Teilung 12, 16 oder 24"},
    };
    for (const Fall& f : faelle) {
        const auto e = Segmentbogen_berechnen(f.Masse);
        EXPECT_FALSE(e.Wert);
        EXPECT_EQ(e.Grund, f.Grund);
    }
}

} // namespace
} // namespace pelmark
