#pragma once
// Where Pelmark runs from, decided once at start:
//
//   portable:    the executable's folder holds Daten/  -> that folder
//   installed:   <exe>/../share/pelmark/Daten exists   -> the user's data
//                folder $XDG_DATA_HOME/pelmark (default ~/.local/share/pelmark),
//                kept up to date with the shipped copy (app/ausgeliefert.h)
//
// Everything the program calls "the program folder" is then that folder:
// Daten/, InfoTabellen/ and Style.INI live there.

#include "form/umgebung.h"

#include <filesystem>
#include <optional>
#include <string>

namespace pelmark {

enum class Betriebsart { portabel, installiert };

struct Programmordner {
    Betriebsart Art = Betriebsart::portabel;
    std::filesystem::path Ordner;       // the program folder
    std::filesystem::path Ausgeliefert; // installed: the read-only shipped folder
};

// The two environment values the user folder depends on (empty when unset).
struct Benutzerumgebung {
    std::string Xdg_data_home;
    std::string Home;
};

// Benutzerumgebung from the process environment.
Benutzerumgebung Benutzerumgebung_lesen();

// The user's data folder for Pelmark; nothing when neither variable names
// an absolute folder.
std::optional<std::filesystem::path> Benutzerordner(const Benutzerumgebung& umgebung);

// Decides the mode for an executable in `programmordner`. Installed without a
// user folder: runs from the shipped folder and reports that in `fehler`.
Programmordner Programmordner_bestimmen(const std::filesystem::path& exe_ordner,
                                        const Benutzerumgebung& umgebung, std::string& fehler);

// Decides the mode, brings the user's copy up to date, and shows what went
// wrong and which edited files got a new version beside them, each in one box.
Programmordner Programmordner_einrichten(const std::filesystem::path& exe_ordner,
                                         const Benutzerumgebung& umgebung, Umgebung& plattform);

// The line "Programminfo" shows: the mode and the program folder.
std::string Betriebsinfo(const Programmordner& ordner);

} // namespace pelmark
