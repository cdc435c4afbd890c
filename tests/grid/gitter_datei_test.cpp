// Loading and saving the grid: the column rule of the first line, the file's
// failures, the trimmed save, the refused save and the round trip.
#include "gitter_hilfen.h"
#include "grid/testringgrid.h"
#include "store/fehler.h"

#include <gtest/gtest.h>

#include <random>

namespace pelmark {
namespace {

using test::Bytes_von;
using test::Gitter_aus;
using test::Testordner;
using test::Zeilen_von;
using Zeilen = std::vector<std::string>;

struct Ladefall {
    const char* Name;
    std::string Bytes;
    Zeilen Erwartet;
};

const Ladefall Ladefaelle[] = {
    {"erste_Zeile_setzt_drei_Spalten", "a;b;c\r\n1;2\r\n", {"a;b;c", "1;2;"}},
    {"laengere_zweite_Zeile_verliert_den_Rest", "a;b\n1;2;3;4\n", {"a;b", "1;2"}},
    {"Zeilenenden_CR_LF_und_CRLF", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
    {"leere_Zeile_in_der_Mitte", "a;b\n\n1;2\n", {"a;b", ";", "1;2"}},
    {"Windows_1252_ohne_Marke",
     "Gr\xf6\xdf"
     "e;\x80\n",
     {"Größe;€"}},
    {"UTF_8_mit_Marke", "\xEF\xBB\xBFMa\xc3\x9f;\xe2\x89\xa4\n", {"Maß;≤"}},
    {"UTF_16_LE_mit_Marke",
     std::string("\xFF\xFE"
                 "a\0;\0b\0",
                 8),
     {"a;b"}},
    {"sechzig_Spalten_bleiben_alle",
     [] {
         std::string z;
         for (int i = 0; i < 60; ++i) {
             z += (i ? ";" : "") + std::to_string(i);
         }
         return z;
     }(),
     {[] {
         std::string z;
         for (int i = 0; i < 60; ++i) {
             z += (i ? ";" : "") + std::to_string(i);
         }
         return z;
     }()}},
};

class Laden : public testing::TestWithParam<Ladefall> {};

TEST_P(Laden, ergibt_die_erwarteten_Zellen) {
    Testordner ordner;
    TEStringGrid g(7, 7);
    g.SetCell(6, 6, "alt");
    g.LoadFromFile(ordner.Datei("t.CSV", GetParam().Bytes));
    EXPECT_EQ(Zeilen_von(g), GetParam().Erwartet);
}

INSTANTIATE_TEST_SUITE_P(Gitter, Laden, testing::ValuesIn(Ladefaelle),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Laden, fehlende_Datei_laesst_das_Gitter_wie_es_ist) {
    Testordner ordner;
    TEStringGrid g = Gitter_aus({"a;b", "1;2"});
    g.LoadFromFile(ordner / "fehlt.CSV");
    g.LoadFromFile("");
    EXPECT_EQ(Zeilen_von(g), (Zeilen{"a;b", "1;2"}));
}

TEST(Laden, leere_Datei_gibt_Listenfehler_und_eine_leere_Zeile) {
    Testordner ordner;
    TEStringGrid g = Gitter_aus({"a;b", "1;2", "3;4"});
    try {
        g.LoadFromFile(ordner.Datei("leer.CSV", ""));
        FAIL() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_STREQ(f.what(), "Listenindex außerhalb des gültigen Bereichs (0)");
    }
    EXPECT_EQ(Zeilen_von(g), (Zeilen{";"}));
    EXPECT_EQ(g.FixedRows, 0);
}

TEST(Laden, mehr_als_100_Spalten_gibt_Bereichsfehler_nach_dem_Setzen_der_Groesse) {
    for (const int spalten : {101, 102, 150}) {
        Testordner ordner;
        std::string zeile;
        for (int i = 0; i < spalten; ++i) {
            zeile += (i ? ";" : "") + std::to_string(i);
        }
        TEStringGrid g;
        EXPECT_THROW(g.LoadFromFile(ordner.Datei("v.CSV", zeile + "\nx\n")), Fehler);
        EXPECT_EQ(g.ColCount(), spalten);
        EXPECT_EQ(g.RowCount(), 2);
        EXPECT_EQ(g.Cell(99, 0), "99");
        EXPECT_EQ(g.Cell(100, 0), "");
    }
}

TEST(Laden, hundert_Spalten_sind_erlaubt) {
    Testordner ordner;
    std::string zeile;
    for (int i = 0; i < 100; ++i) {
        zeile += (i ? ";" : "") + std::to_string(i);
    }
    TEStringGrid g;
    g.LoadFromFile(ordner.Datei("h.CSV", zeile + "\n"));
    EXPECT_EQ(g.ColCount(), 100);
    EXPECT_EQ(g.Cell(99, 0), "99");
}

struct Speicherfall {
    const char* Name;
    Zeilen Gitter;
    Zeilen Gitter_danach;
    std::string Bytes;
};

const Speicherfall Speicherfaelle[] = {
    {"leere_letzte_Spalte_und_zwei_leere_Zeilen_fallen_weg",
     {"a;b;", "1;2;", ";;", ";;"},
     {"a;b", "1;2"},
     "a;b\r\n1;2\r\n"},
    {"Leerzeichen_zaehlt_als_Inhalt", {"a;;", ";; "}, {"a;;", ";; "}, "a;;\r\n;; \r\n"},
    {"leeres_Gitter_gibt_eine_leere_Zeile", {";", ";"}, {""}, "\r\n"},
    {"Umlaute_in_Windows_1252", {"Maß;Ø"}, {"Maß;Ø"}, "Ma\xdf;\xd8\r\n"},
    {"fremdes_Zeichen_gibt_UTF_8_mit_Marke",
     {"Maß;≤"},
     {"Maß;≤"},
     "\xEF\xBB\xBFMa\xc3\x9f;\xe2\x89\xa4\r\n"},
};

class Speichern : public testing::TestWithParam<Speicherfall> {};

TEST_P(Speichern, schreibt_die_erwarteten_Bytes) {
    Testordner ordner;
    TEStringGrid g = Gitter_aus(GetParam().Gitter);
    g.SaveToFile(ordner / "s.CSV");
    EXPECT_EQ(Bytes_von(ordner / "s.CSV"), GetParam().Bytes);
    EXPECT_EQ(Zeilen_von(g), GetParam().Gitter_danach);
}

INSTANTIATE_TEST_SUITE_P(Gitter, Speichern, testing::ValuesIn(Speicherfaelle),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(Speichern, Trennzeichen_oder_Zeilenumbruch_in_einer_Zelle_aendert_nichts) {
    for (const std::string zelle : {"a;b", "a\nb", "a\r"}) {
        Testordner ordner;
        const auto datei = ordner.Datei("s.CSV", "alt\r\n");
        TEStringGrid g = Gitter_aus({"x;y", "1;2", ";"});
        g.SetCell(1, 1, zelle);
        try {
            g.SaveToFile(datei);
            FAIL() << "kein Fehler";
        } catch (const Fehler& f) {
            EXPECT_NE(std::string(f.what()).find("Zeile 2, Spalte 2"), std::string::npos);
        }
        EXPECT_EQ(Bytes_von(datei), "alt\r\n");
        EXPECT_EQ(g.RowCount(), 3);
    }
}

TEST(Speichern, unschreibbarer_Ort_laesst_alte_Datei_und_meldet) {
    Testordner ordner;
    TEStringGrid g = Gitter_aus({"a", "b"});
    EXPECT_THROW(g.SaveToFile(ordner / "fehlt" / "s.CSV"), Fehler);
}

// Texts without ";" and line breaks, with umlauts and now and then a
// character outside Windows-1252.
std::string Zufallstext(std::mt19937& zufall) {
    static const std::vector<std::string> zeichen = {"a", "Z", "0", "9", " ", ",", ".", "-",
                                                     "ä", "Ö", "ß", "µ", "€", "≤", "Ω", "\t"};
    std::uniform_int_distribution<int> laenge(0, 6);
    std::uniform_int_distribution<size_t> wahl(0, zeichen.size() - 1);
    std::string text;
    for (int i = laenge(zufall); i > 0; --i) {
        text += zeichen[wahl(zufall)];
    }
    return text;
}

TEST(Rundreise, tausende_Tabellen_kommen_gleich_zurueck) {
    std::mt19937 zufall(20260);
    std::uniform_int_distribution<int> spalten(1, 100);
    std::uniform_int_distribution<int> zeilen(1, 12);
    Testordner ordner;
    const auto datei = ordner / "r.CSV";
    for (int fall = 0; fall < 2000; ++fall) {
        TEStringGrid g(spalten(zufall), zeilen(zufall));
        for (int r = 0; r < g.RowCount(); ++r) {
            for (int c = 0; c < g.ColCount(); ++c) {
                g.SetCell(c, r, Zufallstext(zufall));
            }
        }
        // The first line carries every column, as a free table's widths line does.
        g.SetCell(g.ColCount() - 1, 0, "w");
        g.SaveToFile(datei);
        const Zeilen gespeichert = Zeilen_von(g);
        TEStringGrid neu(3, 3);
        neu.LoadFromFile(datei);
        ASSERT_EQ(Zeilen_von(neu), gespeichert) << "Fall " << fall;
    }
}

} // namespace
} // namespace pelmark
