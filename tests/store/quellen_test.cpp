// The source table's ranges (a later line overrides an earlier one), its
// malformed lines, the next stock length, and the NPS to DN correspondence.
#include "store/fehler.h"
#include "store/nennweiten.h"
#include "store/quellen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmark {
namespace {

std::filesystem::path Schreibe(const std::string& name, const std::string& text) {
    const auto pfad = std::filesystem::temp_directory_path() / name;
    std::ofstream(pfad, std::ios::binary) << text;
    return pfad;
}

TEST(Quellentabelle, Spaetere_Zeile_gilt) {
    const auto pfad = Schreibe("pelmark_quellen_test.csv",
                               "Datei;Spalten;Zeilen;Art;Quelle;Tabelle;Ausgabe;Grenzen;Strich\r\n"
                               "A.CSV;*;*;Norm;EN 1;T1;2001;;Norm\r\n"
                               "A.CSV;2-3;5;Norm;EN 1;T1;2001;Lücke;offen\r\n");
    const Quellentabelle q = Lies_Quellentabelle(pfad);
    struct Fall {
        const char* Datei;
        int Spalte, Zeile;
        Strichgrund Grund; // keiner: no line covers the cell
        bool Gedeckt;
    };
    const Fall faelle[] = {
        {"A.CSV", 1, 5, Strichgrund::Norm_fuehrt_nicht, true},
        {"A.CSV", 3, 5, Strichgrund::nicht_gesichert, true},
        {"A.CSV", 3, 6, Strichgrund::Norm_fuehrt_nicht, true},
        {"B.CSV", 1, 1, Strichgrund::keiner, false},
    };
    for (const Fall& f : faelle) {
        const Quellbereich* b = Quelle_fuer(q, f.Datei, f.Spalte, f.Zeile);
        ASSERT_EQ(b != nullptr, f.Gedeckt) << f.Datei << " " << f.Spalte << "/" << f.Zeile;
        if (b != nullptr) {
            EXPECT_EQ(b->Strich, f.Grund) << f.Spalte << "/" << f.Zeile;
        }
    }
}

TEST(Quellentabelle, Fehlerhafte_Zeile_wird_genannt) {
    const char* zeilen[] = {"A.CSV;*;*;Norm;EN 1;T1;2001;\r\n", "A.CSV;3-2;*;Norm;E;T;A;G;Norm\r\n",
                            "A.CSV;*;*;Norm;E;T;A;G;vielleicht\r\n"};
    for (const char* zeile : zeilen) {
        const auto pfad = Schreibe("pelmark_quellen_fehler.csv", std::string("Kopf\r\n") + zeile);
        try {
            Lies_Quellentabelle(pfad);
            ADD_FAILURE() << zeile;
        } catch (const Fehler& e) {
            EXPECT_NE(std::string(e.what()).find("Zeile 2"), std::string::npos) << e.what();
        }
    }
}

TEST(Kauflaengen, Naechste_an_oder_ueber) {
    const Kauflaengen k{{40, 45, 50}, ""};
    EXPECT_EQ(Naechste_Kauflaenge(k, 39.5), 40);
    EXPECT_EQ(Naechste_Kauflaenge(k, 45), 45);
    EXPECT_EQ(Naechste_Kauflaenge(k, 45.1), 50);
    EXPECT_EQ(Naechste_Kauflaenge(k, 51), std::nullopt);
}

TEST(Nennweiten, NPS_zu_DN) {
    const std::pair<const char*, std::optional<int>> faelle[] = {
        {"1/2", 15},
        {"3/4", 20},
        {"1", 25},
        {"1 1/4", 32},
        {"1 1/2", 40},
        {"2", 50},
        {"2 1/2", 65},
        {"3", 80},
        {"4", 100},
        {"5", 125},
        {"6", 150},
        {"8", 200},
        {"24", 600},
        {"36", 900},
        {"7", std::nullopt},
        {"", std::nullopt},
        {"1/0", std::nullopt},
        {"DN 15", std::nullopt},
    };
    for (const auto& [nps, dn] : faelle) {
        EXPECT_EQ(DN_zu_NPS(nps), dn) << nps;
    }
}

} // namespace
} // namespace pelmark
