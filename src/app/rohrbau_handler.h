#pragma once
// The handlers of the page "Rohrbau": every input recomputes the page as it
// is typed, as do the two switches between a given angle and a fixed run.

#include "form/mainform.h"

namespace pelmark {

void E_Etage_VersatzChange(Mainform& f);
void E_Etage_SeitenversatzChange(Mainform& f);
void E_Etage_WinkelChange(Mainform& f);
void E_Etage_LaengeChange(Mainform& f);
void E_Etage_SpaltChange(Mainform& f);
void E_Bogen_WinkelChange(Mainform& f);
void RB_Etage_WinkelClick(Mainform& f);
void RB_Etage_LaengeClick(Mainform& f);

} // namespace pelmark
