// Expansion formulas and the leg searches: the worked example of a pipe
// 60,3 x 2,9, and the jumping searches against the stepping ones over a sweep
// of inputs, bit for bit.
#include "calc/dehnung.h"
#include "calc/schenkelsuche.h"
#include "store/zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace pelmark {
namespace {

constexpr Ausdehnung Stahl{12, 0.01};

std::string Zwei(double wert) {
    return Festkomma(wert, 2, ',');
}

// The leg of a pipe D x s (mm) with the modulus E and the yield strength.
Biegeschenkel Schenkel(double D, double s, double E, double SigmaE) {
    const double Id = D - 2 * s;
    const double ring = D * D * D * D - Id * Id * Id * Id;
    return {0.098174770424681038704 * ring / D / 1000, 0.049087385212340519352 * ring / 10000, E,
            SigmaE / 1.75};
}

bool Gleiche_Bits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Rohrdehnung, Mittlerer_Beiwert_und_Umkehrung) {
    // From an installation temperature T0 the growth is that from 20 °C to T
    // less that from 20 °C to T0.
    struct Fall {
        double L, T, T0;
        const char* Dehnung;
    };
    const Fall faelle[] = {
        {10000, 120, 20, "12,50"},  {5000, 120, 20, "6,25"},     {10000, 21, 20, "0,12"},
        {10000, 20, 20, "0,00"},    {-10000, 120, 20, "-12,50"}, {10000, 120, 0, "14,88"},
        {10000, 220, 120, "13,50"},
    };
    for (const auto& f : faelle) {
        const double dL = Berechnen_Rohrdehnung(f.L, f.T, Stahl, f.T0);
        EXPECT_EQ(Zwei(dL), f.Dehnung) << f.L << " " << f.T << " " << f.T0;
        if (f.T != f.T0) {
            EXPECT_NEAR(Berechnen_Laenge_aus_Dehnung(dL, f.T, Stahl, f.T0), f.L,
                        1e-9 * std::fabs(f.L));
        }
    }
}

TEST(Schenkelsuche, Beispiel_L_Bogen_und_U_Bogen) {
    const Biegeschenkel s = Schenkel(60.3, 2.9, 210000, 235);
    struct Fall {
        double L1;
        const char *Lmax, *Lmin;
    };
    const Fall faelle[] = {{5000, "141,39", "0,94"}, {1000, "5,66", "0,42"}};
    for (const auto& f : faelle) {
        const double dmax = Fmax(s, f.L1) * (f.L1 * f.L1 * f.L1) / (3 * s.E * s.I) / 10000;
        const double Lmax = Berechnen_Laenge_aus_Dehnung(dmax, 120, Stahl);
        const double delta = Berechnen_Rohrdehnung(f.L1, 120, Stahl);
        EXPECT_EQ(Zwei(Lmax / 1000), f.Lmax);
        EXPECT_EQ(Zwei(Lmin_suchen(s, delta, Lmax) / 1000), f.Lmin);
    }
    const double delta = Berechnen_Rohrdehnung(10000, 120, Stahl);
    EXPECT_EQ(U_Hoehe_suchen(s, delta), 1330);
}

TEST(Schenkelsuche, Ohne_Streckgrenze_ist_keine_Schlaufe_lang_genug) {
    const Biegeschenkel s = Schenkel(60.3, 2.9, 210000, 0);
    const double delta = Berechnen_Rohrdehnung(10000, 120, Stahl);
    EXPECT_EQ(U_Hoehe_suchen(s, delta), U_Grenze);
    EXPECT_EQ(U_Hoehe_suchen_schrittweise(s, delta), U_Grenze);
}

// Pipes, materials, temperatures and lengths: the jumping U search gives the
// same bits as the stepping one.
TEST(Schenkelsuche, U_Bogen_springend_wie_schrittweise) {
    const double rohre[][2] = {{21.3, 2}, {60.3, 2.9}, {168.3, 4.5}, {508, 6.3}, {60.3, 0.001}};
    // Loops that no height satisfies take 10⁷ plain steps each: the sweep
    // holds three of them (negative stress, or negative growth with it).
    const double sigmas[] = {235, 1, 0.05};
    const double laengen[] = {1, 37, 500, 10000, 250000, 1000000, -5000};
    int verglichen = 0;
    for (const auto& rohr : rohre) {
        for (double sigma : sigmas) {
            const Biegeschenkel s = Schenkel(rohr[0], rohr[1], 210000, sigma);
            for (double U : laengen) {
                const double delta = Berechnen_Rohrdehnung(U, 300, Stahl);
                const double schnell = U_Hoehe_suchen(s, delta);
                const double langsam = U_Hoehe_suchen_schrittweise(s, delta);
                EXPECT_TRUE(Gleiche_Bits(schnell, langsam))
                    << rohr[0] << "x" << rohr[1] << " sigma " << sigma << " U " << U << ": "
                    << schnell << " / " << langsam;
                ++verglichen;
            }
        }
    }
    EXPECT_EQ(verglichen, 105);
    const Biegeschenkel negativ = Schenkel(60.3, 2.9, 210000, -235);
    for (double U : {10000.0, -10000.0, 1.0}) {
        const double delta = Berechnen_Rohrdehnung(U, 120, Stahl);
        EXPECT_TRUE(Gleiche_Bits(U_Hoehe_suchen(negativ, delta),
                                 U_Hoehe_suchen_schrittweise(negativ, delta)))
            << "U " << U;
    }
}

// Legs from 1 mm to 1000 m, also negative, at several temperatures.
TEST(Schenkelsuche, L_Bogen_springend_wie_schrittweise) {
    const double rohre[][2] = {{21.3, 2}, {60.3, 2.9}, {323.9, 7.1}, {60.3, 0.001}};
    const double sigmas[] = {235, 3, -235};
    const double laengen[] = {1, 999, 5000, 77777.7, 1000000, -5000};
    const double temperaturen[] = {21, 120, 550};
    int verglichen = 0;
    for (const auto& rohr : rohre) {
        for (double sigma : sigmas) {
            const Biegeschenkel s = Schenkel(rohr[0], rohr[1], 210000, sigma);
            for (double L1 : laengen) {
                for (double T : temperaturen) {
                    const double dmax = Fmax(s, L1) * (L1 * L1 * L1) / (3 * s.E * s.I) / 10000;
                    const double Lmax = Berechnen_Laenge_aus_Dehnung(dmax, T, Stahl);
                    const double delta = Berechnen_Rohrdehnung(L1, T, Stahl);
                    const double schnell = Lmin_suchen(s, delta, Lmax);
                    const double langsam = Lmin_suchen_schrittweise(s, delta, Lmax);
                    EXPECT_TRUE(Gleiche_Bits(schnell, langsam))
                        << rohr[0] << " sigma " << sigma << " L1 " << L1 << " T " << T << ": "
                        << schnell << " / " << langsam;
                    ++verglichen;
                }
            }
        }
    }
    EXPECT_EQ(verglichen, 216);
}

} // namespace
} // namespace pelmark
