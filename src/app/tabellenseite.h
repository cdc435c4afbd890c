#pragma once
// The tables page: folder and file lists, the grid in view or edit mode, and
// saving an edited table into the data directory.

#include "form/mainform.h"

#include <string>

namespace pelmark {

// Shows the folder in DirectoryListBox1; the file list follows.
void Tabellenordner_setzen(Mainform& f, const std::string& ordner);

// Reads the file chosen in FileListBox1 into SG_Tabellen in the mode CB_Edit
// sets, without asking about edits: the handlers ask first.
void Freie_Tabelle_laden(Mainform& f);

// A click on the heading of a column of SG_Tabellen: sorts the shown rows by
// that column, a second click the other way round (grid/kopfsortierung.h).
// In edit mode the widths line and the headings line stay on top.
void SG_Tabellen_Spaltenkopf(Mainform& f, int spalte);

} // namespace pelmark
