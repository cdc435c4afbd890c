#pragma once
// What a printed template shows, built from the geometry so that the print,
// the panel's preview and the command line say the same: per template its
// title, the lines naming sizes, angles and divisions, the developed curve
// (x around the pipe, y the depth, mm at 1:1) and the ordinate table.

#include "calc/segmentbogen.h"
#include "calc/stutzen.h"

#include <string>
#include <vector>

namespace pelmark {

struct Schablonenzeichnung {
    std::string Titel;                // "Stutzen DN 50 auf DN 100"
    std::vector<std::string> Angaben; // sizes, angles, divisions
    double Breite = 0;                // extent of the curve across x, mm
    double Hoehe = 0;                 // extent of the curve across y, mm
    std::vector<Punkt2> Kurve;        // x from 0, y from 0, mm
    std::vector<Ordinate> Zeilen;     // marked on the curve; empty for none
};

// Names for the sizes as the user chose them ("DN 50", "60,3 mm").
struct Schablonennamen {
    std::string Stutzen;
    std::string Hauptrohr;
    bool operator==(const Schablonennamen&) const = default;
};

// The branch template and the opening in the header.
std::vector<Schablonenzeichnung> Stutzen_zeichnungen(const Stutzen& s, const Schablonennamen& n);

// The cut template of a mitred bend.
std::vector<Schablonenzeichnung> Segmentbogen_zeichnungen(const Segmentbogen& b,
                                                          const std::string& groesse);

// "Teilung 3: 67,5°, Bogen 74,0 mm" and the depth "12,3": the row of the
// ordinate table as the panel, the print and the table file write it.
std::string Ordinatenbezeichnung(const Ordinate& o);
std::string Mm_Text(double wert);
std::string Grad_Text(double wert);

// The lines for a mitred bend's pieces ("Endstück: Rücken 111,0 mm, ...").
std::vector<std::string> Segmentstueck_zeilen(const Segmentbogen& b);

} // namespace pelmark
