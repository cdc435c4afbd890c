#pragma once
// The significant decimal digits of a value, as the number writers use them:
// first the exact binary value rounded to a number of significant digits
// (nearest, ties to even), then rounded again half away from zero where a
// writer stops.

#include "store/zahlen.h"

#include <string>

namespace pelmark {

struct Dezimalziffern {
    bool negativ = false;
    std::string ziffern; // the leading digit first
    int exponent = 0;    // decimal exponent of the leading digit
};

// The value rounded to 'stellen' significant digits (1..19).
Dezimalziffern Zerlege(Extended wert, int stellen);

// Keeps the first 'anzahl' digits, rounding half away from zero by the next
// digit; a carry adds a leading digit and raises the exponent.
void Runde_auf(Dezimalziffern& z, int anzahl);

} // namespace pelmark
