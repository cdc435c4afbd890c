// The own exact conversions agree with the library's, over random and edge values.
#include "store/dezimalziffern.h"
#include "store/kuerzeste_form.h"
#include "store/zahlen.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>

namespace pelmark {
namespace {

std::string Bits(Extended wert) {
    unsigned char b[sizeof(Extended)] = {};
    std::memcpy(b, &wert, 10); // the 80 bits that carry the value
    return std::string(reinterpret_cast<const char*>(b), 10);
}

Extended Bibliothek(const std::string& text) {
    Extended wert = 0;
    std::from_chars(text.data(), text.data() + text.size(), wert);
    return wert;
}

TEST(Lies_Zahl_Punkt, gleich_der_Bibliothek) {
    std::mt19937_64 zufall(7);
    std::uniform_int_distribution<int> laenge(1, 25);
    std::uniform_int_distribution<int> ziffer(0, 9);
    std::uniform_int_distribution<int> exponent(-400, 400);
    std::vector<std::string> faelle = {"0.1",
                                       "114.3",
                                       "2.675",
                                       "1e-4950",
                                       "1.18973149535723e4932",
                                       "9.999999999999999999999e-1",
                                       "0.30000000000000004",
                                       "18446744073709551615",
                                       "18446744073709551617",
                                       "123456789012345678901234567890e-20",
                                       "5e-4951"};
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        const int n = laenge(zufall);
        for (int k = 0; k < n; ++k) {
            text += static_cast<char>('0' + ziffer(zufall));
        }
        text.insert(static_cast<size_t>(n / 2), ".");
        text += "e" + std::to_string(exponent(zufall) / (i % 4 == 0 ? 1 : 20));
        faelle.push_back(text);
    }
    for (const auto& text : faelle) {
        const auto wert = Lies_Zahl_Punkt(text);
        ASSERT_TRUE(wert.has_value()) << text;
        ASSERT_EQ(Bits(*wert), Bits(Bibliothek(text))) << text;
    }
}

TEST(Lies_Zahl_Punkt, ausserhalb_des_Bereichs) {
    EXPECT_FALSE(Lies_Zahl_Punkt("1e5000").has_value());
    EXPECT_EQ(*Lies_Zahl_Punkt("1e-5000"), 0.0L);
    EXPECT_TRUE(std::signbit(*Lies_Zahl_Punkt("-1e-99999999999")));
}

TEST(Zerlege, allgemeiner_Weg_gleich_der_Bibliothek) {
    for (Extended wert : {1e300L, -1e-300L, 1e4000L, 3.6e-4951L, 1.0e-19L, 2e19L, 0.0L, -0.0L,
                          1.18973149535723176502e4932L}) {
        for (int stellen : {18, 5}) {
            char puffer[64];
            const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert,
                                            std::chars_format::scientific, stellen - 1)
                                  .ptr;
            const std::string erwartet(puffer, ende);
            const Dezimalziffern z = Zerlege(wert, stellen);
            const auto e = erwartet.find('e');
            std::string ziffern = erwartet.substr(0, e);
            ziffern.erase(std::remove(ziffern.begin(), ziffern.end(), '.'), ziffern.end());
            ziffern.erase(std::remove(ziffern.begin(), ziffern.end(), '-'), ziffern.end());
            EXPECT_EQ(z.ziffern, ziffern) << erwartet;
            EXPECT_EQ(z.exponent, std::stoi(erwartet.substr(e + 1))) << erwartet;
            EXPECT_EQ(z.negativ, std::signbit(wert)) << erwartet;
        }
    }
}

TEST(Kuerzeste_Form, gleich_der_Bibliothek) {
    std::mt19937_64 zufall(11);
    std::vector<double> faelle = {1e15,   1e16,
                                  100000, 1e-5,
                                  0.001,  1e22,
                                  5e-324, 1.0 / 3,
                                  -0.0,   123456789012345680.0,
                                  1e21,   0.1 + 0.2,
                                  -850.5, 1.7976931348623157e308};
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t bits = zufall();
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) {
            faelle.push_back(d);
        }
        faelle.push_back(static_cast<double>(zufall() % 100000) / 100.0);
    }
    for (const double d : faelle) {
        char puffer[64];
        const auto ende = std::to_chars(puffer, puffer + sizeof puffer, d).ptr;
        ASSERT_EQ(Kuerzeste_Form(d), std::string(puffer, ende));
    }
}

} // namespace
} // namespace pelmark
