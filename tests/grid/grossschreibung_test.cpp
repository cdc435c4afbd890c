// Upper-casing for the text sort.
#include "grid/grossschreibung.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

struct Fall {
    const char* Text;
    const char* Gross;
};

const Fall Faelle[] = {
    {"abc", "ABC"},
    {"ABC", "ABC"},
    {"äöü", "ÄÖÜ"},
    {"Straße", "STRAßE"},
    {"élan", "ÉLAN"},
    {"ÿ", "Ÿ"},
    {"œuvre", "ŒUVRE"},
    {"łódź", "ŁÓDŹ"},
    {"šž", "ŠŽ"},
    {"ωσς", "ΩΣΣ"},
    {"жёлтый", "ЖЁЛТЫЙ"},
    {"x ≤ 5,5 µm", "X ≤ 5,5 µM"},
    {"÷×", "÷×"},
    {"", ""},
    {"\xff"
     "a",
     "\xff"
     "A"},
};

TEST(Grossbuchstaben, macht_Buchstaben_gross_und_laesst_den_Rest) {
    for (const Fall& fall : Faelle) {
        EXPECT_EQ(Grossbuchstaben(fall.Text), fall.Gross) << fall.Text;
    }
}

TEST(Grossbuchstaben, Umlaute_ordnen_sich_nach_ihrem_Zeichencode) {
    EXPECT_EQ(Grossbuchstaben("äpfel"), Grossbuchstaben("Äpfel"));
    EXPECT_LT(Grossbuchstaben("zange"), Grossbuchstaben("äpfel"));
    EXPECT_LT(Grossbuchstaben("abc"), Grossbuchstaben("abcd"));
}

} // namespace
} // namespace pelmark
