#pragma once
// The company tables in the program: the activation load over the company
// folder with its one message per fault, and the lines "Programminfo" shows
// about the folder and the tables taken from it.

#include "form/mainform.h"

#include <string>
#include <vector>

namespace pelmark {

// Loads the tables, the company folder's over the usual ones. A fault of the
// company folder (missing, unreadable, a table refused) is shown once, as a
// warning saying which tables are used instead; a fault already shown is not
// shown again until it changes or goes away.
void Firmentabellen_laden(Mainform& f);

// "Firmenordner: …" and one line per table taken from it with its number
// of cells that differ from the usual table; nothing without a folder.
std::vector<std::string> Firmeninfo(const Mainform& f);

// The tooltip of a value field: its source text, with the unit the sheet
// gives the field for a company value's usual counterpart.
std::vector<std::string> Feldquellentext(const Mainform& f, const Edit& feld);

} // namespace pelmark
