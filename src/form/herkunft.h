#pragma once
// Where a shown value comes from: the table cells it was copied or computed
// from, the rule of a computed value, and the reason for a "-" that no cell
// explains. Display routines set it alongside the text; the tooltip of the
// field and the runner's ".quelle" read it through Quellentext.

#include "store/tabellenspeicher.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace pelmark {

struct Zellbezug {
    std::string Datei;
    int Spalte = 0; // matrix column (the file's field Spalte + 1)
    int Zeile = 0;  // matrix row (the file's line Zeile + 2)
    std::string Zeilenname;
    std::string Spaltenname;
    std::string Text;
    // A cell of a company table: that file (full path), and the usual
    // table's text of the same cell where it differs.
    std::string Firmendatei;
    std::string Norm;
    bool Abweichend = false;
};

struct Herkunft {
    std::vector<Zellbezug> Zellen;
    std::string Regel;      // computed by this rule from the cells
    std::string Grund;      // why the field shows "-" when no cell says so
    double Schraube_mm = 0; // a computed bolt length: name the next stock length

    bool Leer() const { return Zellen.empty() && Regel.empty() && Grund.empty(); }
};

// The catalogue file that holds the table, or the empty text.
std::string Dateiname(const Tabellenspeicher& s, const Tabelle& t);

// The cell with its file, row name and heading; the heading can be named.
Zellbezug Zelle(const Tabellenspeicher& s, const Tabelle& t, int spalte, int zeile,
                std::string spaltenname = {});

// A value computed by the rule from what the fields show.
struct Edit;
Herkunft Berechnet(std::string regel, std::initializer_list<const Edit*> aus);

// Shows the cell in the field and records it as the field's origin. An index
// outside the table raises the range error before the field changes.
void Zelle_zeigen(Edit& feld, const Tabellenspeicher& s, const Tabelle& t, int spalte, int zeile,
                  std::string spaltenname = {});

} // namespace pelmark
