#include "app/rohrbau_handler.h"

#include "calc/rohrbau.h"

namespace pelmark {

void E_Etage_VersatzChange(Mainform& f) {
    Anzeige_Rohrbau(f);
}

void E_Etage_SeitenversatzChange(Mainform& f) {
    Anzeige_Rohrbau(f);
}

void E_Etage_WinkelChange(Mainform& f) {
    Anzeige_Rohrbau(f);
}

void E_Etage_LaengeChange(Mainform& f) {
    Anzeige_Rohrbau(f);
}

void E_Etage_SpaltChange(Mainform& f) {
    Anzeige_Rohrbau(f);
}

void E_Bogen_WinkelChange(Mainform& f) {
    Anzeige_Rohrbau(f);
}

void RB_Etage_WinkelClick(Mainform& f) {
    Anzeige_Rohrbau(f);
}

void RB_Etage_LaengeClick(Mainform& f) {
    Anzeige_Rohrbau(f);
}

} // namespace pelmark
