#pragma once
// Ending from outside: a signal (SIGTERM, SIGINT, SIGHUP) or the end of the
// desktop session closes the program as its close box does, but nobody is
// there to answer a question. Unsaved edits of the free table are therefore
// kept in the recovery file "Wiederherstellung.txt" in the data directory,
// and the next start offers to put them back.
//
// The file, written atomically like every file the program writes:
//   line 0  "Pelmark: ungespeicherte Tabelle"
//   line 1  the full path of the table's file
//   line 2… the grid's rows as in edit mode (the widths line first), cells
//           joined by ";", a ";" or "\" inside a cell written as "\;" or "\\"

#include "form/mainform.h"

#include <filesystem>
#include <optional>
#include <string>

namespace pelmark {

std::filesystem::path Wiederherstellungsdatei(const Mainform& f);

// The edits kept in a recovery file: the table's path and its grid.
struct Gerettete_Tabelle {
    std::string Pfad;
    TEStringGrid Gitter;
};

// The lines of the recovery file for the shown table.
std::vector<std::string> Wiederherstellung_zeilen(const Mainform& f);

// Reads a recovery file's lines back; nothing when they are not one.
std::optional<Gerettete_Tabelle> Wiederherstellung_lesen(const std::vector<std::string>& zeilen);

// The program is ended from outside: unsaved edits go into the recovery
// file, then the close runs (Style.INI). No box is shown, nothing is asked.
void Beenden_von_aussen(Mainform& f);

// At the first showing of a free table after start: when a recovery file
// exists, asks whether to restore it. Restore shows the table in edit mode
// with the kept edits (not saved yet) and removes the file; discard removes
// it; later leaves it for the next start. True when the table was restored.
bool Wiederherstellung_anbieten(Mainform& f);

} // namespace pelmark
