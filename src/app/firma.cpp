#include "app/firma.h"

#include "app/massblatt.h"
#include "form/quellentext.h"
#include "store/firmentabellen.h"
#include "store/textdatei.h"

#include <algorithm>

namespace pelmark {

namespace {

std::string Meldung_aus(const Mainform& f, const Ladebericht& bericht) {
    std::string text;
    if (!bericht.Ordnerfehler.empty()) {
        text = bericht.Ordnerfehler + " Pelmark nimmt alle Tabellen aus " + f.Datendir + ".";
    }
    for (const std::string& abgelehnt : bericht.Abgelehnt) {
        text += (text.empty() ? "" : "\n\n") + abgelehnt;
    }
    return text;
}

std::string Zellen(int anzahl) {
    return std::to_string(anzahl) + (anzahl == 1 ? " abweichende Zelle" : " abweichende Zellen");
}

} // namespace

void Firmentabellen_laden(Mainform& f) {
    const Ladebericht bericht = Lade_Tabellen(f.Speicher, f.Datendir, f.Firmenordner);
    const std::string meldung = Meldung_aus(f, bericht);
    if (!meldung.empty() && meldung != f.Firmenmeldung) {
        Zeige_Hinweis(f, Meldungsart::warnung, meldung);
    }
    f.Firmenmeldung = meldung;
}

std::vector<std::string> Firmeninfo(const Mainform& f) {
    if (f.Firmenordner.empty()) {
        return {};
    }
    std::vector<std::string> zeilen = {"Firmenordner: " + f.Firmenordner};
    // The fault of the last load, one line per part.
    for (size_t anfang = 0; anfang < f.Firmenmeldung.size();) {
        const size_t ende = std::min(f.Firmenmeldung.find("\n\n", anfang), f.Firmenmeldung.size());
        zeilen.push_back(f.Firmenmeldung.substr(anfang, ende - anfang));
        anfang = ende + 2;
    }
    const Tabellenspeicher& s = f.Speicher;
    for (size_t i = 0; i < s.Herkunft.size(); ++i) {
        const Tabellenherkunft& h = s.Herkunft[i];
        if (h.Ebene == Schicht::Firma) {
            const std::string name =
                i < Katalog().size() ? Katalog()[i].Datei : Datei_Massumrechnung;
            zeilen.push_back("Firmentabelle " + name + ": " + Zellen(h.Abweichungen) +
                             " gegenüber " + f.Datendir + name);
        }
    }
    if (zeilen.size() == 1 && f.Firmenmeldung.empty()) {
        zeilen.push_back("Der Firmenordner enthält keine Tabelle von Pelmark.");
    }
    return zeilen;
}

std::vector<std::string> Feldquellentext(const Mainform& f, const Edit& feld) {
    std::string einheit;
    for (const auto& [name, zeiger] : f.maske.Felder()) {
        const auto* edit = std::get_if<Edit*>(&zeiger);
        if (edit != nullptr && *edit == &feld) {
            if (const auto zeile = Feldzeile_von(f, name)) {
                einheit = zeile->Einheit;
            }
            break;
        }
    }
    return Quellentext(f, feld, einheit);
}

} // namespace pelmark
