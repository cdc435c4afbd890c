// Handlers of the calculation pages: settings, design data, expansion, flow,
// steam and unit conversion.
#include "app/handler.h"

#include "calc/anzeigen.h"
#include "calc/dampf.h"
#include "calc/durchfluss.h"
#include "calc/massumwandlung.h"
#include "calc/material.h"
#include "components/aktualisieren.h"

namespace pelmark {

namespace {

constexpr int Taste_Enter = 13;

// The three displays that follow a change of the pipe, the material or the wind.
void Drei_Anzeigen(Mainform& f) {
    Aktualisieren_Anzeige(f);
    Anzeige_Konstruktionsdaten(f);
    Anzeige_Rohrdehnung(f);
}

void Lager_setzen(Mainform& f, int art) {
    f.Art = art;
    Anzeige_Konstruktionsdaten(f);
}

void Dehnung_bei_Enter(Mainform& f, int taste) {
    if (taste == Taste_Enter) {
        Anzeige_Rohrdehnung(f);
    }
}

} // namespace

void E_WinddruckExit(Mainform& f) {
    Winddruck_uebernehmen(f);
    Drei_Anzeigen(f);
}

void SG_MaterialExit(Mainform& f) {
    Material_uebernehmen(f);
    Drei_Anzeigen(f);
}

void E_Isolierdicke1Exit(Mainform& f) {
    Anzeige_Konstruktionsdaten(f);
}
void E_Isolierdicke2Exit(Mainform& f) {
    Anzeige_Konstruktionsdaten(f);
}
void E_IsolierdickeExit(Mainform& f) {
    Anzeige_Konstruktionsdaten(f);
}
void E_GammaExit(Mainform& f) {
    Anzeige_Konstruktionsdaten(f);
}
void E_Windlast_isoliertExit(Mainform& f) {
    Anzeige_Konstruktionsdaten(f);
}
void LB_TemperaturClick(Mainform& f) {
    Anzeige_Konstruktionsdaten(f);
}
void RB1Click(Mainform& f) {
    Lager_setzen(f, 1);
}
void RB2Click(Mainform& f) {
    Lager_setzen(f, 2);
}
void RB3Click(Mainform& f) {
    Lager_setzen(f, 3);
}

void E_Dehnung_LExit(Mainform& f) {
    Anzeige_Rohrdehnung(f);
}
void E_Dehnung_EndtempExit(Mainform& f) {
    Anzeige_Rohrdehnung(f);
}
void E_Z_L1Exit(Mainform& f) {
    Anzeige_Rohrdehnung(f);
}
void E_Dehnung_LKeyUp(Mainform& f, int taste) {
    Dehnung_bei_Enter(f, taste);
}
void E_Dehnung_EndtempKeyUp(Mainform& f, int taste) {
    Dehnung_bei_Enter(f, taste);
}
void E_Winkel_L1KeyUp(Mainform& f, int taste) {
    Dehnung_bei_Enter(f, taste);
}
void E_Z_L1KeyUp(Mainform& f, int taste) {
    Dehnung_bei_Enter(f, taste);
}
void E_U_L1KeyUp(Mainform& f, int taste) {
    Dehnung_bei_Enter(f, taste);
}

// The flow handlers run on leaving and on every key release.
void E_MengeExit(Mainform& f) {
    Durchfluss_rechnen(f, Durchflussfeld::Menge);
}
void E_MengeKeyUp(Mainform& f, int) {
    E_MengeExit(f);
}
void E_InnendurchmesserExit(Mainform& f) {
    Durchfluss_rechnen(f, Durchflussfeld::Innendurchmesser);
}
void E_InnendurchmesserKeyUp(Mainform& f, int) {
    E_InnendurchmesserExit(f);
}
void E_GeschwindigkeitExit(Mainform& f) {
    Durchfluss_rechnen(f, Durchflussfeld::Geschwindigkeit);
}
void E_GeschwindigkeitKeyUp(Mainform& f, int) {
    E_GeschwindigkeitExit(f);
}

void E_DampfdruckChange(Mainform& f) {
    Dampfdruck_geaendert(f);
}
void E_DampftemperaturChange(Mainform& f) {
    Dampftemperatur_geaendert(f);
}

// The field that becomes the input keeps its text, and the panel shows what
// that text gives, as after typing it: a value rounded on the way (3 °C to
// 0,0075957 bar and back) or a message left in the field no longer stands
// beside the values of the other input. Before the first lookup ("-") there
// is nothing to compute.
void RB_Druck_FixClick(Mainform& f) {
    f.maske.E_Dampftemperatur.ReadOnly = true;
    f.maske.E_Dampfdruck.ReadOnly = false;
    if (f.maske.E_Dampfdruck.Text != "-") {
        Dampfdruck_geaendert(f);
    }
}

void RB_Temperatur_FixClick(Mainform& f) {
    f.maske.E_Dampfdruck.ReadOnly = true;
    f.maske.E_Dampftemperatur.ReadOnly = false;
    if (f.maske.E_Dampftemperatur.Text != "-") {
        Dampftemperatur_geaendert(f);
    }
}

void LB_MassartClick(Mainform& f) {
    f.Speicher.Massartpos = f.maske.LB_Massart.ItemIndex;
    f.Speicher.Quellmasspos = 0;
    f.Speicher.Zielmasspos = 0;
    Anzeige_Massumwandlung(f);
}

void LB_QuellmassClick(Mainform& f) {
    f.Speicher.Quellmasspos = f.maske.LB_Quellmass.ItemIndex;
    Anzeige_Massumwandlung(f);
}

void LB_ZielmassClick(Mainform& f) {
    f.Speicher.Zielmasspos = f.maske.LB_Zielmass.ItemIndex;
    Anzeige_Massumwandlung(f);
}

void E_Anz_QuellmassExit(Mainform& f) {
    f.Speicher.Quellmasspos = f.maske.LB_Quellmass.ItemIndex;
    Anzeige_Massumwandlung(f);
}

void Image30Click(Mainform& f) {
    Anzeige_Massumwandlung(f);
}

} // namespace pelmark
