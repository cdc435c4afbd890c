#pragma once
// The program's own message texts as patterns, with file names, numbers and
// reasons left open. A text that matches none is a raw exception text or a
// message nobody wrote on purpose.

#include <string>

namespace pelmark::affe {

bool Eigene_Meldung(const std::string& text);

} // namespace pelmark::affe
