#pragma once
// The calculation settings of the page "Optionen": the wind pressure typed
// into E_Winddruck and the material row chosen in SG_Material, both taken
// over into the global values that the design-data and expansion pages read.

#include "form/mainform.h"

namespace pelmark {

// Reads E_Winddruck into Winddruck. An unreadable text keeps the last valid
// wind pressure (1100 from the start) and shows it again in the field: a
// lower stand-in would shrink the wind load and lengthen the support spans.
void Winddruck_uebernehmen(Mainform& f);

} // namespace pelmark
