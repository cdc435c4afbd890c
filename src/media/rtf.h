#pragma once
// A small RTF reader: the plain text of a rich-text document, paragraph by
// paragraph, and the same document as simple HTML with its character and
// paragraph formatting and its tables. Destinations (font and colour tables,
// pictures, {\*...} groups) are skipped; \'hh is Windows-1252, \uN a Unicode
// character.

#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

struct Rtf_Dokument {
    std::vector<std::string> Absaetze; // plain text; table cells joined by tabs
    std::string Html;                  // a <body> fragment
};

Rtf_Dokument Rtf_lesen(std::string_view rtf);

std::vector<std::string> Rtf_Absaetze(std::string_view rtf);

} // namespace pelmark
