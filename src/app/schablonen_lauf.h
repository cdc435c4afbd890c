#pragma once
// "pelmark --stutzen" and "--segmentbogen": the program starts on its folder
// without a window, each size is applied as the search field applies it and
// its outside diameter read from the pipe table (or taken as typed), the
// template is computed and gathered as a sheet (the dimension sheet's table
// columns, one row per division) and as drawings for the 1:1 print.

#include "app/massblatt.h"
#include "app/massblatt_lauf.h"
#include "app/schablonen_aufruf.h"
#include "calc/schablonenblatt.h"

#include <string>
#include <vector>

namespace pelmark {

struct Schablonenlauf {
    int Status = 0;      // 0 done, 1 the data could not be loaded, 2 input not usable
    std::string Meldung; // for stderr when Status is not 0
    Massblatt Blatt;
    std::vector<Schablonenzeichnung> Zeichnungen;
};

// One size of a template: its name and outside diameter.
struct Rohrgroesse {
    std::string Name; // "DN 50", "NPS 2", "Da 60,3"
    double Da = 0;
    std::string Datei;  // the pipe table it came from, empty when typed
    std::string Radius; // the bend radius of the selected radius type, as shown
};

// A typed outside diameter ("60,3"), or the size the search reads, applied
// to the form; the message when neither.
std::optional<Rohrgroesse> Rohrgroesse_lesen(Mainform& f, const std::string& text,
                                             std::string& meldung);

Schablonenlauf Schablone_fuer_Auftrag(Stille_Umgebung& plattform, const std::string& programmordner,
                                      const Schablonenauftrag& auftrag, const std::string& datum);

} // namespace pelmark
