// Portable and installed use: which folder the program runs from, and how the
// user's copy of the shipped data follows a newer package without losing his
// edits. The options read before any window exists.
#include "app/aufruf.h"
#include "app/ausgeliefert.h"
#include "app/lebenszyklus.h"
#include "app/programmordner.h"
#include "store/textdatei.h"
#include "szenario/rekorder.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace pelmark {
namespace {

namespace fs = std::filesystem;

void Schreibe(const fs::path& pfad, const std::string& text) {
    fs::create_directories(pfad.parent_path());
    Schreibe_Bytes(pfad, text);
}

// A temporary machine: an installed executable in wurzel/usr/bin, the shipped
// data (the small test tables) read-only in wurzel/usr/share/pelmark, and
// the user's XDG_DATA_HOME in wurzel/daten.
class Installiert : public ::testing::Test {
  protected:
    void SetUp() override {
        wurzel = fs::temp_directory_path() /
                 ("pelmark-modus-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(wurzel);
        fs::create_directories(wurzel / "usr/bin");
        fs::create_directories(wurzel / "usr/share");
        fs::copy(PELMARK_TESTDATEN, geliefert(), fs::copy_options::recursive);
        Schreibe(geliefert() / "InfoTabellen/Zoll.CSV", "10;10\nZoll;mm\n1;25,4\n");
        Schreibschutz(true);
    }
    void TearDown() override {
        Schreibschutz(false);
        fs::remove_all(wurzel);
    }
    fs::path geliefert() const { return wurzel / "usr/share/pelmark"; }
    fs::path benutzer() const { return wurzel / "daten/pelmark"; }

    // The shipped folder as a package installs it: nothing writable.
    void Schreibschutz(bool an) {
        const auto ordner =
            an ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all;
        const auto datei =
            an ? fs::perms::owner_read : fs::perms::owner_read | fs::perms::owner_write;
        for (const auto& eintrag : fs::recursive_directory_iterator(geliefert())) {
            fs::permissions(eintrag.path(), eintrag.is_directory() ? ordner : datei);
        }
    }
    // A newer package: the shipped file gets new contents.
    void Liefere_neu(const char* datei, const std::string& text) {
        Schreibschutz(false);
        Schreibe(geliefert() / datei, text);
        Schreibschutz(true);
    }
    Programmordner Starte() {
        rekorder.Meldungen.clear();
        return Programmordner_einrichten(wurzel / "usr/bin", {Pfadtext(wurzel / "daten"), ""},
                                         rekorder);
    }
    std::string Inhalt(const fs::path& pfad) { return Lies_Bytes(pfad); }

    fs::path wurzel;
    Rekorder rekorder;
};

TEST_F(Installiert, Erster_Start_kopiert_und_schreibt_den_Stil_dorthin) {
    const Programmordner ordner = Starte();
    EXPECT_EQ(ordner.Art, Betriebsart::installiert);
    EXPECT_EQ(ordner.Ordner, benutzer());
    EXPECT_TRUE(rekorder.Meldungen.empty());
    EXPECT_EQ(Inhalt(benutzer() / "Daten/P_Din.CSV"), Inhalt(geliefert() / "Daten/P_Din.CSV"));
    EXPECT_EQ(Inhalt(benutzer() / "InfoTabellen/Zoll.CSV"), "10;10\nZoll;mm\n1;25,4\n");
    // The copies are the user's: writable although the shipped files are not.
    const auto rechte = fs::status(benutzer() / "Daten/P_Din.CSV").permissions();
    EXPECT_NE(rechte & fs::perms::owner_write, fs::perms::none);

    Mainform f(rekorder, Pfadtext(ordner.Ordner) + "/", '.');
    f.Betriebsinfo = Betriebsinfo(ordner);
    Programmstart(f);
    FormCreate(f);
    FormActivate(f);
    Infofenster_Activate(f, f.maske.F_Programminfo);
    FormClose(f);
    EXPECT_TRUE(rekorder.Meldungen.empty()) << rekorder.Meldungen[0].Text;
    EXPECT_TRUE(fs::exists(benutzer() / "Daten/Style.INI"));
    EXPECT_EQ(f.maske.F_Programminfo.E_Infotext.Lines.back(),
              "Betriebsart: installiert. Programmordner: " + Pfadtext(benutzer()) +
                  "/ (ausgelieferte Daten: " + Pfadtext(geliefert()) + "/)");
}

TEST_F(Installiert, Updates_ersetzen_nur_unveraenderte_Dateien) {
    Starte();
    Schreibe(benutzer() / "Daten/Material.CSV", "vom Benutzer\n");
    fs::remove(benutzer() / "Daten/Isol.CSV");
    Liefere_neu("Daten/P_Din.CSV", "neu P\n");
    Liefere_neu("Daten/Material.CSV", "neu M\n");

    Starte();
    EXPECT_EQ(Inhalt(benutzer() / "Daten/P_Din.CSV"), "neu P\n") << "unverändert: ersetzt";
    EXPECT_EQ(Inhalt(benutzer() / "Daten/Isol.CSV"), Inhalt(geliefert() / "Daten/Isol.CSV"))
        << "fehlend: ergänzt";
    EXPECT_EQ(Inhalt(benutzer() / "Daten/Material.CSV"), "vom Benutzer\n") << "bearbeitet: bleibt";
    EXPECT_EQ(Inhalt(benutzer() / "Daten/Material.CSV.neu"), "neu M\n");
    ASSERT_EQ(rekorder.Meldungen.size(), 1u);
    EXPECT_EQ(rekorder.Meldungen[0].Art, Meldungsart::information);
    const std::string& text = rekorder.Meldungen[0].Text;
    EXPECT_NE(text.find(Pfadtext(benutzer() / "Daten/Material.CSV") + "\n"), std::string::npos);
    EXPECT_NE(text.find(Pfadtext(benutzer() / "Daten/Material.CSV.neu")), std::string::npos);

    // Said once: the next start, with nothing newer shipped, stays quiet.
    Starte();
    EXPECT_TRUE(rekorder.Meldungen.empty());
    EXPECT_EQ(Inhalt(benutzer() / "Daten/Material.CSV"), "vom Benutzer\n");
}

TEST_F(Installiert, Kopierfehler_meldet_und_laesst_Benutzerdateien_stehen) {
    Schreibe(benutzer() / "Daten", "eine Datei, wo ein Ordner sein sollte\n");
    const Programmordner ordner = Starte();
    ASSERT_FALSE(rekorder.Meldungen.empty());
    EXPECT_EQ(rekorder.Meldungen[0].Art, Meldungsart::fehler);
    EXPECT_NE(rekorder.Meldungen[0].Text.find("Keine Ihrer Dateien wurde gelöscht"),
              std::string::npos);
    EXPECT_EQ(Inhalt(benutzer() / "Daten"), "eine Datei, wo ein Ordner sein sollte\n");
    EXPECT_EQ(ordner.Ordner, geliefert()) << "liest die ausgelieferten Tabellen";
}

TEST(Programmordner, Betriebsart_und_Ordner) {
    const fs::path wurzel =
        fs::temp_directory_path() / ("pelmark-art-" + std::to_string(::getpid()));
    fs::create_directories(wurzel / "tragbar/Daten");
    fs::create_directories(wurzel / "usr/bin");
    fs::create_directories(wurzel / "usr/share/pelmark/Daten");
    fs::create_directories(wurzel / "leer");
    const std::string geliefert = Pfadtext(wurzel / "usr/share/pelmark");
    const struct {
        const char* Name;
        const char* Exe;
        Benutzerumgebung Umgebung;
        Betriebsart Art;
        std::string Ordner; // "" : the executable's folder
        bool Fehler;
    } faelle[] = {
        {"Daten beim Programm", "tragbar", {"/x", "/h"}, Betriebsart::portabel, "", false},
        {"nichts gefunden: wie bisher", "leer", {"/x", "/h"}, Betriebsart::portabel, "", false},
        {"installiert, XDG",
         "usr/bin",
         {"/x", "/h"},
         Betriebsart::installiert,
         "/x/pelmark",
         false},
        {"installiert, HOME",
         "usr/bin",
         {"", "/h"},
         Betriebsart::installiert,
         "/h/.local/share/pelmark",
         false},
        {"relatives XDG zählt nicht",
         "usr/bin",
         {"rel", "/h"},
         Betriebsart::installiert,
         "/h/.local/share/pelmark",
         false},
        {"kein Benutzerordner", "usr/bin", {"", ""}, Betriebsart::installiert, geliefert, true},
    };
    for (const auto& fall : faelle) {
        std::string fehler;
        const Programmordner p = Programmordner_bestimmen(wurzel / fall.Exe, fall.Umgebung, fehler);
        EXPECT_EQ(p.Art, fall.Art) << fall.Name;
        EXPECT_EQ(p.Ordner, fall.Ordner.empty() ? wurzel / fall.Exe : fs::path(fall.Ordner))
            << fall.Name;
        EXPECT_EQ(fehler.find("HOME") != std::string::npos, fall.Fehler) << fall.Name << fehler;
    }
    fs::remove_all(wurzel);
}

TEST(Aufruf, Optionen) {
    const struct {
        std::vector<std::string> Argumente;
        Aufrufart Art;
        int Status, Seite;
        const char* Ausgabe_beginnt;
    } faelle[] = {
        {{}, Aufrufart::starten, 0, 0, ""},
        {{"--help"}, Aufrufart::hilfe, 0, 0, "Aufruf: pelmark"},
        {{"-h"}, Aufrufart::hilfe, 0, 0, "Aufruf: pelmark"},
        {{"--version"}, Aufrufart::version, 0, 0, "Pelmark " PELMARK_PROJEKTVERSION "\n"},
        {{"--seite", "7"}, Aufrufart::starten, 0, 7, ""},
        {{"--seite=10"}, Aufrufart::starten, 0, 10, ""},
        {{"--seite", "12"}, Aufrufart::falsch, 2, 0, "pelmark: \"12\" ist keine"},
        {{"--seite", "11"}, Aufrufart::starten, 0, 11, ""},
        {{"--etage", "DN 100", "--versatz", "500", "--winkel", "45", "--csv", "-"},
         Aufrufart::etage,
         0,
         0,
         ""},
        {{"--etage", "DN 100", "--versatz", "500", "--csv", "-"},
         Aufrufart::falsch,
         2,
         0,
         "pelmark: --etage braucht --winkel"},
        {{"--versatz", "500"}, Aufrufart::falsch, 2, 0, "pelmark: --versatz"},
        {{"--etage", "DN 100", "--versatz", "5", "--winkel", "45"},
         Aufrufart::falsch,
         2,
         0,
         "pelmark: --etage braucht --csv"},
        {{"--seite"}, Aufrufart::falsch, 2, 0, "pelmark: --seite braucht"},
        {{"--farbe"}, Aufrufart::falsch, 2, 0, "pelmark: unbekannte Angabe \"--farbe\""},
        {{"-platform", "xcb"}, Aufrufart::falsch, 2, 0, "pelmark: unbekannte Angabe"},
        {{"--massblatt", "DN 100", "--pdf=b.pdf"}, Aufrufart::massblatt, 0, 0, ""},
        {{"--massblatt", "IPE 200"}, Aufrufart::falsch, 2, 0, "pelmark: --massblatt braucht"},
        {{"--csv", "b.csv"}, Aufrufart::falsch, 2, 0, "pelmark: --csv und --pdf"},
    };
    for (const auto& fall : faelle) {
        const Aufruf a = Aufruf_lesen(fall.Argumente);
        const std::string name = fall.Argumente.empty() ? "(keine)" : fall.Argumente[0];
        EXPECT_EQ(a.Art, fall.Art) << name;
        EXPECT_EQ(a.Status, fall.Status) << name;
        EXPECT_EQ(a.Seite, fall.Seite) << name;
        EXPECT_EQ(a.Ausgabe.rfind(fall.Ausgabe_beginnt, 0), 0u) << name << ": " << a.Ausgabe;
        if (a.Art == Aufrufart::falsch) {
            EXPECT_NE(a.Ausgabe.find("Aufruf: pelmark"), std::string::npos) << name;
        }
    }
}

} // namespace
} // namespace pelmark
