#pragma once
// UTF-8, the program's inner text form: appending a character and reading the
// next one (a broken sequence reads as U+FFFD).

#include <string>
#include <string_view>

namespace pelmark {

inline constexpr char32_t Ersatzzeichen = 0xFFFD;

void Haenge_Utf8_an(std::string& ziel, char32_t zeichen);

// The character at pos; pos moves past it.
char32_t Naechstes_Utf8(std::string_view text, size_t& pos);

} // namespace pelmark
