// Handlers of the calculation pages: settings, design data, expansion, flow,
// steam and unit conversion.
#include "app/handler.h"

namespace pelmark {

void E_WinddruckExit(Mainform&) {}
void SG_MaterialExit(Mainform&) {}
void E_Isolierdicke1Exit(Mainform&) {}
void E_Isolierdicke2Exit(Mainform&) {}
void E_IsolierdickeExit(Mainform&) {}
void E_GammaExit(Mainform&) {}
void E_Windlast_isoliertExit(Mainform&) {}
void LB_TemperaturClick(Mainform&) {}
void RB1Click(Mainform&) {}
void RB2Click(Mainform&) {}
void RB3Click(Mainform&) {}
void E_Dehnung_LExit(Mainform&) {}
void E_Dehnung_EndtempExit(Mainform&) {}
void E_Z_L1Exit(Mainform&) {}
void E_Dehnung_LKeyUp(Mainform&, int) {}
void E_Dehnung_EndtempKeyUp(Mainform&, int) {}
void E_Winkel_L1KeyUp(Mainform&, int) {}
void E_Z_L1KeyUp(Mainform&, int) {}
void E_U_L1KeyUp(Mainform&, int) {}
void E_MengeExit(Mainform&) {}
void E_MengeKeyUp(Mainform&, int) {}
void E_InnendurchmesserExit(Mainform&) {}
void E_InnendurchmesserKeyUp(Mainform&, int) {}
void E_GeschwindigkeitExit(Mainform&) {}
void E_GeschwindigkeitKeyUp(Mainform&, int) {}
void E_DampfdruckChange(Mainform&) {}
void E_DampftemperaturChange(Mainform&) {}
void RB_Druck_FixClick(Mainform&) {}
void RB_Temperatur_FixClick(Mainform&) {}
void LB_MassartClick(Mainform&) {}
void LB_QuellmassClick(Mainform&) {}
void LB_ZielmassClick(Mainform&) {}
void E_Anz_QuellmassExit(Mainform&) {}
void Image30Click(Mainform&) {}

} // namespace pelmark
