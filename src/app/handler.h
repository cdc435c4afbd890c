#pragma once
// Every event handler of the main window, named as control plus event. A
// handler sets a selection or a value and calls display routines; the event
// table (ereignisse.h) says which control and event runs which handler.

#include "form/mainform.h"

namespace pelmark {

// Dimension pages: nominal-size link and list couplings.
void LB_AD1Click(Mainform& f);
void LB_AD2Click(Mainform& f);
void LB_Armaturen_NWClick(Mainform& f);
void LB_Armaturen_PNClick(Mainform& f);
void LB_Lager_NWClick(Mainform& f);
void LB_DN1Click(Mainform& f);
void LB_DN2Click(Mainform& f);
void LB_NWClick(Mainform& f);
void LB_PNClick(Mainform& f);
void LB_WD_ReiheClick(Mainform& f);
void LB_RadiusClick(Mainform& f);
void RB_DIN_RohrClick(Mainform& f);
void RB_ANSI_RohrClick(Mainform& f);
void LB_ProfilartClick(Mainform& f);
void LB_ProfilClick(Mainform& f);

// Calculation pages.
void E_WinddruckExit(Mainform& f);
void SG_MaterialExit(Mainform& f);
void E_Isolierdicke1Exit(Mainform& f);
void E_Isolierdicke2Exit(Mainform& f);
void E_IsolierdickeExit(Mainform& f);
void E_GammaExit(Mainform& f);
void E_Windlast_isoliertExit(Mainform& f);
void LB_TemperaturClick(Mainform& f);
void RB1Click(Mainform& f);
void RB2Click(Mainform& f);
void RB3Click(Mainform& f);
void E_Dehnung_LExit(Mainform& f);
void E_Dehnung_EndtempExit(Mainform& f);
void E_Z_L1Exit(Mainform& f);
void E_Dehnung_LKeyUp(Mainform& f, int taste);
void E_Dehnung_EndtempKeyUp(Mainform& f, int taste);
void E_Winkel_L1KeyUp(Mainform& f, int taste);
void E_Z_L1KeyUp(Mainform& f, int taste);
void E_U_L1KeyUp(Mainform& f, int taste);
void E_MengeExit(Mainform& f);
void E_MengeKeyUp(Mainform& f, int taste);
void E_InnendurchmesserExit(Mainform& f);
void E_InnendurchmesserKeyUp(Mainform& f, int taste);
void E_GeschwindigkeitExit(Mainform& f);
void E_GeschwindigkeitKeyUp(Mainform& f, int taste);
void E_DampfdruckChange(Mainform& f);
void E_DampftemperaturChange(Mainform& f);
void RB_Druck_FixClick(Mainform& f);
void RB_Temperatur_FixClick(Mainform& f);
void LB_MassartClick(Mainform& f);
void LB_QuellmassClick(Mainform& f);
void LB_ZielmassClick(Mainform& f);
void E_Anz_QuellmassExit(Mainform& f);
void Image30Click(Mainform& f);

// Tables page.
void DriveComboBox1Change(Mainform& f);
void DirectoryListBox1Change(Mainform& f);
void FileListBox1Change(Mainform& f);
void CB_EditClick(Mainform& f);
void B_SpeichernClick(Mainform& f);

// Styles, information windows and the picture page.
void CB_StyleChange(Mainform& f);
void B_InfoClick(Mainform& f);
void B_ProgramminfoClick(Mainform& f);
void BitBtn6Click(Mainform& f);
void B_Graphik_ladenClick(Mainform& f);

} // namespace pelmark
