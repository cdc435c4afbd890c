#include "szenario/rekorder.h"

namespace pelmark {

const char* Meldungsartname(Meldungsart art) {
    switch (art) {
    case Meldungsart::fehler:
        return "fehler";
    case Meldungsart::warnung:
        return "warnung";
    case Meldungsart::information:
        return "information";
    case Meldungsart::hinweis:
        return "hinweis";
    }
    return "hinweis";
}

void Rekorder::Zeige_Meldung(Meldungsart art, const std::string& titel, const std::string& text) {
    Meldungen.push_back({art, titel, text});
    if (Bei_Meldung) {
        Bei_Meldung(Meldungen.back());
    }
}

Antwort Vorgabeantwort(Frageart art) {
    return art == Frageart::aenderungen_sichern ? Antwort::nein : Antwort::abbrechen;
}

Antwort Rekorder::Frage(Frageart art, const std::string& titel, const std::string& text) {
    return Bei_Frage ? Bei_Frage(art, titel, text) : Vorgabeantwort(art);
}

void Rekorder::Zeige_Fenster(Infofenster& fenster, bool) {
    Aktives_Fenster = &fenster;
    if (Bei_Fensteraktivierung) {
        Bei_Fensteraktivierung(fenster);
    }
}

void Rekorder::Schliesse_Fenster(Infofenster& fenster) {
    if (Aktives_Fenster == &fenster) {
        Aktives_Fenster = nullptr;
    }
}

std::optional<std::string> Rekorder::Datei_waehlen(const std::string&, const std::string&) {
    if (Dateiantworten.empty()) {
        return std::nullopt;
    }
    auto antwort = Dateiantworten.front();
    Dateiantworten.pop_front();
    return antwort;
}

} // namespace pelmark
