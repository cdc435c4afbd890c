// The flow formulas and the unit conversion with its °C/°F offsets.
#include "calc/durchfluss.h"
#include "calc/massumwandlung.h"
#include "store/fehler.h"
#include "store/zahlen.h"

#include <gtest/gtest.h>

#include <string>

namespace pelmark {
namespace {

std::string Zwei(double wert) {
    return Festkomma(wert, 2, ',');
}

TEST(Durchfluss, Die_drei_Formeln) {
    const double Q10 = 10.0 / 3600;
    EXPECT_EQ(Zwei(Geschwindigkeit_rechnen(Q10, Querschnitt_rechnen(50))), "1,41");
    EXPECT_EQ(Zwei(Innendurchmesser_rechnen(Q10, 2)), "42,05");
    EXPECT_EQ(Zwei(Menge_rechnen(Querschnitt_rechnen(100), 1.5)), "42,41");
    EXPECT_EQ(Zwei(Innendurchmesser_rechnen(-Q10, -2)), "42,05");
    EXPECT_EQ(Zwei(Geschwindigkeit_rechnen(-Q10, Querschnitt_rechnen(50))), "-1,41");
}

TEST(Durchfluss, Fehler_der_Arithmetik) {
    struct Fall {
        const char* Name;
        double (*Rechnung)();
        const char* Meldung;
    };
    const Fall faelle[] = {
        {"Wurzel einer negativen Zahl", [] { return Innendurchmesser_rechnen(0.01, -2); },
         meldung::Ungueltige_Operation},
        {"Ueberlauf", [] { return Menge_rechnen(1e300, 1e300); }, meldung::Ueberlauf},
        {"Querschnitt 0", [] { return Geschwindigkeit_rechnen(0.01, 0); },
         meldung::Division_durch_Null},
    };
    for (const auto& f : faelle) {
        try {
            (void)f.Rechnung();
            ADD_FAILURE() << f.Name;
        } catch (const Fehler& fehler) {
            EXPECT_STREQ(fehler.what(), f.Meldung) << f.Name;
        }
    }
}

TEST(Umrechnen, Faktoren_und_Temperaturen) {
    struct Fall {
        Extended V, Fq, Fz;
        const char *Quelle, *Ziel, *Ergebnis;
    };
    const Extended F = 0.555555555555556L;
    const Fall faelle[] = {
        {1, 1, 1, "m", "m", "1,00000"},
        {100, 1, F, "°C", "°F", "212,00000"},
        {212, F, 1, "°F", "°C", "100,00000"},
        {-40, 1, F, "°C", "°F", "-4,0000E+1"},
        {37.5, 1, 1, "°C", "°C", "37,50000"},
        {37.5, F, F, "°F", "°F", "37,50000"},
        {100, 1, F, "° C", "°F", "180,00000"},
        {100, 1, F, "°C", "°f", "180,00000"},
        {12345.678, 1, 0.001L, "m", "mm", "1,2346E+7"},
        {1000000, 1, 1, "m", "m", "1E+6"},
        {1000001, 1, 1, "m", "m", "1,0000E+6"},
        {123456, 1, 1, "m", "m", "1,2346E+5"},
        {0, 1, 1, "m", "m", "0,0000E+0"},
        {2.54, 1, 1, "m", "m", "2,54000"},
        {1234.5678, 1, 1, "m", "m", "1234,60000"},
        {0.000123456, 1, 1, "m", "m", "0,00012"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Fuenfstellig(Umrechnen(f.V, f.Fq, f.Fz, f.Quelle, f.Ziel), ','), f.Ergebnis)
            << static_cast<double>(f.V) << " " << f.Quelle << " -> " << f.Ziel;
    }
}

TEST(Umrechnen, Zielfaktor_null_auch_bei_Temperaturen) {
    EXPECT_THROW((void)Umrechnen(1, 1, 0, "m", "m"), Fehler);
    EXPECT_THROW((void)Umrechnen(1, 1, 0, "°C", "°C"), Fehler);
    EXPECT_EQ(Umrechnen(5, 0, 1, "m", "m"), 0);
}

} // namespace
} // namespace pelmark
