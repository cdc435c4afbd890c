// Sorting the grid: the three kinds, their checks and messages, the clipped
// range, the grouped sort, and the same order as comparing the texts anew at
// every step.
#include "gitter_hilfen.h"
#include "grid/grossschreibung.h"
#include "grid/testringgrid.h"
#include "grid/u_zeit.h"
#include "store/zahlen.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace pelmark {
namespace {

using test::Gitter_aus;
using test::Spalte_von;
using test::Zeilen_von;
using Zeilen = std::vector<std::string>;
using Art = Gittermeldung::Art;

struct Sortierfall {
    const char* Name;
    Zeilen Vorher;
    std::function<Gittermeldungen(TEStringGrid&)> Sortieren;
    Zeilen Spalte1_danach; // column 1 from row 0, upper-cased
    Gittermeldungen Meldungen;
};

const Sortierfall Sortierfaelle[] = {
    {"zahl_klein_geschrieben_sortiert_nach_Zahlen",
     {"K;Wert", "a;10", "b;9", "c;100", "d;2,5", "e;-1"},
     [](TEStringGrid& g) { return g.sort("zahl", 1); },
     {"WERT", "-1", "2,5", "9", "10", "100"},
     {}},
    {"Zahlen_ist_unzulaessig_und_sortiert_als_Text",
     {"K;Wert", "a;10", "b;9", "c;100"},
     [](TEStringGrid& g) { return g.sort("Zahlen", 1); },
     {"WERT", "10", "100", "9"},
     {{Art::information, "Unzulässiger Parameter für Sortierart"}}},
    {"Text_ohne_Ruecksicht_auf_Gross_und_klein",
     {"K;W", "1;b", "2;A", "3;a", "4;B"},
     [](TEStringGrid& g) { return g.sort("String", 1); },
     {"W", "A", "A", "B", "B"},
     {}},
    {"Umlaute_werden_gross_wie_ihre_Kleinbuchstaben",
     {"K;W", "1;äpfel", "2;Zange", "3;Äpfel", "4;apfel"},
     [](TEStringGrid& g) { return g.sort("STRING", 1); },
     {"W", "APFEL", "ZANGE", "ÄPFEL", "ÄPFEL"},
     {}},
    {"Datum_in_den_drei_Formen",
     {"K;D", "a;01.2020", "b;2019", "c;15.06.2020"},
     [](TEStringGrid& g) { return g.sort("Datum", 1); },
     {"D", "2019", "01.2020", "15.06.2020"},
     {}},
    {"Datumsfehler_in_Zeile_4_sortiert_nicht",
     {"K;D", "a;2020", "b;2019", "c;2018", "d;31.02.2020"},
     [](TEStringGrid& g) { return g.sort("DATUM", 1); },
     {"D", "2020", "2019", "2018", "31.02.2020"},
     {{Art::warnung, "Formatfehler in Zeile: 4"}}},
    {"Zahl_mit_Punkt_ist_ein_Formatfehler",
     {"K;W", "a;3", "b;1.5", "c;2"},
     [](TEStringGrid& g) { return g.sort("ZAHL", 1); },
     {"W", "3", "1.5", "2"},
     {{Art::warnung, "Formatfehler in Zeile: 2"}}},
    {"feste_Spalte_wird_nicht_sortiert",
     {"K;W", "b;2", "a;1"},
     [](TEStringGrid& g) {
         g.FixedCols = 2;
         return g.sort("STRING", 1);
     },
     {"W", "2", "1"},
     {{Art::hinweis, "Fixierte Spalte kann nicht sortiert werden!"}}},
    {"sort_Teil_ab_Zeile_0_beginnt_unter_dem_Kopf",
     {"Z;W", "a;3", "b;1", "c;2"},
     [](TEStringGrid& g) { return g.sort_Teil("ZAHL", 1, 0, 99); },
     {"W", "1", "2", "3"},
     {}},
    {"sort_Teil_nur_im_Bereich",
     {"Z;W", "a;4", "b;3", "c;2", "d;1"},
     [](TEStringGrid& g) { return g.sort_Teil("ZAHL", 1, 2, 3); },
     {"W", "4", "2", "3", "1"},
     {}},
    {"sort_Teil_prueft_die_ganze_Spalte",
     {"Z;W", "a;4", "b;3", "c;2", "d;x"},
     [](TEStringGrid& g) { return g.sort_Teil("ZAHL", 1, 1, 2); },
     {"W", "4", "3", "2", "X"},
     {{Art::warnung, "Formatfehler in Zeile: 4"}}},
    {"sort_Teil_hinter_dem_Ende_tut_nichts",
     {"Z;W", "a;2", "b;1"},
     [](TEStringGrid& g) { return g.sort_Teil("ZAHL", 1, 5, 9); },
     {"W", "2", "1"},
     {}},
};

class Sortieren : public testing::TestWithParam<Sortierfall> {};

TEST_P(Sortieren, ordnet_die_Spalte_und_meldet) {
    const Sortierfall& fall = GetParam();
    TEStringGrid g = Gitter_aus(fall.Vorher);
    g.FixedCols = 0;
    const Gittermeldungen meldungen = fall.Sortieren(g);
    Zeilen spalte;
    for (const auto& text : Spalte_von(g, 1)) {
        spalte.push_back(Grossbuchstaben(text));
    }
    EXPECT_EQ(spalte, fall.Spalte1_danach);
    EXPECT_EQ(meldungen, fall.Meldungen);
    // Whole rows move: the key column still belongs to its first column.
    for (int r = 0; r < g.RowCount(); ++r) {
        const auto zeile =
            std::find(fall.Vorher.begin(), fall.Vorher.end(), g.Cell(0, r) + ";" + g.Cell(1, r));
        EXPECT_NE(zeile, fall.Vorher.end()) << "Zeile " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(Gitter, Sortieren, testing::ValuesIn(Sortierfaelle),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Sortieren, Datumsfehler_macht_die_Zeile_zur_aktuellen) {
    TEStringGrid g = Gitter_aus({"K;D", "a;2020", "b;2019", "c;2018", "d;31.02.2020"});
    g.Row = 1;
    g.sort("DATUM", 1);
    EXPECT_EQ(g.Row, 4);
    g.Row = 2;
    g.sort("ZAHL", 1);
    EXPECT_EQ(g.Row, 2);
}

TEST(Sortieren, sort_2_sortiert_Laeufe_gleicher_Texte_nach_der_zweiten_Spalte) {
    TEStringGrid g = Gitter_aus({"K;N", "b;4", "a;3", "b;1", "a;2", "a;1", "c;9"});
    EXPECT_TRUE(g.sort_2("STRING", 0, 1).empty());
    EXPECT_EQ(Zeilen_von(g), (Zeilen{"K;N", "a;1", "a;2", "a;3", "b;1", "b;4", "c;9"}));
}

TEST(Sortieren, sort_2_trennt_Laeufe_die_sich_in_Gross_und_klein_unterscheiden) {
    // The text sort leaves b;9, B;3, B;2, b;1 (equal keys, order of the
    // partition sort). Only equal texts form a run: B;3 and B;2 are sorted,
    // while b;9 and b;1 stay apart, each a run of one row.
    TEStringGrid g = Gitter_aus({"K;N", "B;2", "b;1", "B;3", "b;9", "a;5"});
    TEStringGrid nur_Text = g;
    nur_Text.sort("STRING", 0);
    EXPECT_EQ(Zeilen_von(nur_Text), (Zeilen{"K;N", "a;5", "b;9", "B;3", "B;2", "b;1"}));
    EXPECT_TRUE(g.sort_2("STRING", 0, 1).empty());
    EXPECT_EQ(Zeilen_von(g), (Zeilen{"K;N", "a;5", "b;9", "B;2", "B;3", "b;1"}));
}

TEST(Sortieren, sort_2_meldet_den_Formatfehler_einmal_je_Lauf) {
    TEStringGrid g = Gitter_aus({"K;N", "a;x", "a;1", "b;2", "b;3", "c;4"});
    const Gittermeldungen meldungen = g.sort_2("ZAHL", 0, 1);
    // The first sort fails on column 0 (letters), then two runs check column 1.
    ASSERT_EQ(meldungen.size(), 3u);
    for (const auto& m : meldungen) {
        EXPECT_EQ(m.Stufe, Art::warnung);
    }
    EXPECT_EQ(meldungen[0].Text, "Formatfehler in Zeile: 1");
    EXPECT_EQ(meldungen[1].Text, "Formatfehler in Zeile: 1");
}

// The partition sort as written down, comparing the texts themselves at every
// step: the sort with keys converted once must give the very same rows.
void Vergleichssortierung(
    Zeilen& zeilen, const std::function<bool(const std::string&, const std::string&)>& kleiner,
    int lo, int hi) {
    auto key = [&](int r) { return zeilen[static_cast<size_t>(r)].substr(2); };
    int i = lo;
    int j = hi;
    const std::string pivot = key((lo + hi) / 2);
    do {
        while (kleiner(key(i), pivot)) {
            ++i;
        }
        while (kleiner(pivot, key(j))) {
            --j;
        }
        if (i <= j) {
            std::swap(zeilen[static_cast<size_t>(i)], zeilen[static_cast<size_t>(j)]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (lo < j) {
        Vergleichssortierung(zeilen, kleiner, lo, j);
    }
    if (i < hi) {
        Vergleichssortierung(zeilen, kleiner, i, hi);
    }
}

struct Art_und_Werte {
    const char* Art;
    std::vector<std::string> Werte;
    std::function<bool(const std::string&, const std::string&)> Kleiner;
};

TEST(Sortieren, gleiche_Reihenfolge_wie_der_Textvergleich_bei_jedem_Schritt) {
    const Art_und_Werte arten[] = {
        {"STRING",
         {"a", "A", "b", "Ä", "ä", "z", "", "ab", "AB", "ß"},
         [](const std::string& x, const std::string& y) {
             return Grossbuchstaben(x) < Grossbuchstaben(y);
         }},
        {"ZAHL",
         {"1", "01", "2,5", "-3", "10", " 7", "0", "1,0"},
         [](const std::string& x, const std::string& y) {
             return Zelle_zu_Zahl(x, ',') < Zelle_zu_Zahl(y, ',');
         }},
        {"DATUM",
         {"2019", "01.2020", "15.06.2020", "02.2020", "01.01.2020", "31.12.1999", "2000"},
         [](const std::string& x, const std::string& y) {
             return String_zu_Minuten_seit_1900(x) < String_zu_Minuten_seit_1900(y);
         }},
    };
    std::mt19937 zufall(7);
    for (const auto& art : arten) {
        std::uniform_int_distribution<size_t> wahl(0, art.Werte.size() - 1);
        for (int fall = 0; fall < 300; ++fall) {
            Zeilen zeilen = {"K;W"};
            const int anzahl = 1 + fall % 40;
            for (int r = 0; r < anzahl; ++r) {
                zeilen.push_back(std::string(1, static_cast<char>('A' + r % 26)) + ";" +
                                 art.Werte[wahl(zufall)]);
            }
            TEStringGrid g = Gitter_aus(zeilen);
            ASSERT_TRUE(g.sort(art.Art, 1).empty());
            Vergleichssortierung(zeilen, art.Kleiner, 1, anzahl);
            ASSERT_EQ(Zeilen_von(g), zeilen) << art.Art << " Fall " << fall;
        }
    }
}

} // namespace
} // namespace pelmark
