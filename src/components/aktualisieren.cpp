#include "components/aktualisieren.h"

namespace pelmark {

void Aktualisieren_Anzeige(Mainform&) {}
void Anzeige_Profilwerte(Mainform&) {}

} // namespace pelmark
