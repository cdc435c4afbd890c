#pragma once
// The calculation settings of the page "Optionen": the wind pressure typed
// into E_Winddruck and the material row chosen in SG_Material, both taken
// over into the global values that the design-data and expansion pages read.

#include "form/mainform.h"

#include <string>

namespace pelmark {

// Reads E_Winddruck into Winddruck. An unreadable text keeps the last valid
// wind pressure and stays in the field as typed; the wind loads and the
// spans that need them show "-" (a stand-in would shrink the wind load and
// lengthen the support spans).
void Winddruck_uebernehmen(Mainform& f);

// Dynamic wind pressures beyond this are no wind on earth (N/m²).
inline constexpr double Hoechster_Winddruck = 10000;

// Why the wind pressure shown cannot be used, or the empty text.
std::string Winddruck_Grund(const Mainform& f);

} // namespace pelmark
