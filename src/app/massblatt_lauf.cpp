#include "app/massblatt_lauf.h"

#include "app/lebenszyklus.h"
#include "app/suche.h"

namespace pelmark {

void Stille_Umgebung::Zeige_Meldung(Meldungsart, const std::string& titel,
                                    const std::string& text) {
    Meldungen.push_back(titel + ": " + text);
}

Blattlauf Massblatt_fuer_Auswahl(Stille_Umgebung& plattform, const std::string& programmordner,
                                 const std::string& auswahl, const std::string& datum,
                                 const std::string& firmenordner) {
    auto f = std::make_unique<Mainform>(plattform, programmordner, '.');
    f->Firmenordner = firmenordner;
    FormCreate(*f);
    FormActivate(*f);
    // A fault of the company folder is no reason to stop: the sheet is made
    // from the usual tables, and the warning stays in the list.
    const size_t firmenwarnung = f->Firmenmeldung.empty() ? 0 : 1;
    if (plattform.Meldungen.size() > firmenwarnung) {
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
