// The list couplings of the dimension and design-data pages. A click copies
// the list's index into its partners, without running their handlers, then
// recomputes. LB_AD1, LB_Armaturen_NW, LB_Lager_NW, LB_DN1 and LB_NW carry
// one index (the nominal-size link); so do LB_AD2 and LB_DN2, and LB_PN and
// LB_Armaturen_PN. LB_PN1 and LB_PN2 stand on their own.

#include "app/auswahllisten.h"
#include "app/handler.h"
#include "calc/anzeigen.h"
#include "calc/rohrbau.h"
#include "components/aktualisieren.h"

#include <initializer_list>

namespace pelmark {

namespace {

// An index beyond a partner's entries leaves that partner without selection.
void Uebertrage(const Liste& quelle, std::initializer_list<Liste*> partner) {
    for (Liste* liste : partner) {
        const int index = quelle.ItemIndex;
        liste->ItemIndex = index >= 0 && index < liste->Count() ? index : -1;
    }
}

void Drei_Anzeigen(Mainform& f) {
    Aktualisieren_Anzeige(f);
    Anzeige_Konstruktionsdaten(f);
    Anzeige_Rohrdehnung(f);
    Anzeige_Rohrbau(f);
}

} // namespace

void LB_AD1Click(Mainform& f) {
    auto& m = f.maske;
    Uebertrage(m.LB_AD1, {&m.LB_Armaturen_NW, &m.LB_Lager_NW, &m.LB_DN1, &m.LB_NW});
    Drei_Anzeigen(f);
}

void LB_Armaturen_NWClick(Mainform& f) {
    auto& m = f.maske;
    Uebertrage(m.LB_Armaturen_NW, {&m.LB_AD1, &m.LB_Lager_NW, &m.LB_DN1, &m.LB_NW});
    Drei_Anzeigen(f);
}

void LB_Lager_NWClick(Mainform& f) {
    auto& m = f.maske;
    Uebertrage(m.LB_Lager_NW, {&m.LB_AD1, &m.LB_Armaturen_NW, &m.LB_DN1, &m.LB_NW});
    Drei_Anzeigen(f);
}

// Also the handler of LB_PN1 and LB_PN2: it copies the index of LB_DN1.
void LB_DN1Click(Mainform& f) {
    auto& m = f.maske;
    Uebertrage(m.LB_DN1, {&m.LB_AD1, &m.LB_Armaturen_NW, &m.LB_Lager_NW, &m.LB_NW});
    Drei_Anzeigen(f);
}

void LB_NWClick(Mainform& f) {
    auto& m = f.maske;
    Uebertrage(m.LB_NW, {&m.LB_AD1, &m.LB_Armaturen_NW, &m.LB_Lager_NW, &m.LB_DN1});
    Drei_Anzeigen(f);
}

void LB_AD2Click(Mainform& f) {
    Uebertrage(f.maske.LB_AD2, {&f.maske.LB_DN2});
    Aktualisieren_Anzeige(f);
}

void LB_DN2Click(Mainform& f) {
    Uebertrage(f.maske.LB_DN2, {&f.maske.LB_AD2});
    Drei_Anzeigen(f);
}

void LB_PNClick(Mainform& f) {
    Uebertrage(f.maske.LB_PN, {&f.maske.LB_Armaturen_PN});
    Aktualisieren_Anzeige(f);
}

void LB_Armaturen_PNClick(Mainform& f) {
    Uebertrage(f.maske.LB_Armaturen_PN, {&f.maske.LB_PN});
    Aktualisieren_Anzeige(f);
}

void LB_WD_ReiheClick(Mainform& f) {
    Drei_Anzeigen(f);
}

void LB_RadiusClick(Mainform& f) {
    Aktualisieren_Anzeige(f);
    Anzeige_Rohrbau(f);
}

void RB_DIN_RohrClick(Mainform& f) {
    Init_Anzeige(f);
}

void RB_ANSI_RohrClick(Mainform& f) {
    Init_Anzeige(f);
}

void LB_ProfilartClick(Mainform& f) {
    Aktualisieren_Anzeige(f);
    Anzeige_Profilwerte(f);
}

void LB_ProfilClick(Mainform& f) {
    Anzeige_Profilwerte(f);
}

} // namespace pelmark
