#pragma once
// The command line, read before any window exists: "--help" and "--version"
// print and end, "--seite N" opens page N first, "--massblatt" writes a
// dimension sheet without a window, anything else is refused
// with the usage and status 2. No option starts the program as always.

#include "app/aufruf_etage.h"

#include <string>
#include <vector>

namespace pelmark {

enum class Aufrufart { starten, hilfe, version, falsch, massblatt, etage, schablone };

struct Aufruf {
    Aufrufart Art = Aufrufart::starten;
    int Seite = 0;       // the page to open first, 1 to 11; 0: the first
    std::string Ausgabe; // what to print: to stdout for Status 0, else to stderr
    int Status = 0;      // the exit status when Art is not starten
    // "--massblatt TEXT" with "--csv PFAD" and/or "--pdf PFAD": the sheet of
    // that selection (read as the search field reads it), no window.
    std::string Auswahl;
    std::string Csv;
    std::string Pdf;
    // "--etage TEXT …" with "--csv" and/or "--pdf": the cut sheet of an offset.
    Etagenaufruf Etage;
};

// The arguments after the program name.
Aufruf Aufruf_lesen(const std::vector<std::string>& argumente);

// "Pelmark 0.1": the project version the build was configured with.
std::string Versionstext();

} // namespace pelmark
