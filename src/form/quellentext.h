#pragma once
// The text a field's tooltip shows about its value: its source, data file and
// cell, the rule of a computed value, the next stock length of a bolt, and for
// a "-" the reason. Read from Daten/Quellen.CSV and Daten/Schraubenlaengen.CSV
// when asked, so an edited source table shows at once.

#include "form/mainform.h"

#include <string>
#include <vector>

namespace pelmark {

// One line each; no lines for a field without origin.
std::vector<std::string> Quellentext(const Mainform& f, const Edit& feld);

} // namespace pelmark
