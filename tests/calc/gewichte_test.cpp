// Masses, wind loads, the resultant load and the support spans of a line,
// checked on the shown two decimals.
#include "calc/gewichte.h"
#include "calc/stuetzweite.h"
#include "store/fehler.h"
#include "store/zahlen.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace pelmark {
namespace {

std::string Zwei(double wert) {
    return Festkomma(wert, 2, ',');
}

struct Massenfall {
    const char* Name;
    double D, s, t, gamma, Gamma_Rohr;
    const char *Leitung, *Fuellung, *Isolierung, *Summe;
};

TEST(Gewichte, Massen_je_Meter) {
    const Massenfall faelle[] = {
        {"Beispiel 60,3 x 2,9", 60.3, 2.9, 40, 1, 7.85, "4,11", "2,33", "3,74", "10,18"},
        {"ohne Isolierung", 60.3, 2.9, 0, 1, 7.85, "4,11", "2,33", "0,53", "6,97"},
        {"Wanddicke als Ersatz 0,1", 60.3, 0.1, 40, 1, 7.85, "0,15", "2,84", "3,74", "6,73"},
        {"Fuellung 0,8", 60.3, 2.9, 40, 0.8, 7.85, "4,11", "1,87", "3,74", "9,71"},
        {"Edelstahl 7,9", 114.3, 2, 0, 1, 7.9, "5,57", "9,56", "1,00", "16,13"},
    };
    for (const auto& f : faelle) {
        const double mL = masse_Leitung_rechnen(f.D, f.s, f.Gamma_Rohr);
        const double mF = masse_Fuellung_rechnen(f.D, f.s, f.gamma);
        const double mI = masse_Isolierung_rechnen(f.D, f.t);
        EXPECT_EQ(Zwei(mL), f.Leitung) << f.Name;
        EXPECT_EQ(Zwei(mF), f.Fuellung) << f.Name;
        EXPECT_EQ(Zwei(mI), f.Isolierung) << f.Name;
        EXPECT_EQ(Zwei(mL + mF + mI), f.Summe) << f.Name;
    }
}

struct Windfall {
    double D, t, Winddruck;
    const char* Last;
};

TEST(Gewichte, Windlast_je_Meter) {
    const Windfall faelle[] = {
        {60.3, 40, 1100, "115,75"}, {60.3, 0, 1100, "49,75"},  {60.3, 0, 850.5, "38,46"},
        {60.3, 0, 110, "4,97"},     {60.3, 0, -500, "-22,61"}, {60.3, 40, 0, "0,00"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Zwei(Windlast_rechnen(f.D, f.t, f.Winddruck)), f.Last)
            << f.D << " " << f.t << " " << f.Winddruck;
    }
}

struct Spannfall {
    const char* Name;
    int Art;
    double M, W;
    std::optional<const char*> Spannweite; // nullopt: no end within the bound
};

TEST(Stuetzweite, Beispielleitung_mit_Lagerzahl) {
    const double mL = masse_Leitung_rechnen(60.3, 2.9, 7.85);
    const double mF = masse_Fuellung_rechnen(60.3, 2.9, 1);
    const double mI = masse_Isolierung_rechnen(60.3, 40);
    const double Wi = Windlast_rechnen(60.3, 40, 1100);
    const double Wu = Windlast_rechnen(60.3, 0, 1100);
    const Spannfall faelle[] = {
        {"leer unisoliert", 1, mL, Wu, "4,76"},
        {"leer unisoliert, drei Lager", 2, mL, Wu, "6,38"},
        {"leer unisoliert, mehr Lager", 3, mL, Wu, "8,14"},
        {"leer isoliert", 1, mL + mI, Wi, "3,68"},
        {"voll unisoliert", 1, mL + mF, Wu, "4,41"},
        {"voll isoliert", 1, mL + mF + mI, Wi, "3,56"},
        {"ohne Last", 1, 0, 0, std::nullopt},
        {"ohne Last, drei Lager", 2, 0, 0, std::nullopt},
    };
    for (const auto& f : faelle) {
        const auto L = stuetzweite(f.Art, 6.03, 0.29, Centimetergewicht(f.M, f.W), 210000);
        ASSERT_EQ(L.has_value(), f.Spannweite.has_value()) << f.Name;
        if (L) {
            EXPECT_EQ(Zwei(*L), *f.Spannweite) << f.Name;
        }
    }
}

TEST(Stuetzweite, Faktoren_auf_den_ungerundeten_Wert) {
    const double q = Centimetergewicht(4.1, 49.75);
    const double L1 = *stuetzweite(1, 6.03, 0.29, q, 210000);
    EXPECT_EQ(*stuetzweite(2, 6.03, 0.29, q, 210000), 1.341 * L1);
    EXPECT_EQ(*stuetzweite(3, 6.03, 0.29, q, 210000), 1.71 * L1);
}

TEST(Stuetzweite, Endlose_Suche_endet_an_der_Grenze) {
    struct Fall {
        const char* Name;
        double D_cm, s_cm, q, E;
    };
    const Fall faelle[] = {
        {"Last 0", 6.03, 0.29, 0, 210000},
        {"negatives Traegheitsmoment", 6.03, 7.0, 0.1, 210000},
        {"negativer Modul", 6.03, 0.29, 0.1, -210000},
    };
    for (const auto& f : faelle) {
        EXPECT_FALSE(stuetzweite(1, f.D_cm, f.s_cm, f.q, f.E).has_value()) << f.Name;
    }
}

TEST(Stuetzweite, Kleine_Spannweite_zeigt_null) {
    const auto L = stuetzweite(1, 0.2, 0.01, 1000, 210000);
    ASSERT_TRUE(L.has_value());
    EXPECT_EQ(Zwei(*L), "0,00");
}

TEST(Stuetzweite, Division_durch_Null_und_ungueltige_Operation) {
    struct Fall {
        double s_cm, q, E;
        const char* Meldung;
    };
    const Fall faelle[] = {
        {0, 0.1, 210000, meldung::Division_durch_Null},
        {0.29, 0.1, 0, meldung::Division_durch_Null},
        {0, 0, 210000, meldung::Ungueltige_Operation},
        {0.29, 0, 0, meldung::Ungueltige_Operation},
    };
    for (const auto& f : faelle) {
        try {
            (void)stuetzweite(1, 6.03, f.s_cm, f.q, f.E);
            ADD_FAILURE() << "no error for s=" << f.s_cm << " q=" << f.q << " E=" << f.E;
        } catch (const Fehler& fehler) {
            EXPECT_STREQ(fehler.what(), f.Meldung);
        }
    }
}

} // namespace
} // namespace pelmark
