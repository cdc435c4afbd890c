#pragma once
// F1: the user guide in the desktop's browser.

#include <filesystem>

class QWidget;

namespace pelmark {
class Umgebung;
}

namespace pelmark::ui {

// Opens the guide found from the executable's folder; says so in a message
// when there is none, or when no browser takes it.
void Anleitung_oeffnen(const std::filesystem::path& exe_ordner, Umgebung& umgebung);

// F1 anywhere in `fenster` opens the guide of the running program.
void Richte_Anleitung_ein(QWidget* fenster, Umgebung& umgebung);

} // namespace pelmark::ui
