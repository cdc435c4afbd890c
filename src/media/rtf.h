#pragma once
// A small RTF reader: the plain text of a rich-text document, paragraph by
// paragraph. Destinations (font and colour tables, pictures, {\*...} groups)
// are skipped; \'hh is Windows-1252, \uN a Unicode character.

#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

std::vector<std::string> Rtf_Absaetze(std::string_view rtf);

} // namespace pelmark
