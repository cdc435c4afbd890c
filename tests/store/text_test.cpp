// Splitting lines, counting fields, comma and remark rules, interpolation,
// the tangent and inch fractions.
#include "store/mathe.h"
#include "store/text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pelmark {
namespace {

TEST(CSV_Stringtrennung, Felder_und_Grenzen) {
    const struct {
        const char* Name;
        std::string Zeile;
        int Anzahl;
        std::vector<std::string> Felder; // entries 0.. that must hold these texts
    } faelle[] = {
        {"Anzahl begrenzt", "a;b;c", 2, {"a", "b", ""}},
        {"leeres Feld in der Mitte", "a;;b", 5, {"a", "", "b", "", ""}},
        {"Semikolon am Ende", "a;b;", 5, {"a", "b", ""}},
        {"leerer Text", "", 3, {"", "", ""}},
        {"Blanks bleiben", " a ; b", 2, {" a ", " b"}},
        {"Anführungszeichen ohne Bedeutung", "\"a;b\"", 2, {"\"a", "b\""}},
    };
    for (const auto& fall : faelle) {
        Stringarray felder;
        felder.fill("alt");
        CSV_Stringtrennung(fall.Zeile, fall.Anzahl, felder);
        for (size_t i = 0; i < fall.Felder.size(); ++i) {
            EXPECT_EQ(felder[i], fall.Felder[i]) << fall.Name << ", Feld " << i;
        }
        for (size_t i = fall.Felder.size(); i <= 50; ++i) {
            EXPECT_EQ(felder[i], "") << fall.Name << ", Feld " << i;
        }
        for (size_t i = 51; i <= 100; ++i) {
            EXPECT_EQ(felder[i], "alt") << fall.Name << ", Feld " << i;
        }
    }
}

TEST(CSV_Stringtrennung, hoechstens_51_Felder) {
    std::string zeile;
    for (int i = 0; i < 60; ++i) {
        zeile += (i ? ";" : "") + std::to_string(i);
    }
    Stringarray felder;
    felder.fill("alt");
    CSV_Stringtrennung(zeile, 100, felder);
    EXPECT_EQ(felder[0], "0");
    EXPECT_EQ(felder[50], "50");
    EXPECT_EQ(felder[51], "alt");
    EXPECT_EQ(felder[100], "alt");
}

TEST(Anz_CSV_Spalten, zaehlt_Trenner_plus_eins) {
    EXPECT_EQ(Anz_CSV_Spalten("a;b;"), 3);
    EXPECT_EQ(Anz_CSV_Spalten(""), 1);
    EXPECT_EQ(Anz_CSV_Spalten("80;120"), 2);
}

TEST(Textregeln, Komma_und_Kommentar) {
    EXPECT_EQ(Komma_zu_Punkt("1,5;2,5"), "1.5;2.5");
    EXPECT_EQ(Kommentar_ausblenden("20 (22)"), "20 ");
    EXPECT_EQ(Kommentar_ausblenden("20(22)"), "20");
    EXPECT_EQ(Kommentar_ausblenden("20"), "20");
    EXPECT_FALSE(Lies_Zahl_streng(Kommentar_ausblenden("20 (22)")).has_value());
}

TEST(Interpoliere_Linear, gerade_und_Fehlerfall) {
    EXPECT_EQ(Interpoliere_Linear(2, 1.5L, 1, 20, 10), 15.0L);
    EXPECT_EQ(Interpoliere_Linear(2, 3, 1, 20, 10), 30.0L); // extrapolates
    EXPECT_EQ(Interpoliere_Linear(1, 1, 1, 20, 10), 0.0L);  // equal abscissas
    EXPECT_EQ(Interpoliere_Linear(1, 5, 1, 20, 10), 0.0L);
}

TEST(Tangens, Grad) {
    EXPECT_NEAR(static_cast<double>(Tangens(45)), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(Tangens(7.5)), 0.13165249758739583, 1e-15);
    EXPECT_EQ(Tangens(0), 0.0L);
}

TEST(Zoll_in_mm, Brueche_und_Fehler) {
    const struct {
        const char* Text;
        Extended Erwartet;
    } faelle[] = {
        {"3/4", 0.75L},  {"1 1/4", 1.25L},  {"2", 2.0L},    {"1 ", 1.0L},
        {"5/8", 0.625L}, {"1 1/8", 1.125L}, {"", -1.0L},    {"1,5", -1.0L},
        {" 1", -1.0L},   {"1/0", -1.0L},    {"M16", -1.0L},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Zoll_in_mm(fall.Text), fall.Erwartet) << "«" << fall.Text << "»";
    }
}

} // namespace
} // namespace pelmark
