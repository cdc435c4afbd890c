#include "calc/massumwandlung.h"

namespace pelmark {

void Anzeige_Massumwandlung(Mainform&) {}

} // namespace pelmark
