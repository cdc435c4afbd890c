#include "app/ereignisse.h"

#include "app/handler.h"
#include "app/lebenszyklus.h"
#include "app/rohrbau_handler.h"
#include "calc/schablonen_anzeige.h"

#include <array>

namespace pelmark {

namespace {

#define OHNE_TASTE(h) [](Mainform& f, int) { h(f); }
#define MIT_TASTE(h) [](Mainform& f, int taste) { h(f, taste); }

using E = Ereignis;

const Ereigniseintrag tabelle[] = {
    {"LB_AD1", E::Klick, "LB_AD1Click", OHNE_TASTE(LB_AD1Click)},
    {"LB_AD2", E::Klick, "LB_AD2Click", OHNE_TASTE(LB_AD2Click)},
    {"LB_Armaturen_NW", E::Klick, "LB_Armaturen_NWClick", OHNE_TASTE(LB_Armaturen_NWClick)},
    {"LB_Armaturen_PN", E::Klick, "LB_Armaturen_PNClick", OHNE_TASTE(LB_Armaturen_PNClick)},
    {"LB_Lager_NW", E::Klick, "LB_Lager_NWClick", OHNE_TASTE(LB_Lager_NWClick)},
    {"LB_DN1", E::Klick, "LB_DN1Click", OHNE_TASTE(LB_DN1Click)},
    {"LB_DN2", E::Klick, "LB_DN2Click", OHNE_TASTE(LB_DN2Click)},
    {"LB_NW", E::Klick, "LB_NWClick", OHNE_TASTE(LB_NWClick)},
    {"LB_PN", E::Klick, "LB_PNClick", OHNE_TASTE(LB_PNClick)},
    // The pressure classes of the two lines synchronise as a click on LB_DN1.
    {"LB_PN1", E::Klick, "LB_DN1Click", OHNE_TASTE(LB_DN1Click)},
    {"LB_PN2", E::Klick, "LB_DN1Click", OHNE_TASTE(LB_DN1Click)},
    {"LB_WD_Reihe", E::Klick, "LB_WD_ReiheClick", OHNE_TASTE(LB_WD_ReiheClick)},
    {"LB_Radius", E::Klick, "LB_RadiusClick", OHNE_TASTE(LB_RadiusClick)},
    {"RB_DIN_Rohr", E::Klick, "RB_DIN_RohrClick", OHNE_TASTE(RB_DIN_RohrClick)},
    {"RB_ANSI_Rohr", E::Klick, "RB_ANSI_RohrClick", OHNE_TASTE(RB_ANSI_RohrClick)},
    {"B_Info", E::Klick, "B_InfoClick", OHNE_TASTE(B_InfoClick)},
    {"LB_Profilart", E::Klick, "LB_ProfilartClick", OHNE_TASTE(LB_ProfilartClick)},
    {"LB_Profil", E::Klick, "LB_ProfilClick", OHNE_TASTE(LB_ProfilClick)},
    {"E_Winddruck", E::Verlassen, "E_WinddruckExit", OHNE_TASTE(E_WinddruckExit)},
    {"SG_Material", E::Verlassen, "SG_MaterialExit", OHNE_TASTE(SG_MaterialExit)},
    {"B_Programminfo", E::Klick, "B_ProgramminfoClick", OHNE_TASTE(B_ProgramminfoClick)},
    {"CB_Style", E::Aenderung, "CB_StyleChange", OHNE_TASTE(CB_StyleChange)},
    {"E_Isolierdicke1", E::Verlassen, "E_Isolierdicke1Exit", OHNE_TASTE(E_Isolierdicke1Exit)},
    {"E_Isolierdicke2", E::Verlassen, "E_Isolierdicke2Exit", OHNE_TASTE(E_Isolierdicke2Exit)},
    {"E_Isolierdicke", E::Verlassen, "E_IsolierdickeExit", OHNE_TASTE(E_IsolierdickeExit)},
    {"E_Gamma", E::Verlassen, "E_GammaExit", OHNE_TASTE(E_GammaExit)},
    {"E_Windlast_isoliert", E::Verlassen, "E_Windlast_isoliertExit",
     OHNE_TASTE(E_Windlast_isoliertExit)},
    {"E_Windlast_unisoliert", E::Verlassen, "E_Windlast_isoliertExit",
     OHNE_TASTE(E_Windlast_isoliertExit)},
    {"LB_Temperatur", E::Klick, "LB_TemperaturClick", OHNE_TASTE(LB_TemperaturClick)},
    {"RB1", E::Klick, "RB1Click", OHNE_TASTE(RB1Click)},
    {"RB2", E::Klick, "RB2Click", OHNE_TASTE(RB2Click)},
    {"RB3", E::Klick, "RB3Click", OHNE_TASTE(RB3Click)},
    {"E_Dehnung_L", E::Verlassen, "E_Dehnung_LExit", OHNE_TASTE(E_Dehnung_LExit)},
    // One leave handler serves the end temperature and the L and U legs.
    {"E_Dehnung_Endtemp", E::Verlassen, "E_Dehnung_EndtempExit", OHNE_TASTE(E_Dehnung_EndtempExit)},
    {"E_Winkel_L1", E::Verlassen, "E_Dehnung_EndtempExit", OHNE_TASTE(E_Dehnung_EndtempExit)},
    {"E_U_L1", E::Verlassen, "E_Dehnung_EndtempExit", OHNE_TASTE(E_Dehnung_EndtempExit)},
    {"E_Z_L1", E::Verlassen, "E_Z_L1Exit", OHNE_TASTE(E_Z_L1Exit)},
    {"E_Dehnung_L", E::Taste, "E_Dehnung_LKeyUp", MIT_TASTE(E_Dehnung_LKeyUp)},
    {"E_Dehnung_Endtemp", E::Taste, "E_Dehnung_EndtempKeyUp", MIT_TASTE(E_Dehnung_EndtempKeyUp)},
    {"E_Winkel_L1", E::Taste, "E_Winkel_L1KeyUp", MIT_TASTE(E_Winkel_L1KeyUp)},
    {"E_Z_L1", E::Taste, "E_Z_L1KeyUp", MIT_TASTE(E_Z_L1KeyUp)},
    {"E_U_L1", E::Taste, "E_U_L1KeyUp", MIT_TASTE(E_U_L1KeyUp)},
    {"E_Dehnung_Ausgangstemp", E::Verlassen, "E_Dehnung_EndtempExit",
     OHNE_TASTE(E_Dehnung_EndtempExit)},
    {"E_Dehnung_Ausgangstemp", E::Taste, "E_Dehnung_EndtempKeyUp",
     MIT_TASTE(E_Dehnung_EndtempKeyUp)},
    {"E_Menge", E::Verlassen, "E_MengeExit", OHNE_TASTE(E_MengeExit)},
    {"E_Menge", E::Taste, "E_MengeKeyUp", MIT_TASTE(E_MengeKeyUp)},
    {"E_Innendurchmesser", E::Verlassen, "E_InnendurchmesserExit",
     OHNE_TASTE(E_InnendurchmesserExit)},
    {"E_Innendurchmesser", E::Taste, "E_InnendurchmesserKeyUp", MIT_TASTE(E_InnendurchmesserKeyUp)},
    {"E_Geschwindigkeit", E::Verlassen, "E_GeschwindigkeitExit", OHNE_TASTE(E_GeschwindigkeitExit)},
    {"E_Geschwindigkeit", E::Taste, "E_GeschwindigkeitKeyUp", MIT_TASTE(E_GeschwindigkeitKeyUp)},
    {"E_Dampfdruck", E::Aenderung, "E_DampfdruckChange", OHNE_TASTE(E_DampfdruckChange)},
    {"E_Dampftemperatur", E::Aenderung, "E_DampftemperaturChange",
     OHNE_TASTE(E_DampftemperaturChange)},
    {"RB_Druck_Fix", E::Klick, "RB_Druck_FixClick", OHNE_TASTE(RB_Druck_FixClick)},
    {"RB_Temperatur_Fix", E::Klick, "RB_Temperatur_FixClick", OHNE_TASTE(RB_Temperatur_FixClick)},
    {"BitBtn6", E::Klick, "BitBtn6Click", OHNE_TASTE(BitBtn6Click)},
    {"DriveComboBox1", E::Aenderung, "DriveComboBox1Change", OHNE_TASTE(DriveComboBox1Change)},
    {"DirectoryListBox1", E::Aenderung, "DirectoryListBox1Change",
     OHNE_TASTE(DirectoryListBox1Change)},
    {"FileListBox1", E::Aenderung, "FileListBox1Change", OHNE_TASTE(FileListBox1Change)},
    {"CB_Edit", E::Klick, "CB_EditClick", OHNE_TASTE(CB_EditClick)},
    {"B_Speichern", E::Klick, "B_SpeichernClick", OHNE_TASTE(B_SpeichernClick)},
    {"B_Graphik_laden", E::Klick, "B_Graphik_ladenClick", OHNE_TASTE(B_Graphik_ladenClick)},
    {"LB_Massart", E::Klick, "LB_MassartClick", OHNE_TASTE(LB_MassartClick)},
    {"LB_Quellmass", E::Klick, "LB_QuellmassClick", OHNE_TASTE(LB_QuellmassClick)},
    {"LB_Zielmass", E::Klick, "LB_ZielmassClick", OHNE_TASTE(LB_ZielmassClick)},
    {"E_Anz_Quellmass", E::Verlassen, "E_Anz_QuellmassExit", OHNE_TASTE(E_Anz_QuellmassExit)},
    {"Image30", E::Klick, "Image30Click", OHNE_TASTE(Image30Click)},
    // Every "ENDE" button closes the main window.
    {"BitBtn1", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"BitBtn2", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"BitBtn7", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"BitBtn3", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"B_Ende", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"BitBtn8", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"BitBtn10", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"BitBtn9", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"BitBtn4", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    {"BitBtn5", E::Klick, "FormClose", OHNE_TASTE(FormClose)},
    // The page "Rohrbau".
    {"E_Etage_Versatz", E::Aenderung, "E_Etage_VersatzChange", OHNE_TASTE(E_Etage_VersatzChange)},
    {"E_Etage_Seitenversatz", E::Aenderung, "E_Etage_SeitenversatzChange",
     OHNE_TASTE(E_Etage_SeitenversatzChange)},
    {"E_Etage_Winkel", E::Aenderung, "E_Etage_WinkelChange", OHNE_TASTE(E_Etage_WinkelChange)},
    {"E_Etage_Laenge", E::Aenderung, "E_Etage_LaengeChange", OHNE_TASTE(E_Etage_LaengeChange)},
    {"E_Etage_Spalt", E::Aenderung, "E_Etage_SpaltChange", OHNE_TASTE(E_Etage_SpaltChange)},
    {"E_Bogen_Winkel", E::Aenderung, "E_Bogen_WinkelChange", OHNE_TASTE(E_Bogen_WinkelChange)},
    {"RB_Etage_Winkel", E::Klick, "RB_Etage_WinkelClick", OHNE_TASTE(RB_Etage_WinkelClick)},
    {"RB_Etage_Laenge", E::Klick, "RB_Etage_LaengeClick", OHNE_TASTE(RB_Etage_LaengeClick)},
    // The template panels: every input recomputes both on leaving and on Enter.
    {"E_Stutzen_Da", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Hauptrohr_Da", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Stutzen_Winkel", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Stutzen_Aussermitte", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Stutzen_Teilung", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Segment_Da", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Segment_Radius", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Segment_Winkel", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Segment_Teile", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Segment_Teilung", E::Verlassen, "E_SchablonenExit", OHNE_TASTE(E_SchablonenExit)},
    {"E_Stutzen_Da", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Hauptrohr_Da", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Stutzen_Winkel", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Stutzen_Aussermitte", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Stutzen_Teilung", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Segment_Da", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Segment_Radius", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Segment_Winkel", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Segment_Teile", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
    {"E_Segment_Teilung", E::Taste, "E_SchablonenKeyUp", MIT_TASTE(E_SchablonenKeyUp)},
};

#undef OHNE_TASTE
#undef MIT_TASTE

} // namespace

const Ereigniseintrag* Finde_Ereignis(std::string_view steuerelement, Ereignis art) {
    for (const auto& eintrag : tabelle) {
        if (eintrag.Art == art && steuerelement == eintrag.Steuerelement) {
            return &eintrag;
        }
    }
    return nullptr;
}

bool Loese_aus(Mainform& f, std::string_view steuerelement, Ereignis art, int taste) {
    const Ereigniseintrag* eintrag = Finde_Ereignis(steuerelement, art);
    if (eintrag == nullptr) {
        return false;
    }
    // The templates follow every change of the sizes and radius they default to.
    Sicher_ausfuehren(f, [&] {
        eintrag->Ausfuehren(f, taste);
        Anzeige_Schablonen(f);
    });
    return true;
}

bool Ist_Ende_Knopf(std::string_view steuerelement) {
    const auto* eintrag = Finde_Ereignis(steuerelement, Ereignis::Klick);
    return eintrag != nullptr && std::string_view(eintrag->Handlername) == "FormClose";
}

} // namespace pelmark
