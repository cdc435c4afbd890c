// The fast digit expansion agrees with the library's exact conversion.
#include "store/dezimalziffern.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>

namespace pelmark {
namespace {

std::string Referenz(Extended wert, int stellen) {
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert,
                                              std::chars_format::scientific, stellen - 1);
    (void)fehler;
    return std::string(puffer, ende);
}

std::string Als_Text(const Dezimalziffern& z) {
    std::string text = z.negativ ? "-" : "";
    text += z.ziffern.substr(0, 1);
    if (z.ziffern.size() > 1) {
        text += "." + z.ziffern.substr(1);
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", z.exponent < 0 ? '-' : '+',
                  std::abs(z.exponent));
    return text + exponent;
}

TEST(Zerlege, gleich_der_exakten_Umwandlung) {
    std::mt19937_64 zufall(42);
    std::uniform_real_distribution<double> mantisse(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-40, 20);
    for (int i = 0; i < 200000; ++i) {
        const Extended wert = static_cast<Extended>(mantisse(zufall)) *
                              std::pow(10.0L, static_cast<Extended>(exponent(zufall)));
        for (int stellen : {18, 15, 5}) {
            ASSERT_EQ(Als_Text(Zerlege(wert, stellen)), Referenz(wert, stellen))
                << static_cast<double>(wert) << " mit " << stellen << " Stellen";
        }
    }
}

TEST(Zerlege, Grenzfaelle) {
    for (Extended wert : {0.125L, 2.675L, 1.005L, 0.5L, 1.0L, 9.5L, 1e-30L, 123456789012345678.0L,
                          18446744073709551615.0L, 0.1L, 1e18L, 99999999999999999.5L}) {
        for (int stellen : {18, 5, 1}) {
            EXPECT_EQ(Als_Text(Zerlege(wert, stellen)), Referenz(wert, stellen))
                << static_cast<double>(wert);
        }
    }
}

} // namespace
} // namespace pelmark
