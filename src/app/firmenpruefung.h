#pragma once
// The command line of the company tables: "--firma DIR" (with or without a
// window, with "--massblatt" too) and "--pruefen", which loads every table
// of the company folder with the program's own loader and prints per file
// what it found wrong or how many cells differ from the shipped table.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace pelmark {

struct Firmenangaben {
    std::string Ordner; // "--firma DIR"; empty when not given
    bool Pruefen = false;
    std::string Fehler; // "--firma" without a folder
};

// Takes "--firma DIR", "--firma=DIR" and "--pruefen" out of the arguments,
// so the rest is read as before.
Firmenangaben Firmenangaben_nehmen(std::vector<std::string>& argumente);

// Checks the company folder against the shipped tables in `datendir`;
// prints the result and returns the exit status: 0 when every table loads,
// 1 on any error (the folder unreadable included).
int Firmenordner_pruefen_lauf(const std::string& ordner, const std::filesystem::path& datendir,
                              std::ostream& aus);

} // namespace pelmark
