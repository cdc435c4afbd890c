#pragma once
// Splitting table lines into fields and the small text rules every page uses.

#include <array>
#include <string>
#include <string_view>

namespace pelmark {

// Entries 0..100; the splitter writes at most entries 0..50.
using Stringarray = std::array<std::string, 101>;

// Splits Gesammtstring at ";" into at most Anzahl (capped at 51) fields.
// Entries 0..50 are emptied first; entries 51..100 are left as they are.
void CSV_Stringtrennung(std::string_view Gesammtstring, int Anzahl, Stringarray& Stringarray);

// 1 + the number of ";" in the text.
int Anz_CSV_Spalten(std::string_view text);

// Every "," becomes ".".
std::string Komma_zu_Punkt(std::string_view text);

// The text before the first "(", or the whole text when there is none.
std::string Kommentar_ausblenden(std::string_view text);

} // namespace pelmark
