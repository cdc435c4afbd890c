// The list couplings of the dimension and design-data pages. A click copies
// the list's index into its partners, without running their handlers, then
// recomputes. LB_AD1, LB_Armaturen_NW, LB_Lager_NW and LB_DN1 carry one
// index (the nominal-size link), and LB_NW the same size (nennweitenkopplung.h);
// so do LB_AD2 and LB_DN2, and LB_PN and LB_Armaturen_PN. LB_PN1 and LB_PN2
// stand on their own.

#include "app/auswahllisten.h"
#include "app/handler.h"
#include "app/nennweitenkopplung.h"
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

// The pipe lists carry LB_AD1's index, LB_NW its size.
void Nennweite_uebertragen(Maske& m) {
    Uebertrage(m.LB_AD1, {&m.LB_Armaturen_NW, &m.LB_Lager_NW, &m.LB_DN1});
    m.LB_NW.ItemIndex = Gleiche_Groesse(m.LB_AD1, m.LB_NW);
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
    Nennweite_uebertragen(m);
    Drei_Anzeigen(f);
}

void LB_Armaturen_NWClick(Mainform& f) {
    auto& m = f.maske;
    Uebertrage(m.LB_Armaturen_NW, {&m.LB_AD1});
    Nennweite_uebertragen(m);
    Drei_Anzeigen(f);
}

void LB_Lager_NWClick(Mainform& f) {
    auto& m = f.maske;
    Uebertrage(m.LB_Lager_NW, {&m.LB_AD1});
    Nennweite_uebertragen(m);
    Drei_Anzeigen(f);
}

// Also the handler of LB_PN1 and LB_PN2: it copies the index of LB_DN1.
void LB_DN1Click(Mainform& f) {
    auto& m = f.maske;
    Uebertrage(m.LB_DN1, {&m.LB_AD1});
    Nennweite_uebertragen(m);
    Drei_Anzeigen(f);
}

void LB_NWClick(Mainform& f) {
    auto& m = f.maske;
    m.LB_AD1.ItemIndex = Gleiche_Groesse(m.LB_NW, m.LB_AD1);
    Uebertrage(m.LB_AD1, {&m.LB_Armaturen_NW, &m.LB_Lager_NW, &m.LB_DN1});
    Drei_Anzeigen(f);
}

// LB_DN2 is line 2 of the line spacing on the design-data page, so that
// page is computed again as after a click on LB_DN2.
void LB_AD2Click(Mainform& f) {
    Uebertrage(f.maske.LB_AD2, {&f.maske.LB_DN2});
    Drei_Anzeigen(f);
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

namespace {

// A switch of the standard refills every list and keeps the sizes chosen:
// DN 100 becomes NPS 4 and back.
void Norm_wechseln(Mainform& f) {
    const Gewaehlte_Groessen groessen = Groessen_merken(f.maske);
    Init_Anzeige(f);
    Groessen_zurueck(f.maske, groessen);
    Drei_Anzeigen(f);
}

} // namespace

void RB_DIN_RohrClick(Mainform& f) {
    Norm_wechseln(f);
}

void RB_ANSI_RohrClick(Mainform& f) {
    Norm_wechseln(f);
}

void LB_ProfilartClick(Mainform& f) {
    Aktualisieren_Anzeige(f);
    Anzeige_Profilwerte(f);
}

void LB_ProfilClick(Mainform& f) {
    Anzeige_Profilwerte(f);
}

} // namespace pelmark
