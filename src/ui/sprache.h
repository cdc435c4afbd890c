#pragma once
// German for what Qt itself shows: the buttons of message boxes, the file
// dialog, the context menus of fields.

class QApplication;

namespace pelmark::ui {

// Loads Qt's own German translations (qtbase_de.qm) into the application.
// Without them installed, Qt's English texts stay.
void Deutsch_laden(QApplication& anwendung);

} // namespace pelmark::ui
