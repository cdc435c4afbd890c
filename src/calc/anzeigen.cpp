#include "calc/anzeigen.h"

namespace pelmark {

void Anzeige_Rohrdehnung(Mainform&) {}

} // namespace pelmark
