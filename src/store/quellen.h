#pragma once
// The source table Daten/Quellen.CSV: for every data file, and where needed a
// range of its columns and lines, the document a value comes from, the kind of
// source, its known limits and what a "-" there means. Lines and columns count
// as a spreadsheet shows the file: line 1 is the title, column 1 the first
// field. A later line of the table overrides an earlier one for the cells
// both cover, so a file's general line comes first and its exceptions after.
// Daten/Schraubenlaengen.CSV holds the stock lengths of bolts and studs.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pelmark {

inline constexpr const char* Datei_Quellen = "Quellen.CSV";
inline constexpr const char* Datei_Schraubenlaengen = "Schraubenlaengen.CSV";

// Why a cell holds "-" (or nothing).
enum class Strichgrund { keiner, Norm_fuehrt_nicht, nicht_gesichert };

struct Quellbereich {
    std::string Datei;
    int Spalte_von = 1, Spalte_bis = 1 << 30;
    int Zeile_von = 1, Zeile_bis = 1 << 30;
    std::string Art;     // Norm, Herstellerblatt, Rechenregel, Werksstandard
    std::string Quelle;  // standard or document
    std::string Tabelle; // table or section of it
    std::string Ausgabe; // edition
    std::string Grenzen; // known limits
    Strichgrund Strich = Strichgrund::keiner;

    bool Enthaelt(const std::string& datei, int spalte, int zeile) const;
};

using Quellentabelle = std::vector<Quellbereich>;

// Reads the source table; throws the store's error when the file cannot be
// read or a line is malformed (the message names the line).
Quellentabelle Lies_Quellentabelle(const std::filesystem::path& pfad);

// The line that decides for this cell (the last that covers it), or nullptr.
const Quellbereich* Quelle_fuer(const Quellentabelle& tabelle, const std::string& datei, int spalte,
                                int zeile);

// The text a user reads for a reason.
const char* Strichtext(Strichgrund grund);

struct Kauflaengen {
    std::vector<int> Laengen; // mm, ascending
    std::string Quelle;
};

Kauflaengen Lies_Kauflaengen(const std::filesystem::path& pfad);

// The shortest stock length at or above the length, if the series reaches it.
std::optional<int> Naechste_Kauflaenge(const Kauflaengen& k, double laenge);

} // namespace pelmark
