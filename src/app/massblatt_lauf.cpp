#include "app/massblatt_lauf.h"

#include "app/lebenszyklus.h"
#include "app/suche.h"

namespace pelmark {

void Stille_Umgebung::Zeige_Meldung(Meldungsart, const std::string& titel,
                                    const std::string& text) {
    Meldungen.push_back(titel + ": " + text);
}

Blattlauf Massblatt_fuer_Auswahl(Stille_Umgebung& plattform, const std::string& programmordner,
                                 const std::string& auswahl, const std::string& datum) {
    auto f = std::make_unique<Mainform>(plattform, programmordner, '.');
    FormCreate(*f);
    FormActivate(*f);
    if (!plattform.Meldungen.empty()) {
        return {1, plattform.Meldungen.front(), std::nullopt};
    }
    const Suchantwort antwort = Suche_ausfuehren(*f, auswahl);
    if (!antwort.Erkannt) {
        return {2, antwort.Meldung, std::nullopt};
    }
    const Blattart art = antwort.Seite == "TS_Profile" ? Blattart::Profil : Blattart::Rohrleitung;
    return {0, {}, Massblatt_erstellen(*f, art, datum)};
}

} // namespace pelmark
