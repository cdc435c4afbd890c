#pragma once
// Edits of a free table that are not saved yet. Before anything replaces or
// closes them (another file, another folder or drive, the other mode, "ENDE"
// or the window's close box) the fitter is asked: save, discard or cancel.

#include "form/mainform.h"

#include <string>

namespace pelmark {

// True when the grid differs from the table as read or saved last (only a
// table read for editing can differ).
bool Tabelle_geaendert(const Mainform& f);

// The grid as it is now is the table as read or saved (path and mode given).
void Tabellenstand_merken(Mainform& f, const std::string& pfad, bool editmodus);

// Writes the grid into the file pfad; the written table is then the saved one.
// Throws the grid's errors (a cell with ";", a file that cannot be written).
void Tabelle_schreiben(Mainform& f, const std::string& pfad);

// Asks about unsaved edits, if there are any. Save writes them into the
// table's own file (a failed save is shown and counts as cancel), discard
// puts the grid back as it was read. True when the caller may go on.
bool Aenderungen_klaeren(Mainform& f);

// Before the main window closes ("ENDE" or the close box): true when it may.
bool FormCloseQuery(Mainform& f);

} // namespace pelmark
