#include "app/auswahllisten.h"

#include "app/handler.h"

namespace pelmark {

void Init_Anzeige(Mainform&) {}

void LB_AD1Click(Mainform&) {}
void LB_AD2Click(Mainform&) {}
void LB_Armaturen_NWClick(Mainform&) {}
void LB_Armaturen_PNClick(Mainform&) {}
void LB_Lager_NWClick(Mainform&) {}
void LB_DN1Click(Mainform&) {}
void LB_DN2Click(Mainform&) {}
void LB_NWClick(Mainform&) {}
void LB_PNClick(Mainform&) {}
void LB_WD_ReiheClick(Mainform&) {}
void LB_RadiusClick(Mainform&) {}
void RB_DIN_RohrClick(Mainform&) {}
void RB_ANSI_RohrClick(Mainform&) {}
void LB_ProfilartClick(Mainform&) {}
void LB_ProfilClick(Mainform&) {}

} // namespace pelmark
