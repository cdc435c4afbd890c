// The table store: catalogue, parsing with bounds, the unit-conversion table
// and the whole load with its failure paths.
#include "store/tabellenspeicher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace pelmark {
namespace {

namespace fs = std::filesystem;

std::string Meldung_von(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const Fehler& fehler) {
        return fehler.what();
    }
    return "";
}

TEST(Katalog, Dateinamen_Breiten_und_Parsefolge) {
    const auto& k = Katalog();
    ASSERT_EQ(k.size() + 1, static_cast<size_t>(Anzahl_Tabellen));
    EXPECT_STREQ(k[0].Datei, "P_Din.CSV");
    EXPECT_STREQ(k[28].Datei, "Berührungsschutz.CSV");
    EXPECT_EQ(k[28].Spaltenanz, k[27].Spaltenanz); // as wide as the insulation table
    EXPECT_STREQ(k[30].Datei, "Dampftabelle.CSV");
    // Reducers and caps before the flanges.
    const auto& folge = Parsefolge();
    auto stelle = [&](int tabelle) {
        return std::find(folge.begin(), folge.end(), tabelle) - folge.begin();
    };
    for (int red_kappe : {8, 9, 10, 11}) {
        EXPECT_LT(stelle(red_kappe), stelle(6));
    }
    EXPECT_LT(stelle(7), stelle(12));
}

TEST(Parse_Tabelle, Zeilen_Felder_und_Grenzen) {
    auto s = std::make_unique<Tabellenspeicher>();
    Tabelle& t = s->Din_Rohre;
    t.Zeilen = {"Kopf", "DN;da;a;b", "DN 10;17,2", "", "x;1;2;3;4;5;6;7;8"};
    Parse_Tabelle(t, 7);
    EXPECT_EQ(t.Spaltenanz, 7);
    EXPECT_EQ(t.Inhalt(1, 0), "da");
    EXPECT_EQ(t.Inhalt(2, 1), ""); // a short line leaves its last cells empty
    EXPECT_EQ(t.Inhalt(0, 2), ""); // a blank line is a row of empty cells
    EXPECT_EQ(t.Inhalt(6, 3), "6");
    EXPECT_EQ(Meldung_von([&] { (void)t.Inhalt(31, 0); }), "Fehler bei Bereichsprüfung");
    EXPECT_EQ(Meldung_von([&] { (void)t.Inhalt(0, -1); }), "Fehler bei Bereichsprüfung");
}

TEST(Parse_Tabelle, P_Din_mit_32_und_33_Zeilen) {
    auto s = std::make_unique<Tabellenspeicher>();
    Tabelle& t = s->Din_Rohre;
    t.Zeilen.assign(32, "DN;1");
    EXPECT_EQ(Meldung_von([&] { Parse_Tabelle(t, 7); }), "");
    EXPECT_EQ(t.Inhalt(0, 30), "DN");
    t.Zeilen.assign(33, "x;2");
    EXPECT_EQ(Meldung_von([&] { Parse_Tabelle(t, 7); }), "Fehler bei Bereichsprüfung");
    EXPECT_EQ(t.Inhalt(0, 30), "x"); // rows before the overflow are written
}

TEST(Parse_Massumrechnung, Arten_Einheiten_und_Fehler) {
    auto s = std::make_unique<Tabellenspeicher>();
    s->Massartpos = 3;
    s->Massumrechnung = {"---;Länge", "Meter;m;1",      "Millimeter;mm;0,001",
                         "---;Masse", "Kilogramm;kg;1", "---;Ende"};
    Parse_Massumrechnung(*s);
    EXPECT_EQ(s->Anz_Massarten, 2);
    EXPECT_EQ(s->Massartpos, 0);
    EXPECT_EQ(s->Inhalt_Masse(0, 0).Massanz, 1);
    EXPECT_EQ(s->Inhalt_Masse(0, 1).Massanz, 1);
    EXPECT_EQ(s->Inhalt_Masse(0, 1).Kuerzel, "mm");
    EXPECT_EQ(s->Inhalt_Masse(1, 0).Massanz, 0);
    EXPECT_EQ(s->Inhalt_Masse(1, 0).Massart, "Masse");
    EXPECT_EQ(s->Inhalt_Masse(1, 0).SI_Wert, "1");

    // Without the closing line the last kind is not offered.
    auto ohne = std::make_unique<Tabellenspeicher>();
    ohne->Massumrechnung = {"---;Länge", "Meter;m;1", "---;Masse", "Kilogramm;kg;1"};
    Parse_Massumrechnung(*ohne);
    EXPECT_EQ(ohne->Anz_Massarten, 1);

    auto vorher = std::make_unique<Tabellenspeicher>();
    vorher->Massumrechnung = {"Meter;m;1", "---;Länge"};
    EXPECT_EQ(Meldung_von([&] { Parse_Massumrechnung(*vorher); }), "Fehler bei Bereichsprüfung");
}

TEST(Parse_Massumrechnung, hoechstens_31_Einheiten_und_51_Arten) {
    auto einheiten = [](int anzahl) {
        auto s = std::make_unique<Tabellenspeicher>();
        s->Massumrechnung = {"---;Viel"};
        for (int i = 0; i < anzahl; ++i) {
            s->Massumrechnung.push_back("E" + std::to_string(i) + ";e;1");
        }
        s->Massumrechnung.push_back("---;Ende");
        return s;
    };
    auto s31 = einheiten(31);
    EXPECT_EQ(Meldung_von([&] { Parse_Massumrechnung(*s31); }), "");
    EXPECT_EQ(s31->Inhalt_Masse(0, 30).Massanz, 30);
    auto s32 = einheiten(32);
    EXPECT_EQ(Meldung_von([&] { Parse_Massumrechnung(*s32); }), "Fehler bei Bereichsprüfung");

    auto arten = [](int anzahl) {
        auto s = std::make_unique<Tabellenspeicher>();
        for (int i = 0; i < anzahl; ++i) {
            s->Massumrechnung.push_back("---;Art" + std::to_string(i));
            s->Massumrechnung.push_back("Einheit;e;1");
        }
        s->Massumrechnung.push_back("---;Ende");
        return s;
    };
    auto a50 = arten(50);
    EXPECT_EQ(Meldung_von([&] { Parse_Massumrechnung(*a50); }), "");
    EXPECT_EQ(a50->Anz_Massarten, 50);
    auto a51 = arten(51);
    EXPECT_EQ(Meldung_von([&] { Parse_Massumrechnung(*a51); }), "");
    EXPECT_EQ(a51->Anz_Massarten, 51);
    auto a52 = arten(52);
    EXPECT_EQ(Meldung_von([&] { Parse_Massumrechnung(*a52); }), "Fehler bei Bereichsprüfung");
}

class Laden_Test : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string vorlage = (fs::temp_directory_path() / "pelmark-laden-XXXXXX").string();
        ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
        daten = fs::path(vorlage) / "Daten";
        fs::copy(fs::path(PELMARK_TESTDATEN) / "Daten", daten);
    }
    void TearDown() override { fs::remove_all(daten.parent_path()); }
    void Schreibe(const std::string& name, const std::string& bytes) {
        std::ofstream(daten / name, std::ios::binary) << bytes;
    }
    fs::path daten;
    std::unique_ptr<Tabellenspeicher> s = std::make_unique<Tabellenspeicher>();
};

TEST_F(Laden_Test, laedt_alle_32_Dateien) {
    Lade_Tabellen(*s, daten);
    EXPECT_EQ(s->Din_Rohre.Inhalt(0, 1), "DN 10");
    EXPECT_EQ(s->Din_Rohre.Spaltenanz, 7);
    EXPECT_EQ(s->Beruehrungsschutz.Spaltenanz, 24);
    EXPECT_GT(s->Anz_Massarten, 0);
}

TEST_F(Laden_Test, fehlende_Datei_aendert_nichts) {
    Lade_Tabellen(*s, daten);
    const auto alte_zeilen = s->Din_Rohre.Zeilen;
    Schreibe("P_Din.CSV", "Kopf\r\nNeu;1\r\n");
    fs::remove(daten / "Massumrechnung.CSV");
    const std::string meldung = Meldung_von([&] { Lade_Tabellen(*s, daten); });
    EXPECT_EQ(meldung.rfind("Datei " + (daten / "Massumrechnung.CSV").string() +
                                " kann nicht geöffnet werden. ",
                            0),
              0u)
        << meldung;
    EXPECT_EQ(s->Din_Rohre.Zeilen, alte_zeilen);
    EXPECT_EQ(s->Din_Rohre.Inhalt(0, 1), "DN 10");
}

TEST_F(Laden_Test, Zeilen_einer_geschrumpften_Datei_bleiben) {
    Lade_Tabellen(*s, daten);
    const std::string alt = s->Din_Rohre.Inhalt(0, 5);
    ASSERT_FALSE(alt.empty());
    Schreibe("P_Din.CSV", "Kopf\r\nDN;da\r\nDN 99;1\r\n");
    Lade_Tabellen(*s, daten);
    EXPECT_EQ(s->Din_Rohre.Inhalt(0, 1), "DN 99");
    EXPECT_EQ(s->Din_Rohre.Inhalt(0, 5), alt);
    EXPECT_EQ(s->Din_Rohre.Anzahl_Zeilen(), 3);
}

TEST_F(Laden_Test, zu_lange_Tabelle_haelt_die_Folgenden_an) {
    std::string lang = "Kopf\r\n";
    for (int i = 0; i < 32; ++i) {
        lang += "R" + std::to_string(i) + ";1\r\n";
    }
    Schreibe("Red_Din.CSV", lang);
    EXPECT_EQ(Meldung_von([&] { Lade_Tabellen(*s, daten); }), "Fehler bei Bereichsprüfung");
    EXPECT_EQ(s->Din_Rohre.Inhalt(0, 1), "DN 10"); // parsed before it
    EXPECT_EQ(s->DIN_Flansche.Inhalt(0, 1), "");   // parsed after it: untouched
    EXPECT_EQ(s->Anz_Massarten, 0);
}

TEST_F(Laden_Test, UTF16_und_Umlaute) {
    // "Kopf\nä;1" in UTF-16 LE with byte-order mark.
    Schreibe("C_Din.CSV", std::string("\xFF\xFEK\0o\0p\0f\0\r\0\n\0\xE4\0;\0"
                                      "1\0",
                                      20));
    Lade_Tabellen(*s, daten);
    EXPECT_EQ(s->DIN_Kappen.Inhalt(0, 0), "ä");
    EXPECT_EQ(s->DIN_Kappen.Inhalt(1, 0), "1");
}

} // namespace
} // namespace pelmark
