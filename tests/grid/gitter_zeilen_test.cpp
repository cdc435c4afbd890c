// Row and column edits and the two searches of the grid.
#include "gitter_hilfen.h"
#include "grid/testringgrid.h"
#include "store/fehler.h"

#include <gtest/gtest.h>

#include <functional>

namespace pelmark {
namespace {

using test::Gitter_aus;
using test::Zeilen_von;
using Zeilen = std::vector<std::string>;

struct Bearbeitung {
    const char* Name;
    Zeilen Vorher;
    std::function<Gittermeldungen(TEStringGrid&)> Schritt;
    Zeilen Nachher;
    std::string Meldung; // empty: none expected
};

Gittermeldungen Ohne(std::function<void(TEStringGrid&)> f, TEStringGrid& g) {
    f(g);
    return {};
}

const Zeilen Zehn = {"K;L", "1;a", "2;b", "3;c", "4;d", "5;e", "6;f", "7;g", "8;h", "9;i"};

const Bearbeitung Bearbeitungen[] = {
    {"Clear_auf_zehn_Zeilen_laesst_Kopf_und_eine_leere_Zeile",
     Zehn,
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.Clear(); }, g); },
     {"K;L", ";"},
     ""},
    {"Clear_auf_einer_Zeile_gibt_zwei",
     {"K;L"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.Clear(); }, g); },
     {"K;L", ";"},
     ""},
    {"DeleteLine_auf_zwei_Zeilen_leert_Zeile_1",
     {"K;L", "1;a"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.DeleteLine(1); }, g); },
     {"K;L", ";"},
     ""},
    {"DeleteLine_0_tut_nichts",
     {"K;L", "1;a", "2;b"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.DeleteLine(0); }, g); },
     {"K;L", "1;a", "2;b"},
     ""},
    {"DeleteLine_hinter_dem_Ende_tut_nichts",
     {"K;L", "1;a", "2;b"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.DeleteLine(3); }, g); },
     {"K;L", "1;a", "2;b"},
     ""},
    {"DeleteLine_in_der_Mitte_rueckt_auf",
     {"K;L", "1;a", "2;b", "3;c"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.DeleteLine(2); }, g); },
     {"K;L", "1;a", "3;c"},
     ""},
    {"DeleteHeadline_auf_drei_Zeilen",
     {"K;L", "1;a", "2;b"},
     [](TEStringGrid& g) { return g.DeleteHeadline(); },
     {"1;a", "2;b"},
     ""},
    {"DeleteHeadline_auf_zwei_Zeilen_meldet",
     {"K;L", "1;a"},
     [](TEStringGrid& g) { return g.DeleteHeadline(); },
     {"K;L", "1;a"},
     "Es müssen mindestens 2 Zeilen vorhanden sein"},
    {"InsertLine_in_der_Mitte",
     {"K;L", "1;a", "2;b"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.InsertLine(1); }, g); },
     {"K;L", ";", "1;a", "2;b"},
     ""},
    {"InsertLine_am_Ende_haengt_an",
     {"K;L", "1;a"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.InsertLine(7); }, g); },
     {"K;L", "1;a", ";"},
     ""},
    {"InsertLine_negativ_tut_nichts",
     {"K;L", "1;a"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.InsertLine(-1); }, g); },
     {"K;L", "1;a"},
     ""},
    {"ChangeLine_tauscht",
     {"K;L", "1;a", "2;b"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.ChangeLine(0, 2); }, g); },
     {"2;b", "1;a", "K;L"},
     ""},
    {"ChangeLine_ausserhalb_tut_nichts",
     {"K;L", "1;a"},
     [](TEStringGrid& g) { return Ohne([](TEStringGrid& h) { h.ChangeLine(1, 2); }, g); },
     {"K;L", "1;a"},
     ""},
    {"DeleteColumm_rueckt_nach_links",
     {"A;B;C", "1;2;3"},
     [](TEStringGrid& g) { return g.DeleteColumm(0); },
     {"B;C", "2;3"},
     ""},
    {"DeleteColumm_zu_hoch_meldet",
     {"A;B;C", "1;2;3"},
     [](TEStringGrid& g) { return g.DeleteColumm(3); },
     {"A;B;C", "1;2;3"},
     "Die Spaltenanzahl ist zu hoch"},
    {"DeleteColumm_der_einzigen_Spalte_leert_sie",
     {"A", "1"},
     [](TEStringGrid& g) { return g.DeleteColumm(0); },
     {"", ""},
     ""},
    {"DeleteColumm_negativ_tut_nichts",
     {"A;B", "1;2"},
     [](TEStringGrid& g) { return g.DeleteColumm(-1); },
     {"A;B", "1;2"},
     ""},
};

class Zeilenbearbeitung : public testing::TestWithParam<Bearbeitung> {};

TEST_P(Zeilenbearbeitung, ergibt_die_erwarteten_Zeilen) {
    const Bearbeitung& fall = GetParam();
    TEStringGrid g = Gitter_aus(fall.Vorher);
    const Gittermeldungen meldungen = fall.Schritt(g);
    EXPECT_EQ(Zeilen_von(g), fall.Nachher);
    if (fall.Meldung.empty()) {
        EXPECT_TRUE(meldungen.empty());
    } else {
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].Text, fall.Meldung);
        EXPECT_EQ(meldungen[0].Stufe, Gittermeldung::Art::information);
    }
}

INSTANTIATE_TEST_SUITE_P(Gitter, Zeilenbearbeitung, testing::ValuesIn(Bearbeitungen),
                         [](const auto& info) { return std::string(info.param.Name); });

struct Suche {
    const char* Name;
    bool In_Spalte; // searchInCol, else searchINRow
    std::string Text;
    int Index;
    int Ergebnis;
};

const Suche Suchen[] = {
    {"Spalte_findet_erste_Zeile", true, "x", 1, 2},
    {"Spalte_sucht_nicht_in_Zeile_0", true, "Name", 1, -1},
    {"Spalte_ausserhalb_gibt_minus_1", true, "x", 2, -1},
    {"Spalte_negativ_gibt_minus_1", true, "", -1, -1},
    {"Spalte_vergleicht_Gross_und_klein", true, "X", 1, -1},
    {"Zeile_sucht_auch_in_Spalte_0", false, "Nr", 0, 0},
    {"Zeile_findet_erste_Spalte", false, "x", 2, 1},
    {"Zeile_ausserhalb_gibt_minus_1", false, "x", 4, -1},
    {"Zeile_ohne_Treffer_gibt_minus_1", false, "y", 1, -1},
};

class Gittersuche : public testing::TestWithParam<Suche> {};

TEST_P(Gittersuche, findet_das_Erwartete) {
    const Suche& fall = GetParam();
    const TEStringGrid g = Gitter_aus({"Nr;Name", "1;a", "2;x", "3;x"});
    const int ergebnis = fall.In_Spalte ? g.searchInCol(fall.Text, fall.Index)
                                        : g.searchINRow(fall.Text, fall.Index);
    EXPECT_EQ(ergebnis, fall.Ergebnis);
}

INSTANTIATE_TEST_SUITE_P(Gitter, Gittersuche, testing::ValuesIn(Suchen),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Gittersuche, Spalte_in_einzeiligem_Gitter_gibt_minus_1) {
    const TEStringGrid g = Gitter_aus({"x;y"}, 0);
    EXPECT_EQ(g.searchInCol("x", 0), -1);
    EXPECT_EQ(g.searchINRow("y", 0), 1);
}

struct Groesse {
    int Zeilen, Fest, Erwartet_fest;
};

TEST(Gittergroesse, weniger_Zeilen_senken_die_festen_Zeilen) {
    for (const Groesse fall : {Groesse{5, 1, 1}, Groesse{1, 1, 0}, Groesse{0, 1, 0},
                               Groesse{2, 2, 1}, Groesse{3, 2, 2}}) {
        TEStringGrid g(3, 6);
        g.FixedRows = fall.Fest;
        g.SetRowCount(fall.Zeilen);
        EXPECT_EQ(g.RowCount(), std::max(fall.Zeilen, 1));
        EXPECT_EQ(g.FixedRows, fall.Erwartet_fest) << fall.Zeilen << " Zeilen";
    }
}

TEST(Gittergroesse, feste_Zeilen_muessen_eine_Zeile_frei_lassen) {
    TEStringGrid g(2, 1);
    EXPECT_THROW(g.SetFixedRows(1), Fehler);
    g.SetRowCount(2);
    g.SetFixedRows(1);
    EXPECT_EQ(g.FixedRows, 1);
}

} // namespace
} // namespace pelmark
