// Company tables: where the folder is found, the load over it (a table is
// taken whole or not at all, and never mixed with the usual one), and the
// office's check "--pruefen" on a good and on a broken folder.
#include "app/firmenordner.h"
#include "app/firmenpruefung.h"
#include "store/firmentabellen.h"
#include "store/textdatei.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include <unistd.h>

namespace pelmark {
namespace {

namespace fs = std::filesystem;

TEST(Firmenordner_bestimmen, Vorrang_Option_Umgebung_Benutzer_System) {
    const std::string conf_b = "# Büro\n firma = /netz/buero \n";
    const std::string conf_s = "firma=/netz/werk\n";
    struct Fall {
        const char* Name;
        std::string Option, Umgebung, Benutzer, System, Erwartet;
    } faelle[] = {
        {"Option vor allem", "/opt/f", "/env", conf_b, conf_s, "/opt/f/"},
        {"Umgebung vor den Dateien", "", "/env/", conf_b, conf_s, "/env/"},
        {"Benutzerdatei vor der Systemdatei", "", "", conf_b, conf_s, "/netz/buero/"},
        {"Systemdatei zuletzt", "", "", "stil=Luna\n", conf_s, "/netz/werk/"},
        {"leeres firma= schaltet die Systemdatei ab", "", "", "firma=\n", conf_s, ""},
        {"relativ zur Datei", "", "", "firma=tabellen\n", "", "/home/u/.config/pelmark/tabellen/"},
        {"nichts gesetzt", "", "", "", "#firma=/x\n", ""},
    };
    for (const Fall& f : faelle) {
        const Einstellungsquellen q{f.Umgebung, f.Benutzer, "/home/u/.config/pelmark/pelmark.conf",
                                    f.System, "/etc/pelmark/pelmark.conf"};
        EXPECT_EQ(Firmenordner_bestimmen(f.Option, q), f.Erwartet) << f.Name;
    }
}

class Firmenschicht_Test : public ::testing::Test {
  protected:
    void SetUp() override {
        wurzel = fs::temp_directory_path() / ("pelmark-firma-" + std::to_string(::getpid()));
        daten = wurzel / "Daten";
        firma = wurzel / "firma";
        fs::remove_all(wurzel);
        fs::create_directories(firma);
        fs::copy(fs::path(PELMARK_TESTDATEN) / "Daten", daten);
    }
    void TearDown() override { fs::remove_all(wurzel); }
    void Firma(const std::string& name, const std::string& text) {
        Schreibe_Bytes(firma / name, text);
    }

    fs::path wurzel;
    fs::path daten;
    fs::path firma;
    std::unique_ptr<Tabellenspeicher> s = std::make_unique<Tabellenspeicher>();
};

TEST_F(Firmenschicht_Test, ganz_oder_gar_nicht_und_nie_gemischt) {
    // A company pipe table with more rows than the usual one and one
    // differing value.
    std::string rohre = Lies_Bytes(daten / "P_Din.CSV");
    const auto zeilen = Lies_Textdatei(daten / "P_Din.CSV");
    rohre += "DN 9999;1;2\r\n";
    Firma("P_Din.CSV", rohre);
    auto bericht = Lade_Tabellen(*s, daten, firma);
    const int letzte = static_cast<int>(zeilen.size()) - 1;
    EXPECT_TRUE(bericht.Ordnerfehler.empty());
    EXPECT_EQ(s->Herkunft[0].Ebene, Schicht::Firma);
    EXPECT_EQ(s->Herkunft[0].Abweichungen, 3);
    EXPECT_EQ(s->Din_Rohre.Inhalt(0, letzte), "DN 9999");
    ASSERT_TRUE(s->Normtabellen[0]);
    EXPECT_EQ(s->Normtabellen[0]->Inhalt(0, letzte), "");
    EXPECT_EQ(s->Herkunft[1].Ebene, Schicht::Daten);

    // The folder gone: the usual table whole, no company row left in it.
    fs::remove_all(firma);
    bericht = Lade_Tabellen(*s, daten, firma);
    EXPECT_NE(bericht.Ordnerfehler.find("fehlt"), std::string::npos);
    EXPECT_EQ(s->Herkunft[0].Ebene, Schicht::Daten);
    EXPECT_EQ(s->Din_Rohre.Inhalt(0, letzte), "");
    EXPECT_FALSE(s->Normtabellen[0]);

    // A company table the loader refuses: the message names the file, the
    // usual table is used.
    fs::create_directories(firma);
    std::string lang = "Kopf\r\n";
    for (int i = 0; i < 32; ++i) {
        lang += "R;1\r\n";
    }
    Firma("Red_Din.CSV", lang);
    bericht = Lade_Tabellen(*s, daten, firma);
    ASSERT_EQ(bericht.Abgelehnt.size(), 1u);
    EXPECT_NE(bericht.Abgelehnt[0].find((firma / "Red_Din.CSV").string()), std::string::npos);
    EXPECT_NE(bericht.Abgelehnt[0].find("Fehler bei Bereichsprüfung"), std::string::npos);
    EXPECT_EQ(s->Herkunft[8].Ebene, Schicht::Daten);
    EXPECT_EQ(s->DIN_Red.Zeilen, Lies_Textdatei(daten / "Red_Din.CSV"));
    EXPECT_GT(s->Anz_Massarten, 0);
}

TEST_F(Firmenschicht_Test, Masseinheiten_der_Firma) {
    Firma("Massumrechnung.CSV", "---;Länge;\r\nMeter;m;1\r\nFuß;ft;0,3048\r\n---;;\r\n");
    auto bericht = Lade_Tabellen(*s, daten, firma);
    EXPECT_TRUE(bericht.Abgelehnt.empty());
    EXPECT_EQ(s->Herkunft[31].Ebene, Schicht::Firma);
    EXPECT_EQ(s->Anz_Massarten, 1);
    EXPECT_EQ(s->Inhalt_Masse(0, 1).Kuerzel, "ft");
    EXPECT_EQ(s->Inhalt_Masse(0, 1).Massanz, 1);

    // A unit before the first kind: refused, the usual units whole.
    Firma("Massumrechnung.CSV", "Meter;m;1\r\n");
    bericht = Lade_Tabellen(*s, daten, firma);
    ASSERT_EQ(bericht.Abgelehnt.size(), 1u);
    EXPECT_EQ(s->Herkunft[31].Ebene, Schicht::Daten);
    EXPECT_EQ(s->Massumrechnung, Lies_Textdatei(daten / "Massumrechnung.CSV"));
    EXPECT_GT(s->Anz_Massarten, 1);
}

TEST(Firmenordner_pruefen, guter_und_kaputter_Ordner) {
    const fs::path szenarien = fs::path(PELMARK_QUELLE) / "tests/szenarien/firma";
    const fs::path daten = fs::path(PELMARK_TESTDATEN) / "Daten";
    std::ostringstream gut;
    EXPECT_EQ(Firmenordner_pruefen_lauf((szenarien / "werk").string(), daten, gut), 0);
    EXPECT_EQ(gut.str(), "Firmenordner " + (szenarien / "werk").string() +
                             "\n"
                             "F_Din_rev.CSV: in Ordnung, 1 Zelle weicht von der ausgelieferten "
                             "Tabelle ab\n"
                             "Lager.CSV: in Ordnung, 1 Zelle weicht von der ausgelieferten "
                             "Tabelle ab\n"
                             "2 Tabellen, 0 Fehler\n");
    std::ostringstream kaputt;
    EXPECT_EQ(Firmenordner_pruefen_lauf((szenarien / "kaputt").string(), daten, kaputt), 1);
    EXPECT_NE(kaputt.str().find("Lager.CSV: FEHLER: Fehler bei Bereichsprüfung"), std::string::npos)
        << kaputt.str();
    std::ostringstream fehlt;
    EXPECT_EQ(Firmenordner_pruefen_lauf((szenarien / "nirgends").string(), daten, fehlt), 1);
    EXPECT_NE(fehlt.str().find("FEHLER: Der Firmenordner"), std::string::npos);
}

} // namespace
} // namespace pelmark
