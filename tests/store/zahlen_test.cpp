// Number reading and writing: the strict reading, the table cell reading, the
// whole-number reading and the three writers.
#include "store/fehler.h"
#include "store/zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pelmark {
namespace {

struct Festkommafall {
    const char* Name;
    Extended Wert;
    int Stellen;
    const char* Erwartet;
};

const Festkommafall festkommafaelle[] = {
    {"exakte Hälfte rundet auf", 0.125L, 2, "0,13"},
    {"Double knapp unter 2,675", static_cast<Extended>(2.675), 2, "2,67"},
    {"Double knapp unter 1,005", static_cast<Extended>(1.005), 2, "1,00"},
    {"63,125 auf eine Stelle", 63.125L, 1, "63,1"},
    {"negative Hälfte weg von null", -0.125L, 2, "-0,13"},
    {"negativ klein wird null ohne Vorzeichen", -0.001L, 2, "0,00"},
    {"null", 0.0L, 2, "0,00"},
    {"null ohne Stellen", 0.0L, 0, "0"},
    {"ganzzahlig gerundet", 2.5L, 0, "3"},
    {"unter einer Hälfte ganzzahlig", 0.4L, 0, "0"},
    {"Übertrag über alle Stellen", 9.9999L, 2, "10,00"},
    {"Windruck-Startwert", 1100.0L, 2, "1100,00"},
    {"über 10 hoch 15", 1234567890123456.75L, 2, "1234567890123456,75"},
    {"10 hoch 20", 1e20L, 1, "100000000000000000000,0"},
    {"klein mit vielen Stellen", 0.000123456L, 5, "0,00012"},
    {"Double 0,1 auf 18 Stellen", static_cast<Extended>(0.1), 17, "0,10000000000000001"},
    {"negativ groß", -149.5L, 0, "-150"},
};

class Festkomma_Test : public ::testing::TestWithParam<Festkommafall> {};

TEST_P(Festkomma_Test, schreibt_wie_erwartet) {
    const auto& fall = GetParam();
    EXPECT_EQ(Festkomma(fall.Wert, fall.Stellen, ','), fall.Erwartet) << fall.Name;
}

INSTANTIATE_TEST_SUITE_P(Tabelle, Festkomma_Test, ::testing::ValuesIn(festkommafaelle));

TEST(Festkomma, nimmt_den_gegebenen_Separator) {
    EXPECT_EQ(Festkomma(4.11L, 2, '.'), "4.11");
    EXPECT_EQ(Festkomma(std::numeric_limits<Extended>::infinity(), 2, ','), "INF");
}

TEST(Fuenfstellig, Beispiele_der_Umrechnungsseite) {
    const struct {
        Extended Wert;
        const char* Erwartet;
    } faelle[] = {
        {1.0L, "1,00000"},          {212.0L, "212,00000"},      {100.0L, "100,00000"},
        {-40.0L, "-4,0000E+1"},     {12345678.0L, "1,2346E+7"}, {1000000.0L, "1E+6"},
        {1000001.0L, "1,0000E+6"},  {0.0L, "0,0000E+0"},        {2.54L, "2,54000"},
        {1234.5678L, "1234,60000"}, {0.000123456L, "0,00012"},  {123456.0L, "1,2346E+5"},
        {0.0000001L, "1,0000E-7"},  {99999.9L, "1E+5"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Fuenfstellig(fall.Wert, ','), fall.Erwartet) << static_cast<double>(fall.Wert);
    }
}

TEST(Allgemein, bis_15_Stellen_ohne_Endnullen) {
    const struct {
        Extended Wert;
        const char* Erwartet;
    } faelle[] = {
        {104.326L, "104,326"}, {0.5L, "0,5"},
        {100.0L, "100"},       {0.0L, "0"},
        {-2.25L, "-2,25"},     {1.0L / 3.0L, "0,333333333333333"},
        {1e20L, "1E20"},       {0.00001L, "1E-5"},
        {0.0001L, "0,0001"},   {static_cast<Extended>(0.1), "0,1"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Allgemein(fall.Wert, ','), fall.Erwartet) << static_cast<double>(fall.Wert);
    }
}

TEST(Lies_Zahl_streng, nimmt_an_und_weist_ab) {
    const struct {
        const char* Text;
        bool Gueltig;
        double Wert;
    } faelle[] = {
        {"5.", true, 5},   {".5", true, 0.5},     {"1e3", true, 1000},      {"1,5", true, 1.5},
        {" 7", true, 7},   {"+2", true, 2},       {"-2.5E-1", true, -0.25}, {"12 ", false, 0},
        {"", false, 0},    {".", false, 0},       {"1e", false, 0},         {"1.2.3", false, 0},
        {"abc", false, 0}, {"20 (22)", false, 0}, {"1e99999", false, 0},
    };
    for (const auto& fall : faelle) {
        const auto wert = Lies_Zahl_streng(fall.Text);
        EXPECT_EQ(wert.has_value(), fall.Gueltig) << fall.Text;
        if (wert && fall.Gueltig) {
            EXPECT_DOUBLE_EQ(static_cast<double>(*wert), fall.Wert) << fall.Text;
        }
    }
    EXPECT_FALSE(Lies_Zahl_Punkt("1,5").has_value());
}

TEST(Zelle_zu_Zahl, liest_mit_dem_Programmseparator) {
    EXPECT_EQ(Zelle_zu_Zahl("2,5", ','), 2.5L);
    EXPECT_EQ(Zelle_zu_Zahl(" 2,5 ", ','), 2.5L);
    EXPECT_EQ(Zelle_zu_Zahl("-1,5E2", ','), -150.0L);
    EXPECT_EQ(Zelle_zu_Zahl("3", ','), 3.0L);
    for (const char* text : {"2.5", "", "20 (22)", "-", "1;2", "abc"}) {
        try {
            Zelle_zu_Zahl(text, ',');
            ADD_FAILURE() << "keine Meldung für «" << text << "»";
        } catch (const Fehler& fehler) {
            EXPECT_EQ(std::string(fehler.what()),
                      std::string("'") + text + "' ist kein gültiger Gleitkommawert");
        }
    }
}

TEST(Lies_Ganzzahl, dezimal_und_hexadezimal_in_32_Bit) {
    const struct {
        const char* Text;
        std::optional<std::int32_t> Erwartet;
    } faelle[] = {
        {"149", 149},
        {"  -12", -12},
        {"$FF", 255},
        {"x10", 16},
        {"0x1A", 26},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", std::nullopt},
        {"40,5", std::nullopt},
        {"40.5", std::nullopt},
        {"40 ", std::nullopt},
        {"", std::nullopt},
        {"$", std::nullopt},
        {"$FFFFFFFF", -1},
        {"$1FFFFFFFF", std::nullopt},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Lies_Ganzzahl(fall.Text), fall.Erwartet) << fall.Text;
    }
}

TEST(Kurzform, kuerzeste_Rueckleseform) {
    EXPECT_EQ(Kurzform(850.5), "850.5");
    EXPECT_EQ(Kurzform(1100), "1100");
    EXPECT_EQ(Kurzform(0.1), "0.1");
}

// Writing and reading back gives the same value to the shown digits.
TEST(Festkomma, Rundreise_ueber_viele_Werte) {
    for (int i = -20000; i <= 20000; i += 7) {
        const Extended wert = static_cast<Extended>(i) / 8.0L; // exact in binary
        const std::string text = Festkomma(wert, 3, ',');
        EXPECT_EQ(Zelle_zu_Zahl(text, ','), wert) << text;
    }
}

} // namespace
} // namespace pelmark
