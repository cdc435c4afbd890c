#include "form/maske.h"

#include <cstring>

namespace pelmark {

namespace {

// Placeholders: an output shows its own name until its page is first computed.
void Platzhalter(const char* name, Feldzeiger feld) {
    if (auto* edit = std::get_if<Edit*>(&feld); edit && (*edit)->Name_als_Text) {
        (*edit)->Text = name;
    }
    if (auto* label = std::get_if<Beschriftung*>(&feld); label && (*label)->Name_als_Text) {
        (*label)->Caption = name;
    }
}

} // namespace

#define PELMARK_EINTRAG(Typ, Name, ...) Verzeichne(#Name, &this->Name);

Maske::Maske() {
    PELMARK_SEITE_ROHRTEILE(PELMARK_EINTRAG)
    PELMARK_SEITE_ARMATUREN(PELMARK_EINTRAG)
    PELMARK_SEITE_LAGER(PELMARK_EINTRAG)
    PELMARK_SEITE_PROFILE(PELMARK_EINTRAG)
    PELMARK_SEITE_OPTIONEN(PELMARK_EINTRAG)
    PELMARK_SEITE_KONSTRUKTION(PELMARK_EINTRAG)
    PELMARK_SEITE_DEHNUNG(PELMARK_EINTRAG)
    PELMARK_SEITE_TABELLEN(PELMARK_EINTRAG)
    PELMARK_SEITE_FORMELN(PELMARK_EINTRAG)
    PELMARK_SEITE_MASSUMWANDLUNG(PELMARK_EINTRAG)
    PELMARK_SEITE_ROHRBAU(PELMARK_EINTRAG)
    PELMARK_REITERSEITEN(PELMARK_EINTRAG)
    PELMARK_TAFELN_UND_DIALOGE(PELMARK_EINTRAG)
    PELMARK_SCHABLONEN(PELMARK_EINTRAG)
    for (auto* fenster : {&F_Programminfo, &F_Geschwindigkeitsinfo}) {
        const std::string name =
            fenster == &F_Programminfo ? "F_Programminfo" : "F_Geschwindigkeitsinfo";
        felder_.emplace(name, fenster);
        felder_.emplace(name + ".BitBtn1", &fenster->BitBtn1);
        felder_.emplace(name + ".E_Infotext", &fenster->E_Infotext);
    }
}

#undef PELMARK_EINTRAG

void Maske::Verzeichne(const char* name, Feldzeiger feld) {
    Platzhalter(name, feld);
    felder_.emplace(name, feld);
}

const Feldzeiger* Maske::Finde(const std::string& name) const {
    const auto it = felder_.find(name);
    return it == felder_.end() ? nullptr : &it->second;
}

void Maske::Radio_ein(Schalter& schalter) {
    if (!schalter.Radio) {
        schalter.Checked = true;
        return;
    }
    for (auto& [name, feld] : felder_) {
        if (auto* andere = std::get_if<Schalter*>(&feld);
            andere && (*andere)->Radio && std::strcmp((*andere)->Gruppe, schalter.Gruppe) == 0) {
            (*andere)->Checked = false;
        }
    }
    schalter.Checked = true;
}

} // namespace pelmark
