// The picture area of the page "Formeln".
#include "app/bildseite.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

TEST(Bildflaeche, Grenzen_und_Rundung) {
    const struct {
        const char* Name;
        int Breite, Hoehe;
        int Erwartet_Breite, Erwartet_Hoehe;
    } faelle[] = {
        {"zu breit", 1526, 500, 763, 250},
        {"zu hoch", 400, 900, 207, 465},
        {"passt", 600, 300, 600, 300},
        {"hochkant passt", 300, 450, 300, 450},
        {"beide um 100 zu groß: bleibt", 863, 565, 111, 222},
        {"Breite weiter drüber", 800, 470, 763, 448},
        {"Hälfte zur geraden Zahl", 1526, 501, 763, 250},
        {"Hälfte zur geraden Zahl aufwärts", 1526, 503, 763, 252},
    };
    for (const auto& fall : faelle) {
        const Bildgroesse g = Bildflaeche(fall.Breite, fall.Hoehe, {111, 222});
        EXPECT_EQ(g.Breite, fall.Erwartet_Breite) << fall.Name;
        EXPECT_EQ(g.Hoehe, fall.Erwartet_Hoehe) << fall.Name;
    }
}

} // namespace
} // namespace pelmark
