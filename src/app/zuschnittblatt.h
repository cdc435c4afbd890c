#pragma once
// The cut sheet of the page "Rohrbau": the elbow of the selection, a sketch
// of the offset with its lengths written on it, the inputs and the results,
// each take-out with its data file and cell, a "-" with its reason; it goes
// through the dimension sheet's machinery (free table, text, PDF, printer).

#include "app/massblatt.h"

namespace pelmark {

// Gathered from the page's fields after Anzeige_Rohrbau ran.
Massblatt Zuschnittblatt_erstellen(const Mainform& f, const std::string& datum);

} // namespace pelmark
