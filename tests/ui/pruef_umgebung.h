#pragma once
// The platform of the widget tests: records message boxes instead of showing
// them, so no modal box can block a test.

#include "ui/qt_umgebung.h"

#include <string>
#include <vector>

namespace pelmark {

class Pruef_Umgebung : public ui::Qt_Umgebung {
  public:
    struct Meldung {
        Meldungsart Art;
        std::string Titel;
        std::string Text;
    };

    void Zeige_Meldung(Meldungsart art, const std::string& titel,
                       const std::string& text) override {
        Meldungen.push_back({art, titel, text});
    }

    // Questions are recorded and answered from Antworten, else cancelled.
    Antwort Frage(Frageart, const std::string&, const std::string& text) override {
        Fragen.push_back(text);
        if (Antworten.empty()) {
            return Antwort::abbrechen;
        }
        const Antwort antwort = Antworten.front();
        Antworten.erase(Antworten.begin());
        return antwort;
    }
    // No file dialog blocks a test: it is cancelled.
    std::optional<std::string> Datei_waehlen(const std::string&, const std::string&) override {
        return std::nullopt;
    }

    std::vector<Meldung> Meldungen;
    std::vector<std::string> Fragen;
    std::vector<Antwort> Antworten;
};

} // namespace pelmark
