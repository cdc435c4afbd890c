#pragma once
// Reading and writing numbers. Two readings: the strict one for user input and
// read-back field texts (commas become points, nothing may follow the number,
// the caller picks a fallback), and the table cell reading (the program's
// decimal separator, blanks around allowed, an error otherwise). Numbers are
// written in fixed point: expanded to 18 significant digits, then rounded half
// away from zero at the last shown digit. The separator is always a parameter.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmark {

using Extended = long double; // 80-bit x87 on x86-64

// Strict reading with "." as the only separator (no comma conversion).
std::optional<Extended> Lies_Zahl_Punkt(std::string_view text);

// Strict reading: Komma_zu_Punkt first, then Lies_Zahl_Punkt.
std::optional<Extended> Lies_Zahl_streng(std::string_view text);

// Table cell reading; throws Fehler "'%s' ist kein gültiger Gleitkommawert".
Extended Zelle_zu_Zahl(std::string_view text, char dezimal);

// Leading blanks, optional sign, decimal digits or hexadecimal digits after
// "$", "x" or "0x"; the value within 32 bits; nothing after it.
std::optional<std::int32_t> Lies_Ganzzahl(std::string_view text);

// Fixed point with the given number of decimals.
std::string Festkomma(Extended wert, int stellen, char dezimal);

// Up to 15 significant digits, no trailing zeros; exponent form for very
// large or small values.
std::string Allgemein(Extended wert, char dezimal);

// The result format of the unit-conversion page: five significant digits.
std::string Fuenfstellig(Extended wert, char dezimal);

// Shortest text with "." that reads back to the same double (for printing values).
std::string Kurzform(double wert);

} // namespace pelmark
