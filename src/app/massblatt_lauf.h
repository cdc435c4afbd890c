#pragma once
// "pelmark --massblatt": the program starts on its folder without a window,
// the selection text is applied as the search field applies it, and the
// sheet is gathered. Messages go to a list instead of boxes.

#include "app/massblatt.h"
#include "form/umgebung.h"

#include <memory>
#include <string>
#include <vector>

namespace pelmark {

// A platform without windows: messages are collected, dialogs cancelled.
class Stille_Umgebung : public Umgebung {
  public:
    void Zeige_Meldung(Meldungsart art, const std::string& titel, const std::string& text) override;
    void Stil_anwenden(const std::string&) override {}
    void Zeige_Fenster(Infofenster&, bool) override {}
    void Schliesse_Fenster(Infofenster&) override {}
    std::optional<std::string> Datei_waehlen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::vector<std::string> Laufwerke() override { return {"/"}; }

    std::vector<std::string> Meldungen;
};

struct Blattlauf {
    int Status = 0;      // 0 done, 1 the data could not be loaded, 2 selection not understood
    std::string Meldung; // for stderr when Status is not 0
    std::optional<Massblatt> Blatt;
};

// Starts the core on the program folder (with trailing separator), applies
// the selection and gathers the sheet.
// A company folder (empty: none) is laid over the tables as at a start.
Blattlauf Massblatt_fuer_Auswahl(Stille_Umgebung& plattform, const std::string& programmordner,
                                 const std::string& auswahl, const std::string& datum,
                                 const std::string& firmenordner = {});

} // namespace pelmark
