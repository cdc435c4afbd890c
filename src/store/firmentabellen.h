#pragma once
// Company tables: a design office keeps its own versions of some reference
// tables (same names and format as Daten/) in one folder, often on a
// read-only network share. Each file there replaces the usual table of the
// same name as a whole; every other table comes from the data directory.
//
//   data directory  --read all 32-->  usual line lists
//   company folder  --read, parse whole-->  company tables (refused whole
//                                           on any loader error)
//   store  <--  company table where one was accepted, else the usual one
//
// A company table and the usual one are never mixed: a table whose layer
// changes between two loads starts from an empty matrix. Nothing is ever
// written into the company folder.

#include "store/tabellenspeicher.h"

#include <filesystem>
#include <string>
#include <vector>

namespace pelmark {

struct Ladebericht {
    // Why the company folder could not be used at all; empty when it could.
    std::string Ordnerfehler;
    // One message per refused company table, naming the file and the loader's reason.
    std::vector<std::string> Abgelehnt;
};

// The load with a company folder (empty path: none) laid over `datendir`.
// A missing usual file throws before anything changes, as the plain load
// does; faults of the company folder are reported, never thrown.
Ladebericht Lade_Tabellen(Tabellenspeicher& speicher, const std::filesystem::path& datendir,
                          const std::filesystem::path& firmenordner);

// Why the folder cannot be read ("fehlt", "kann nicht gelesen werden"), or empty.
std::string Firmenordner_fehler(const std::filesystem::path& firmenordner);

// The catalogue index of a table file name (31 for Massumrechnung.CSV), or -1.
int Katalogindex(const std::string& dateiname);

struct Pruefergebnis {
    std::string Datei;     // file name in the company folder
    std::string Fehler;    // what the loader found wrong; empty when it loaded
    int Abweichungen = 0;  // cells that differ from the usual table
    bool Tabelle = true;   // false: no table of Pelmark, not read
    bool Vergleich = true; // false: the usual table could not be read for comparison
};

// Loads every table file of the company folder with the loader, as the
// activation load would, and compares it with the usual table. Throws the
// store's error when the folder itself cannot be read.
std::vector<Pruefergebnis> Firmenordner_pruefen(const std::filesystem::path& firmenordner,
                                                const std::filesystem::path& datendir);

} // namespace pelmark
