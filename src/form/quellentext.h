#pragma once
// The text a field's tooltip shows about its value: its source, data file and
// cell, the rule of a computed value, the next stock length of a bolt, and for
// a "-" the reason. Read from Daten/Quellen.CSV and Daten/Schraubenlaengen.CSV
// when asked, so an edited source table shows at once.

#include "form/mainform.h"

#include <string>
#include <vector>

namespace pelmark {

// One line each; no lines for a field without origin. A value from a company
// table names that file, and where the usual table differs, its value there
// ("Norm: 52 mm", with `einheit` when the field shows the cell itself).
std::vector<std::string> Quellentext(const Mainform& f, const Edit& feld,
                                     const std::string& einheit = {});

} // namespace pelmark
