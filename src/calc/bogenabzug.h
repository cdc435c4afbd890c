#pragma once
// The elbow of the Rohrbau page: the standard, nominal size DN1 and radius
// type chosen on the first page, read straight from the pipe and elbow tables
// with the cells they come from. The tables list the radius R of the 90°
// elbow only: the take-out of a 90° elbow is that cell, that of any other
// angle is computed from it as R · tan(α/2); the origin says which.

#include "calc/etage.h"
#include "form/mainform.h"

#include <optional>
#include <string>

namespace pelmark {

struct Rohrbaubogen {
    std::string Norm;       // "DIN" or "ANSI"
    std::string Nennweite;  // the size as the list shows it
    std::string Bauart;     // the radius type's heading
    Mass Radius;            // R of the 90° elbow
    Mass Aussendurchmesser; // Da of the pipe
    Zellbezug Radiuszelle;
    Zellbezug Da_Zelle;
};

// The elbow of the selection on the first page.
Rohrbaubogen Bogen_der_Auswahl(const Mainform& f);

// "DN 100 (DIN) · Da 114,3 mm · Bauart 3 (3d): R 152,5 mm"
std::string Bogenzeile(const Rohrbaubogen& b);

// Where the take-out L(α) comes from: the radius cell, and for an angle
// other than 90° the rule that computes it.
Herkunft Abzug_Herkunft(const Rohrbaubogen& b, const Mass& winkel);

} // namespace pelmark
