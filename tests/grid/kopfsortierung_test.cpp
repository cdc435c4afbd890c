// Sorting by a click on a column heading: the key kind read from the cells,
// ascending first, a second click descending, rows above the first stay.
#include "gitter_hilfen.h"
#include "grid/kopfsortierung.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

using Zeilen = std::vector<std::string>;

struct Kopffall {
    const char* Name;
    Zeilen Vorher;
    int Erste; // the first row that moves
    const char* Art;
    Zeilen Nach_einem_Klick;
    Zeilen Nach_zwei_Klicks;
};

const Kopffall Kopffaelle[] = {
    {"Zahlen_nach_Wert",
     {"Nr;Wert", "a;10", "b;9", "c;-2,5"},
     1,
     "ZAHL",
     {"Nr;Wert", "c;-2,5", "b;9", "a;10"},
     {"Nr;Wert", "a;10", "b;9", "c;-2,5"}},
    {"Daten_nach_Tag",
     {"Tag", "15.06.2020", "2019", "01.2020"},
     1,
     "DATUM",
     {"Tag", "2019", "01.2020", "15.06.2020"},
     {"Tag", "15.06.2020", "01.2020", "2019"}},
    {"gemischt_als_Text_ohne_Gross_und_Klein",
     {"Name", "b", "10", "A", "9"},
     1,
     "STRING",
     {"Name", "10", "9", "A", "b"},
     {"Name", "b", "A", "9", "10"}},
    {"leere_Zelle_macht_Text",
     {"W", "10", "", "9"},
     1,
     "STRING",
     {"W", "", "10", "9"},
     {"W", "9", "10", ""}},
    {"Breitenzeile_im_Editmodus_bleibt_oben",
     {"80;120", "Nr;Name", "1;y", "2;x"},
     2,
     "STRING",
     {"80;120", "Nr;Name", "2;x", "1;y"},
     {"80;120", "Nr;Name", "1;y", "2;x"}},
};

class Kopfsortierung : public ::testing::TestWithParam<Kopffall> {};

TEST_P(Kopfsortierung, erster_Klick_steigend_zweiter_fallend) {
    const Kopffall& fall = GetParam();
    TEStringGrid g = test::Gitter_aus(fall.Vorher, 0);
    const int spalte = g.ColCount() - 1;
    EXPECT_EQ(Sortierart_der_Spalte(g, spalte, fall.Erste), fall.Art);
    EXPECT_TRUE(Nach_Spalte_sortieren(g, spalte, fall.Erste).empty());
    EXPECT_EQ(test::Zeilen_von(g), fall.Nach_einem_Klick);
    EXPECT_TRUE(Nach_Spalte_sortieren(g, spalte, fall.Erste).empty());
    EXPECT_EQ(test::Zeilen_von(g), fall.Nach_zwei_Klicks);
    EXPECT_EQ(g.FixedRows, 0);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Kopfsortierung, ::testing::ValuesIn(Kopffaelle),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace pelmark
