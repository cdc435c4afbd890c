// Worked offsets, computed by hand from the shipped radii (DIN "Bauart 3 (3d)",
// ANSI "LR (1,5D)"): travel H / sin α, run H / tan α, take-out R · tan(α/2),
// cut length travel − 2 · take-out − 2 · gap.
#include "calc/etage.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

constexpr double kein = -1; // the case expects no value

void Pruefe(const Mass& m, double erwartet, const char* name) {
    if (erwartet == kein) {
        EXPECT_FALSE(m.Da()) << name;
        EXPECT_FALSE(m.Grund.empty()) << name;
    } else {
        ASSERT_TRUE(m.Da()) << name << ": " << m.Grund;
        EXPECT_NEAR(*m.Wert, erwartet, 0.001) << name;
    }
}

TEST(Etage, Durchgerechnete_Beispiele) {
    struct Fall {
        const char* Name;
        bool Fest; // the run is fixed, α follows
        double H, S, Winkel, Laenge, Spalt, R;
        double T, Dreh, Alpha, Schraeg, Lauf, Abzug, Zuschnitt, Kleinster;
    };
    const Fall faelle[] = {
        // 500 · √2 = 707,107; 152,5 · (√2 − 1) = 63,168
        {"DIN DN 100, 45°", false, 500, 0, 45, 0, 0, 152.5, //
         500, 0, 45, 707.107, 500, 63.168, 580.772, 89.332},
        // 500 / sin 30° = 1000; 500 · √3 = 866,025; 152,5 · tan 15° = 40,862
        {"DIN DN 100, 30°", false, 500, 0, 30, 0, 0, 152.5, //
         500, 0, 30, 1000, 866.025, 40.862, 918.275, 40.862},
        // 300 · √2 = 424,264; 76 · 0,414214 = 31,480; two gaps of 3 mm
        {"DIN DN 50, 45°, Spalt 3", false, 300, 0, 45, 0, 3, 76, //
         300, 0, 45, 424.264, 300, 31.480, 355.304, 48.762},
        {"DIN DN 50, 30°", false, 300, 0, 30, 0, 0, 76, //
         300, 0, 30, 600, 519.615, 20.364, 559.272, 20.364},
        {"ANSI 4\", 45°", false, 500, 0, 45, 0, 0, 152, //
         500, 0, 45, 707.107, 500, 62.960, 581.186, 89.040},
        {"ANSI 4\", 30°", false, 500, 0, 30, 0, 0, 152, //
         500, 0, 30, 1000, 866.025, 40.728, 918.543, 40.728},
        // tan α = 500 / 1000: α = 26,565°, travel √(500² + 1000²) = 1118,034,
        // tan(α/2) = (√5 − 1) / (2 · 1,618…) = 0,236068, take-out 36,000
        {"Laenge fest", true, 500, 0, 0, 1000, 0, 152.5, //
         500, 0, 26.565, 1118.034, 1000, 36, 1046.034, 32.2},
        // √(300² + 400²) = 500, turned atan(400 / 300) = 53,130° from the vertical
        {"Raumetage", false, 300, 400, 45, 0, 0, 152.5, //
         500, 53.130, 45, 707.107, 500, 63.168, 580.772, 89.332},
        // 90°: travel = offset, run 0, take-out R
        {"90 Grad", false, 500, 0, 90, 0, 0, 152.5, //
         500, 0, 90, 500, 0, 152.5, 195, 305},
        // 50 · √2 = 70,711 < 2 · 63,168: smallest offset 126,335 · sin 45° = 89,332
        {"Versatz zu klein", false, 50, 0, 45, 0, 0, 152.5, //
         50, 0, 45, 70.711, 50, 63.168, kein, 89.332},
        {"Versatz 0: gerade", false, 0, 0, 45, 0, 0, 152.5, //
         0, kein, 45, 0, 0, 63.168, kein, 89.332},
        {"Winkel 0", false, 500, 0, 0, 0, 0, 152.5, //
         500, 0, kein, kein, kein, kein, kein, kein},
        {"Winkel 91", false, 500, 0, 91, 0, 0, 152.5, //
         500, 0, kein, kein, kein, kein, kein, kein},
        {"Laenge fest 0", true, 500, 0, 0, 0, 0, 152.5, //
         500, 0, kein, kein, kein, kein, kein, kein},
        {"Laenge fest ohne Versatz", true, 0, 0, 0, 800, 0, 152.5, //
         0, kein, kein, kein, kein, kein, kein, kein},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        Etageneingabe e;
        e.Versatz = Mass::Mit(f.H);
        e.Seitenversatz = Mass::Mit(f.S);
        e.Laenge_fest = f.Fest;
        e.Winkel = Mass::Mit(f.Winkel);
        e.Laenge = Mass::Mit(f.Laenge);
        e.Spalt = Mass::Mit(f.Spalt);
        e.Radius = Mass::Mit(f.R);
        const Etagenergebnis r = Etage_rechnen(e);
        Pruefe(r.Wahrer_Versatz, f.T, "T");
        Pruefe(r.Drehwinkel, f.Dreh, "Drehwinkel");
        Pruefe(r.Winkel, f.Alpha, "Winkel");
        Pruefe(r.Schraeglaenge, f.Schraeg, "Schraeglaenge");
        Pruefe(r.Lauf, f.Lauf, "Lauf");
        Pruefe(r.Abzug, f.Abzug, "Abzug");
        Pruefe(r.Zuschnitt, f.Zuschnitt, "Zuschnitt");
        Pruefe(r.Kleinster_Versatz, f.Kleinster, "Kleinster Versatz");
    }
}

TEST(Etage, Fehlende_Eingabe_gibt_ihren_Grund_weiter) {
    Etageneingabe e{Mass::Ohne("Versatz nicht lesbar"),
                    Mass::Mit(0),
                    false,
                    Mass::Mit(45),
                    Mass::Mit(0),
                    Mass::Mit(0),
                    Mass::Ohne("Radius fehlt")};
    const Etagenergebnis r = Etage_rechnen(e);
    EXPECT_EQ(r.Zuschnitt.Grund, "Radius fehlt");
    EXPECT_EQ(r.Schraeglaenge.Grund, "Versatz nicht lesbar");
    EXPECT_EQ(Nicht_negativ(Mass::Mit(-1), "Der Versatz").Grund,
              "Der Versatz darf nicht negativ sein");
    e.Versatz = Mass::Mit(1.5e308);
    e.Seitenversatz = Mass::Mit(1.5e308);
    EXPECT_EQ(Etage_rechnen(e).Wahrer_Versatz.Grund, "Der Wert ist zu groß");
}

// DIN DN 100, R 152,5, Da 114,3 cut to 32° (0,558505 rad): back 209,65 ·
// 0,558505, throat 95,35 · 0,558505, centre 152,5 · 0,558505, 152,5 · tan 16°.
TEST(Etage, Bogen_kuerzen) {
    struct Fall {
        const char* Name;
        double R, Da, Winkel;
        double Ruecken, Kehle, Mitte, Abzug;
    };
    const Fall faelle[] = {
        {"32 Grad", 152.5, 114.3, 32, 117.091, 53.253, 85.172, 43.729},
        {"90 Grad", 100, 50, 90, 196.350, 117.810, 157.080, 100},
        {"Radius kleiner Da/2", 20, 60.3, 45, 39.388, kein, 15.708, 8.284},
        {"Winkel 0", 152.5, 114.3, 0, kein, kein, kein, kein},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        const Kuerzung k = Bogen_kuerzen(Mass::Mit(f.R), Mass::Mit(f.Da), Mass::Mit(f.Winkel));
        Pruefe(k.Ruecken, f.Ruecken, "Ruecken");
        Pruefe(k.Kehle, f.Kehle, "Kehle");
        Pruefe(k.Mitte, f.Mitte, "Mitte");
        Pruefe(k.Abzug, f.Abzug, "Abzug");
    }
}

} // namespace
} // namespace pelmark
