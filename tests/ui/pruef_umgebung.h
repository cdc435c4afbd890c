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

    std::vector<Meldung> Meldungen;
};

} // namespace pelmark
