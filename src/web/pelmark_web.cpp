// The browser edition's entry points: the page calls these through
// emscripten's ccall and gets JSON back. They only hand the page's questions
// to the core and its answers back; the page draws them.
#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "app/massblatt.h"
#include "app/massblatt_lauf.h"
#include "app/suche.h"
#include "form/mainform.h"
#include "form/quellentext.h"
#include "szenario/zustand.h"
#include "web/eingebettet.h"
#include "web/json.h"

#include <memory>
#include <string>

namespace pelmark::web {

namespace {

// The one program of the page, started on the tables at /Daten.
struct Sitzung {
    Stille_Umgebung plattform;
    std::unique_ptr<Mainform> form;
    std::string antwort; // the last answer, alive until the next call
};

Sitzung& Die_Sitzung() {
    static Sitzung sitzung;
    return sitzung;
}

std::string Meldungen_abholen(Sitzung& s) {
    std::string liste = Json_Liste(s.plattform.Meldungen);
    s.plattform.Meldungen.clear();
    return liste;
}

std::string Zeile_json(const Blattzeile& z) {
    return Json_Objekt({{"feld", Json_Text(z.Feld)},
                        {"beschriftung", Json_Text(z.Beschriftung)},
                        {"wert", Json_Text(z.Wert)},
                        {"einheit", Json_Text(z.Einheit)},
                        {"text", Json_Text(Mit_Einheit(z))},
                        {"datei", Json_Text(z.Datei)}});
}

std::string Blatt_json(const Massblatt& blatt) {
    std::vector<std::string> gruppen;
    for (const auto& g : blatt.Gruppen) {
        std::vector<std::string> zeilen;
        for (const auto& z : g.Zeilen) {
            zeilen.push_back(Zeile_json(z));
        }
        gruppen.push_back(
            Json_Objekt({{"titel", Json_Text(g.Titel)}, {"zeilen", Json_Feld(zeilen)}}));
    }
    return Json_Objekt({{"titel", Json_Text(blatt.Titel)}, {"gruppen", Json_Feld(gruppen)}});
}

const char* Antworte(Sitzung& s, std::string json) {
    s.antwort = std::move(json);
    return s.antwort.c_str();
}

} // namespace

} // namespace pelmark::web

using namespace pelmark;
using namespace pelmark::web;

extern "C" {

// Starts the program on /Daten with the decimal comma.
const char* pm_start() {
    Sitzung& s = Die_Sitzung();
    Tabellen_auspacken();
    s.form = std::make_unique<Mainform>(s.plattform, "/", ',');
    s.form->Ohne_Schablonen = true;
    FormCreate(*s.form);
    FormActivate(*s.form);
    return Antworte(s, Json_Objekt({{"meldungen", Meldungen_abholen(s)}}));
}

// Reads the input as the search field does and answers with the sheet.
const char* pm_suche(const char* eingabe) {
    Sitzung& s = Die_Sitzung();
    const Suchantwort antwort = Suche_ausfuehren(*s.form, eingabe);
    std::string blatt = "null";
    if (antwort.Erkannt) {
        const Blattart art =
            antwort.Seite == "TS_Profile" ? Blattart::Profil : Blattart::Rohrleitung;
        blatt = Blatt_json(Massblatt_erstellen(*s.form, art, ""));
    }
    return Antworte(s, Json_Objekt({{"erkannt", antwort.Erkannt ? "true" : "false"},
                                    {"seite", Json_Text(antwort.Seite)},
                                    {"meldung", Json_Text(antwort.Meldung)},
                                    {"blatt", blatt},
                                    {"meldungen", Meldungen_abholen(s)}}));
}

// What the field's tooltip says about its value: source, data file, cell.
const char* pm_quelle(const char* name) {
    Sitzung& s = Die_Sitzung();
    std::vector<std::string> quelle;
    if (const Feldzeiger* feld = s.form->maske.Finde(name)) {
        if (const auto* edit = std::get_if<Edit*>(feld)) {
            quelle = Quellentext(*s.form, **edit);
        }
    }
    return Antworte(s, Json_Liste(quelle));
}

const char* pm_vorschlaege(const char* praefix) {
    Sitzung& s = Die_Sitzung();
    return Antworte(s, Json_Liste(Suchvorschlaege(*s.form, praefix, 12)));
}

// The states of the named controls (names separated by line breaks), as the
// scenario runner prints them.
const char* pm_zustand(const char* namen) {
    Sitzung& s = Die_Sitzung();
    std::vector<std::pair<std::string, std::string>> felder;
    std::string liste = namen;
    for (size_t anfang = 0; anfang <= liste.size();) {
        const size_t ende = std::min(liste.find('\n', anfang), liste.size());
        const std::string name = liste.substr(anfang, ende - anfang);
        if (!name.empty()) {
            felder.emplace_back(name, Json_Text(Zustand(*s.form, name).value_or("")));
        }
        anfang = ende + 1;
    }
    return Antworte(s, Json_Objekt(felder));
}

// The user picks entry index of a list: its click handler runs.
const char* pm_waehle(const char* name, int index) {
    Sitzung& s = Die_Sitzung();
    if (const Feldzeiger* feld = s.form->maske.Finde(name)) {
        if (auto* const* liste = std::get_if<Liste*>(feld);
            liste && index >= 0 && index < static_cast<int>((*liste)->Items.size())) {
            (*liste)->ItemIndex = index;
            Loese_aus(*s.form, name, Ereignis::Klick);
        }
    }
    return Antworte(s, Json_Objekt({{"meldungen", Meldungen_abholen(s)}}));
}

// The user clicks a radio button: it is set, the others of its group cleared,
// and its click handler runs.
const char* pm_klicke(const char* name) {
    Sitzung& s = Die_Sitzung();
    if (const Feldzeiger* feld = s.form->maske.Finde(name)) {
        if (auto* const* schalter = std::get_if<Schalter*>(feld)) {
            s.form->maske.Radio_ein(**schalter);
            Loese_aus(*s.form, name, Ereignis::Klick);
        }
    }
    return Antworte(s, Json_Objekt({{"meldungen", Meldungen_abholen(s)}}));
}

// The user types into an edit and leaves it: its change and leave handlers run.
const char* pm_tippe(const char* name, const char* text) {
    Sitzung& s = Die_Sitzung();
    if (const Feldzeiger* feld = s.form->maske.Finde(name)) {
        if (auto* const* edit = std::get_if<Edit*>(feld); edit && !(*edit)->ReadOnly) {
            (*edit)->Text = text;
            (*edit)->Name_als_Text = false;
            Loese_aus(*s.form, name, Ereignis::Aenderung);
            Loese_aus(*s.form, name, Ereignis::Verlassen);
        }
    }
    return Antworte(s, Json_Objekt({{"meldungen", Meldungen_abholen(s)}}));
}

} // extern "C"
