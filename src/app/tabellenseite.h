#pragma once
// The tables page: folder and file lists, the grid in view or edit mode, and
// saving an edited table into the data directory.

#include "form/mainform.h"

#include <string>

namespace pelmark {

// Shows the folder in DirectoryListBox1; the file list follows.
void Tabellenordner_setzen(Mainform& f, const std::string& ordner);

} // namespace pelmark
