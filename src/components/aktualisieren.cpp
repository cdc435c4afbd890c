#include "components/aktualisieren.h"

#include "components/schritte.h"

namespace pelmark {

namespace {

// Pipes and fittings, flanges and valves for the tables of one standard.
void Tabellenschritt(Mainform& f, const Normtabellen& t, const Auswahl& a) {
    Rohrteile_eintragen(f, t, a);
    Flansche_eintragen(f, t, a);
    Armaturen_eintragen(f, t, a);
}

} // namespace

void Aktualisieren_Anzeige(Mainform& f) {
    auto& m = f.maske;
    const Auswahl auswahl = Lies_Auswahl(m);
    if (m.RB_DIN_Rohr.Checked) {
        Tabellenschritt(f, Din_Tabellen(f.Speicher), auswahl);
    }
    if (m.RB_ANSI_Rohr.Checked) {
        Tabellenschritt(f, Ansi_Tabellen(f.Speicher), auswahl);
    }
    const bool ansi = m.RB_ANSI_Rohr.Checked;

    Rueckwerte werte;
    Rohrteile_zuruecklesen(f, werte);
    Flansche_zuruecklesen(f, ansi, werte);
    Bogensegmente_schreiben(f, werte);
    Verbundlaengen_schreiben(f, ansi, werte);

    // A missing section picture ends the refresh here, before the supports.
    Profilschritt(f);
    Lager_eintragen(f, auswahl.DN1_Zeile);
}

} // namespace pelmark
