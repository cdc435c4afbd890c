#pragma once
// For the start-up benchmark only: with PELMARK_ERSTES_BILD set in the
// environment, the program writes the line "erstes Bild" to stdout once a
// widget of its main window has painted after the window became ready. Without
// the variable nothing is installed and nothing changes.

#include <functional>

class QWidget;

namespace pelmark::ui {

// Watches the window; a frame counts once `bereit` says so.
void Melde_erstes_Bild(QWidget& fenster, std::function<bool()> bereit);

// Writes the line now, for a window that painted its frame itself; only the
// first call writes.
void Erstes_Bild_melden();

} // namespace pelmark::ui
