#pragma once
// The calculation settings of the page "Optionen": the wind pressure typed
// into E_Winddruck and the material row chosen in SG_Material, both taken
// over into the global values that the design-data and expansion pages read.

#include "form/mainform.h"

namespace pelmark {

// The wind pressure when E_Winddruck does not read (not the start value 1100).
inline constexpr double Winddruck_Ersatz = 110.0;

// Reads E_Winddruck into Winddruck; an unreadable text gives 110 and the
// field shows "110".
void Winddruck_uebernehmen(Mainform& f);

} // namespace pelmark
