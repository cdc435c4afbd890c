#pragma once
// Upper-casing for the text sort: letters of the Latin, Greek and Cyrillic
// alphabets become their capitals (ä → Ä, é → É, ÿ → Ÿ), everything else
// stays, so that "äpfel" and "Äpfel" are equal keys. The result is UTF-8, and
// comparing two results byte by byte orders them by character code.

#include <string>
#include <string_view>

namespace pelmark {

std::string Grossbuchstaben(std::string_view text);

// The capital of one character code (the code itself when it has none).
char32_t Grossbuchstabe(char32_t zeichen);

} // namespace pelmark
