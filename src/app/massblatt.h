#pragma once
// The dimension sheet: what the four dimension pages show for the current
// selection, gathered from the form model's fields after the display
// routines ran, so the sheet says what the pages say. Each value row carries
// its German caption, unit and the data file it came from; the sheet is
// written as a free table (the tables page opens it) or as plain text.

#include "form/mainform.h"
#include "store/textdatei.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

struct Blattzeile {
    std::string Feld; // control name, empty for a selection row
    std::string Beschriftung;
    std::string Wert; // exactly as the field shows it
    std::string Einheit;
    std::string Datei; // the data file the value came from
};

struct Blattgruppe {
    std::string Titel;
    std::vector<std::string> Skizzen; // "skizzen/a_bogen" (resource) or a picture file path
    std::vector<Blattzeile> Zeilen;
};

struct Massblatt {
    std::string Titel;   // "Maßblatt DN 100 PN 16 (DIN)"
    std::string Version; // "Pelmark 0.1"
    std::string Datum;
    std::vector<Blattgruppe> Gruppen;
};

enum class Blattart { Rohrleitung, Profil };

// The sheet of the pipe selection (pipe, fittings, flange, bolting, valves,
// supports) or of the selected steel section.
Massblatt Massblatt_erstellen(const Mainform& f, Blattart art, const std::string& datum);

// Free-table lines: line 0 the column widths, line 1 the headings, then one
// line per value; title, version and date lead as rows of their own.
Zeilenliste Massblatt_tabelle(const Massblatt& blatt);
void Massblatt_speichern(const Massblatt& blatt, const std::filesystem::path& datei);
// "220 mm"; a field without a value shows no unit either.
std::string Mit_Einheit(const Blattzeile& z);

// "--csv ZIEL" of the command line: the table into the file ZIEL, or onto
// standard output "aus" when ZIEL is "-"; nothing when ZIEL is empty. A file
// that cannot be written throws the file error.
void Massblatt_tabelle_ausgeben(const Massblatt& blatt, const std::string& ziel, std::ostream& aus);

// The sheet as plain text, one "caption: value unit  [file]" line per value.
std::string Massblatt_text(const Massblatt& blatt);

// The caption, unit and data file of a value field the sheet knows, with its
// current value; nothing for other controls.
std::optional<Blattzeile> Feldzeile_von(const Mainform& f, std::string_view feld);

// "Blattdm.: 220 mm": what copying a value field gives; empty for a control
// the sheet does not know.
std::string Kopiertext(const Mainform& f, std::string_view feld);

// The data file a value field shows: today the table the display routine
// reads for that field under the selected standard.
std::string Datenquelle(const Mainform& f, std::string_view feld);

} // namespace pelmark
