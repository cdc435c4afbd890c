// Date keys: leap years without the century rule, day numbers, minutes from
// 1900 and the three text forms of a date.
#include "grid/u_zeit.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

TEST(Schaltjahr, jedes_vierte_Jahr_ohne_Jahrhundertregel) {
    struct Fall {
        std::uint16_t Jahr;
        bool Schalt;
    };
    for (const Fall fall : {Fall{1900, true}, Fall{2000, true}, Fall{2100, true}, Fall{2020, true},
                            Fall{2019, false}, Fall{1901, false}}) {
        EXPECT_EQ(Schaltjahr(fall.Jahr), fall.Schalt) << fall.Jahr;
    }
}

struct Tagfall {
    int Jahr, Monat, Tag;
    int Nummer;
};

TEST(TagNummer, zaehlt_den_Februar_nach_Schaltjahr) {
    for (const Tagfall fall :
         {Tagfall{2019, 1, 1, 1}, Tagfall{2019, 3, 1, 60}, Tagfall{2020, 3, 1, 61},
          Tagfall{1900, 3, 1, 61}, Tagfall{2020, 12, 31, 366}, Tagfall{2019, 12, 31, 365}}) {
        EXPECT_EQ(TagNummer(Kodiere_Datum(fall.Jahr, fall.Monat, fall.Tag)), fall.Nummer)
            << fall.Tag << "." << fall.Monat << "." << fall.Jahr;
    }
}

struct Minutenfall {
    const char* Name;
    Datumswert Datum;
    std::int64_t Minuten;
};

TEST(Minuten_seit_1900, zaehlt_1900_als_Schaltjahr) {
    const Datumswert neujahr_1900 = Kodiere_Datum(1900, 1, 1);
    const Minutenfall faelle[] = {
        {"1.1.1900", neujahr_1900, 0},
        {"1.1.1901", Kodiere_Datum(1901, 1, 1), 527040},
        {"1.1.1902", Kodiere_Datum(1902, 1, 1), 1052640},
        {"2.1.1900 12:00:29", neujahr_1900 + 1 + (12 * 3600 + 29) / 86400.0, 1440 + 720},
        {"2.1.1900 12:00:30", neujahr_1900 + 1 + (12 * 3600 + 30) / 86400.0, 1440 + 721},
        {"31.12.1899", Kodiere_Datum(1899, 12, 31), -1440},
        {"1.1.1899", Kodiere_Datum(1899, 1, 1), -525600},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Minuten_seit_1900_lang(fall.Datum), fall.Minuten) << fall.Name;
        EXPECT_EQ(Minuten_seit_1900(fall.Datum), fall.Minuten) << fall.Name;
    }
}

TEST(Minuten_seit_1900, spaete_Jahre_bleiben_in_der_langen_Form_geordnet) {
    std::int64_t vorher = Minuten_seit_1900_lang(Kodiere_Datum(1, 1, 1));
    for (int jahr = 2; jahr <= 9999; jahr += 37) {
        const std::int64_t jetzt = Minuten_seit_1900_lang(Kodiere_Datum(jahr, 6, 15));
        EXPECT_LT(vorher, jetzt) << jahr;
        vorher = jetzt;
    }
}

struct Textfall {
    const char* Text;
    int Jahr, Monat, Tag; // Jahr 0: not a date
};

const Textfall Textfaelle[] = {
    {"2021", 2021, 1, 1},
    {"12.2021", 2021, 12, 1},
    {"24.12.2021", 2021, 12, 24},
    {"24/12/2021", 2021, 12, 24},
    {"24x12y2021", 2021, 12, 24},
    {" 1.2021", 2021, 1, 1},
    {"+1.2021", 2021, 1, 1},
    {"29.02.2000", 2000, 2, 29},
    {"30.12.1899", 1899, 12, 30},
    {"01.01.0001", 1, 1, 1},
    {"31.12.9999", 9999, 12, 31},
    {"31.02.2020", 0, 0, 0},
    {"29.02.1900", 0, 0, 0},
    {"29.12.1899", 0, 0, 0},
    {"0000", 0, 0, 0},
    {"13.2020", 0, 0, 0},
    {"1a.2020", 0, 0, 0},
    {"2021 ", 0, 0, 0},
    {"20210", 0, 0, 0},
    {"", 0, 0, 0},
    {"ab12", 0, 0, 0},
    {"-1.2020", 0, 0, 0},
    {"1 .2020", 0, 0, 0},
    {"24·12·2021", 2021, 12, 24},
};

TEST(String_zu_Datum, liest_die_drei_Formen) {
    for (const auto& fall : Textfaelle) {
        const Datumswert erwartet =
            fall.Jahr == 0 ? -1 : Kodiere_Datum(fall.Jahr, fall.Monat, fall.Tag);
        EXPECT_EQ(String_zu_Datum(fall.Text), erwartet) << "«" << fall.Text << "»";
    }
}

TEST(Kodiere_Datum, zaehlt_vom_30_Dezember_1899) {
    EXPECT_EQ(Kodiere_Datum(1899, 12, 30), 0);
    EXPECT_EQ(Kodiere_Datum(1900, 1, 1), 2);
    EXPECT_EQ(Kodiere_Datum(2000, 1, 1), 36526);
    EXPECT_EQ(Kodiere_Datum(2021, 2, 29), -1);
}

TEST(String_zu_Minuten_seit_1900, minus_1_fuer_keinen_Datumstext) {
    EXPECT_EQ(String_zu_Minuten_seit_1900("1901"), 527040);
    EXPECT_EQ(String_zu_Minuten_seit_1900("01.1902"), 1052640);
    EXPECT_EQ(String_zu_Minuten_seit_1900("31.02.2020"), -1);
    EXPECT_EQ(String_zu_Minuten_seit_1900("gestern"), -1);
}

} // namespace
} // namespace pelmark
