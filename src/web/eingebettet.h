#pragma once

#include <cstddef>

namespace pelmark::web {

// A shipped table as the browser edition carries it inside the module.
struct Eingebettete_datei {
    const char8_t* Pfad; // where the core looks for it, e.g. "/Daten/P_Din.CSV"
    const unsigned char* Daten;
    std::size_t Groesse;
};

extern const Eingebettete_datei Eingebettete_dateien[];
extern const int Eingebettete_anzahl;

// Writes the carried tables into the module's own file system, once.
void Tabellen_auspacken();

} // namespace pelmark::web
