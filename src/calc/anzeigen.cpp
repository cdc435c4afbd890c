#include "calc/anzeigen.h"

namespace pelmark {

void Material_uebernehmen(Mainform&) {}
void Anzeige_Konstruktionsdaten(Mainform&) {}
void Anzeige_Rohrdehnung(Mainform&) {}

} // namespace pelmark
