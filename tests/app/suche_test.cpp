// The search field: how each input is read, and that applying it selects
// through the handlers or changes nothing.
#include "app/auswahllisten.h"
#include "app/suche.h"
#include "szenario/rekorder.h"
#include "szenario/zustand.h"

#include <gtest/gtest.h>

#include <memory>

namespace pelmark {
namespace {

using N = Suchziel::Norm;

// Reading: standard, size, pressure stage, section, bolt, steam, temperature
// as read, or "-" for an input that must be refused.
TEST(Suche_lesen, Eingaben) {
    const struct {
        const char* Eingabe;
        N Norm;
        const char *Groesse, *Stufe, *Profil, *Schraube, *Dampf, *Temperatur;
    } faelle[] = {
        {"DN 150", N::DIN, "DN 150", "", "", "", "", ""},
        {"dn150 pn40", N::DIN, "DN 150", "PN 40", "", "", "", ""},
        {"NPS 6", N::ANSI, "6", "", "", "", "", ""},
        {"6\"", N::ANSI, "6", "", "", "", "", ""},
        {"Class 300", N::ANSI, "", "Class 300", "", "", "", ""},
        {"PN 16", N::DIN, "", "PN 16", "", "", "", ""},
        {"IPE 200", N::offen, "", "", "IPE 200", "", "", ""},
        {"HEB 300", N::offen, "", "", "HEB 300", "", "", ""},
        {"L 100x10", N::offen, "", "", "L 100x100x10", "", "", ""},
        {"UPN 120", N::offen, "", "", "UPN 120", "", "", ""},
        {"M20", N::offen, "", "", "", "20", "", ""},
        {"Dampf 10 bar", N::offen, "", "", "", "", "10", ""},
        {"150 °C", N::offen, "", "", "", "", "", "150 °C"},
        // awkward inputs
        {"  DN   100  ", N::DIN, "DN 100", "", "", "", "", ""},
        {"DN 100, PN 16", N::DIN, "DN 100", "PN 16", "", "", "", ""},
        {"dN100Pn16", N::DIN, "DN 100", "PN 16", "", "", "", ""},
        {"pn 16 dn 100", N::DIN, "DN 100", "PN 16", "", "", "", ""},
        {"nps 1-1/2 class 600", N::ANSI, "1 1/2", "Class 600", "", "", "", ""},
        {"1 1/2\" 300#", N::ANSI, "1 1/2", "Class 300", "", "", "", ""},
        {"4 zoll cl 150", N::ANSI, "4", "Class 150", "", "", "", ""},
        {"ipe200", N::offen, "", "", "IPE 200", "", "", ""},
        {"U 120", N::offen, "", "", "UPN 120", "", "", ""},
        {"l 45 x 30 x 4", N::offen, "", "", "L 45x30x4", "", "", ""},
        {"L 45x45x4.5", N::offen, "", "", "L 45x45x4,5", "", "", ""},
        {"m 16", N::offen, "", "", "", "16", "", ""},
        {"10,5 bar", N::offen, "", "", "", "", "10,5", ""},
        {"sattdampf 2.5", N::offen, "", "", "", "", "2.5", ""},
        {"200°", N::offen, "", "", "", "", "", "200 °C"},
        {"", N::offen, "-", "", "", "", "", ""},
        {"   ", N::offen, "-", "", "", "", "", ""},
        {"DN", N::offen, "-", "", "", "", "", ""},
        {"DN 100 Class 300", N::offen, "-", "", "", "", "", ""},
        {"DN 100 DN 150", N::offen, "-", "", "", "", "", ""},
        {"Flansch", N::offen, "-", "", "", "", "", ""},
        {"IPE 200x", N::offen, "-", "", "", "", "", ""},
        {"150", N::offen, "-", "", "", "", "", ""},
    };
    for (const auto& f : faelle) {
        const Suchlesung l = Suche_lesen(f.Eingabe);
        if (std::string(f.Groesse) == "-") {
            EXPECT_FALSE(l.Ziel) << f.Eingabe;
            EXPECT_FALSE(l.Meldung.empty()) << f.Eingabe;
            continue;
        }
        ASSERT_TRUE(l.Ziel) << f.Eingabe << ": " << l.Meldung;
        const Suchziel& z = *l.Ziel;
        EXPECT_EQ(z.Standard, f.Norm) << f.Eingabe;
        EXPECT_EQ(z.Nennweite, f.Groesse) << f.Eingabe;
        EXPECT_EQ(z.Druckstufe, f.Stufe) << f.Eingabe;
        EXPECT_EQ(z.Profil, f.Profil) << f.Eingabe;
        EXPECT_EQ(z.Schraube, f.Schraube) << f.Eingabe;
        EXPECT_EQ(z.Dampfdruck, f.Dampf) << f.Eingabe;
        EXPECT_EQ(z.Temperatur, f.Temperatur) << f.Eingabe;
    }
}

struct Geladen {
    Rekorder rekorder;
    std::unique_ptr<Mainform> f = std::make_unique<Mainform>(rekorder, "/tmp/", '.');
    Geladen() {
        f->Dezimal = ',';
        f->Winddruck = 1100;
        f->Datendir = std::string(PELMARK_QUELLE) + "/Daten/";
        Lade_Tabellen(f->Speicher, f->Datendir);
        Init_Anzeige(*f);
    }
};

// Applying on the shipped data: the page shown and what the lists then say;
// a refused or unknown input leaves every control as it was.
TEST(Suche_ausfuehren, Waehlt_oder_laesst_alles) {
    const struct {
        const char* Eingabe;
        const char* Seite; // empty: refused
        const char* Feld;
        const char* Wert;
    } faelle[] = {
        {"DN 150 PN 40", "TS_Rohrteile", "LB_Armaturen_NW", "11: DN 150"},
        {"NPS 4 Class 300", "TS_Rohrteile", "LB_Armaturen_PN", "1: Class 300"},
        {"IPE 200", "TS_Profile", "LB_Profil", "6: IPE 200"},
        {"M20", "TS_Rohrteile", "E_Schr_Dm", "20"},
        {"Dampf 10 bar", "TS_Dehnung", "E_Dampfdruck", "10"},
        {"150 °C", "TS_Konstruktionsdaten", "LB_Temperatur", "4: 150 °C"},
        {"DN 175", "", "", ""},
        {"Class 5000", "", "", ""},
        {"IPE 999", "", "", ""},
        {"unbekannt", "", "", ""},
    };
    for (const auto& fall : faelle) {
        Geladen t;
        const std::string vorher = Alle_Zustaende(*t.f);
        const Suchantwort a = Suche_ausfuehren(*t.f, fall.Eingabe);
        EXPECT_EQ(a.Seite, fall.Seite) << fall.Eingabe;
        if (*fall.Seite == '\0') {
            EXPECT_FALSE(a.Erkannt) << fall.Eingabe;
            EXPECT_FALSE(a.Meldung.empty()) << fall.Eingabe;
            EXPECT_EQ(Alle_Zustaende(*t.f), vorher) << fall.Eingabe;
        } else {
            EXPECT_TRUE(a.Erkannt) << fall.Eingabe << ": " << a.Meldung;
            EXPECT_EQ(Zustand(*t.f, fall.Feld).value_or("?"), fall.Wert) << fall.Eingabe;
        }
    }
}

TEST(Suchvorschlaege, Nach_Praefix) {
    Geladen t;
    const auto v = Suchvorschlaege(*t.f, "ipe 2");
    EXPECT_EQ(v, (std::vector<std::string>{"IPE 200", "IPE 220", "IPE 240", "IPE 270"}));
    EXPECT_EQ(Suchvorschlaege(*t.f, "dn15").front(), "DN 15");
    EXPECT_TRUE(Suchvorschlaege(*t.f, "xyz").empty());
}

} // namespace
} // namespace pelmark
