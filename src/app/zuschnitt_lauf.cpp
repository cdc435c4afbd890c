#include "app/zuschnitt_lauf.h"

#include "app/lebenszyklus.h"
#include "app/suche.h"
#include "app/zuschnittblatt.h"
#include "calc/rohrbau.h"

namespace pelmark {

Blattlauf Zuschnitt_fuer_Aufruf(Stille_Umgebung& plattform, const std::string& programmordner,
                                const Etagenaufruf& etage, const std::string& datum) {
    auto f = std::make_unique<Mainform>(plattform, programmordner, '.');
    FormCreate(*f);
    FormActivate(*f);
    if (!plattform.Meldungen.empty()) {
        return {1, plattform.Meldungen.front(), std::nullopt};
    }
    const Suchantwort antwort = Suche_ausfuehren(*f, etage.Auswahl);
    if (!antwort.Erkannt) {
        return {2, antwort.Meldung, std::nullopt};
    }
    auto& m = f->maske;
    m.E_Etage_Versatz.Text = etage.Versatz;
    m.E_Etage_Seitenversatz.Text = etage.Seitenversatz.empty() ? "0" : etage.Seitenversatz;
    m.E_Etage_Spalt.Text = etage.Spalt.empty() ? "0" : etage.Spalt;
    const bool fest = !etage.Laenge.empty();
    m.Radio_ein(fest ? m.RB_Etage_Laenge : m.RB_Etage_Winkel);
    (fest ? m.E_Etage_Laenge : m.E_Etage_Winkel).Text = fest ? etage.Laenge : etage.Winkel;
    Anzeige_Rohrbau(*f);
    return {0, {}, Zuschnittblatt_erstellen(*f, datum)};
}

std::string Blatt_als_text_tabelle(const Massblatt& blatt) {
    std::string text;
    for (const std::string& zeile : Massblatt_tabelle(blatt)) {
        text += zeile + "\n";
    }
    return text;
}

} // namespace pelmark
