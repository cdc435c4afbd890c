#pragma once
// The free table as it was last read from or written to its file: which
// file, in which mode, and its cells. The table page compares the grid with
// it to know whether the fitter has edits that are not saved yet.

#include "grid/testringgrid.h"

#include <string>

namespace pelmark {

struct Tabellenstand {
    std::string Pfad;       // the table's file; empty while no table is shown
    bool Editmodus = false; // read for editing (only then can cells change)
    TEStringGrid Gitter;    // the grid as read or saved
};

} // namespace pelmark
