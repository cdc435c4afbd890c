// Line spacing in whole millimetres: halves to the even neighbour, the line
// with the larger envelope brings its flange radius, sums that never wrap.
#include "calc/abstand.h"
#include "store/fehler.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

TEST(Leitungsabstand, Halbe_zum_geraden_Nachbarn) {
    struct Fall {
        double Wert;
        std::int32_t Halb;
    };
    const Fall faelle[] = {{165, 82},  {115, 58}, {61, 30}, {63, 32}, {60.3, 30},
                           {33.7, 17}, {0, 0},    {-5, -2}, {1, 0},   {3, 2}};
    for (const auto& f : faelle) {
        EXPECT_EQ(Halb_gerundet(f.Wert), f.Halb) << f.Wert;
    }
}

TEST(Leitungsabstand, Zu_gross_fuer_32_Bit) {
    EXPECT_THROW(Halb_gerundet(1e300), Fehler);
    EXPECT_THROW(Halb_gerundet(5e9), Fehler);
}

TEST(Leitungsabstand, Huellen_und_Isolierung) {
    struct Fall {
        const char* Name;
        Leitungsmasse l1, l2;
        std::optional<std::int64_t> Abstand;
    };
    const Fall faelle[] = {
        {"Beispiel", {60.3, 165, 0}, {33.7, 115, 0}, 149},
        {"vertauscht", {33.7, 115, 0}, {60.3, 165, 0}, 149},
        {"Isolierung an Leitung 2", {60.3, 165, 0}, {33.7, 115, 30}, 168},
        {"gleiche Huellen nehmen Leitung 1", {60.3, 165, 0}, {33.7, 115, 24}, 173},
        {"Flansch ohne Wert", {60.3, 0, 0}, {33.7, 115, 0}, 138},
        {"beide ohne alles", {0, 0, 0}, {0, 0, 0}, 50},
        {"32 Bit laufen nicht mehr um", {0, 0, 2147483600}, {0, 0, 0}, std::nullopt},
        {"1000 mm gehen noch", {0, 0, 1000}, {0, 0, 1000}, 2050},
        {"negative Isolierung", {60.3, 165, 0}, {33.7, 115, -50}, std::nullopt},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Leitungsabstand(f.l1, f.l2), f.Abstand) << f.Name;
    }
}

} // namespace
} // namespace pelmark
