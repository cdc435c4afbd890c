#pragma once
// What the fitter has chosen and typed, kept across an activation load: the
// load reads every table again and refills every list, and then puts back the
// selections the new tables still have, the switches, the typed inputs of the
// design-data page and the material row, before the pages are computed.

#include "form/mainform.h"

#include <map>
#include <string>

namespace pelmark {

struct Auswahlstand {
    std::map<std::string, int> Listen;           // list name -> selected index
    std::map<std::string, bool> Schalter_an;     // radio button or check box -> on
    std::map<std::string, std::string> Eingaben; // typed input -> its text
    int Materialzeile = -1;
    std::int32_t Art = 1;
    int Massartpos = 0;
    int Quellmasspos = 0;
    int Zielmasspos = 0;
};

// Takes note of the current selections and inputs.
Auswahlstand Auswahl_merken(const Mainform& f);

// The unit-conversion positions, where the reloaded table still has them.
void Masspositionen_zurueck(Mainform& f, const Auswahlstand& stand);

// The standard's lists (pressure stages, radius, wall series, nominal sizes),
// after they were refilled. The linked lists follow the first of their link.
void Normlisten_zurueck(Maske& m, const Auswahlstand& stand);

// Section kind and size: the kind's table fills LB_Profil again.
void Profillisten_zurueck(Mainform& f, const Auswahlstand& stand);

// The insulation lists, the typed inputs, the switches and the material row.
void Eingaben_zurueck(Mainform& f, const Auswahlstand& stand);

} // namespace pelmark
