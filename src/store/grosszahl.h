#pragma once
// Exact conversions between decimal digits and the extended format (a 64-bit
// mantissa), on a small unsigned big integer. They give the same digits on
// every platform, whatever the width of the platform's long double: a value is
// read correctly rounded to 64 mantissa bits, and written from its exact
// binary value rounded to 64 mantissa bits.

#include "store/zahlen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmark {

// ziffern (decimal digits) times 10^exponent10, rounded to the nearest 64-bit
// mantissa (ties to even). Below the smallest normal value is zero; too large
// for the extended format is nothing.
std::optional<Extended> Dezimal_zu_Extended(std::string_view ziffern, long exponent10,
                                            bool negativ);

// The value's mantissa rounded to 64 bits: wert = mantisse * 2^exponent.
struct Binaer64 {
    std::uint64_t mantisse = 0;
    int exponent = 0;
    // Where long double is wider: the value lay so near the middle between two
    // 64-bit values that a value rounded to long double before may round the
    // other way than the exact one would.
    bool knapp = false;
};
Binaer64 Auf_64_Bit(Extended wert);

// The exact decimal digits of mantisse * 2^exponent: at least 'stellen' digits
// (more when the whole part is longer), the leading one not zero; 'klebrig'
// tells whether non-zero digits follow the last one given; 'dezimalexponent'
// is the exponent of the leading digit.
struct Exakte_Ziffern {
    std::string ziffern;
    int dezimalexponent = 0;
    bool klebrig = false;
};
Exakte_Ziffern Ziffern_von(Binaer64 wert, int stellen);

} // namespace pelmark
