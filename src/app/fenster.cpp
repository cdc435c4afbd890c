// The buttons that open the information windows.
#include "app/handler.h"

namespace pelmark {

namespace {
void Zeige(Mainform& f, Infofenster& fenster, bool modal) {
    fenster.Status = modal ? Infofenster::Zustand::modal : Infofenster::Zustand::offen;
    f.Plattform.Zeige_Fenster(fenster, modal);
}
} // namespace

void B_InfoClick(Mainform& f) {
    if (f.maske.F_Programminfo.Status == Infofenster::Zustand::zu) {
        Zeige(f, f.maske.F_Programminfo, false);
    } else {
        f.Plattform.Zeige_Fenster(f.maske.F_Programminfo, false);
    }
}

void B_ProgramminfoClick(Mainform& f) {
    if (f.maske.F_Programminfo.Status == Infofenster::Zustand::offen) {
        Zeige_Fehler(f, "Sichtbares Fenster kann nicht in modales geändert werden");
        return;
    }
    Zeige(f, f.maske.F_Programminfo, true);
}

void BitBtn6Click(Mainform& f) {
    if (f.maske.F_Geschwindigkeitsinfo.Status == Infofenster::Zustand::zu) {
        Zeige(f, f.maske.F_Geschwindigkeitsinfo, false);
    } else {
        f.Plattform.Zeige_Fenster(f.maske.F_Geschwindigkeitsinfo, false);
    }
}

} // namespace pelmark
