#pragma once
// The platform of the scenario runner and the tests: it records every message
// box and answers the file dialog from a queue instead of asking a user.

#include "form/umgebung.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmark {

struct Aufgezeichnete_Meldung {
    Meldungsart Art;
    std::string Titel;
    std::string Text;
};

const char* Meldungsartname(Meldungsart art);

// The answer a question gets when the script gave none.
Antwort Vorgabeantwort(Frageart art);

class Rekorder : public Umgebung {
  public:
    void Zeige_Meldung(Meldungsart art, const std::string& titel, const std::string& text) override;
    void Stil_anwenden(const std::string& name) override { Angewandter_Stil = name; }
    void Zeige_Fenster(Infofenster& fenster, bool modal) override;
    void Schliesse_Fenster(Infofenster& fenster) override;
    std::optional<std::string> Datei_waehlen(const std::string& filter,
                                             const std::string& startordner) override;
    std::vector<std::string> Laufwerke() override { return {"/"}; }
    // Asks Bei_Frage; without it, the answer that drops nothing new: discard
    // unsaved edits as the program always did, keep a recovery file for later.
    Antwort Frage(Frageart art, const std::string& titel, const std::string& text) override;

    std::vector<Aufgezeichnete_Meldung> Meldungen;
    std::deque<std::optional<std::string>> Dateiantworten;
    std::string Angewandter_Stil;
    Infofenster* Aktives_Fenster = nullptr; // nullptr: the main window

    // Called for every message as it is shown (the runner prints it).
    std::function<void(const Aufgezeichnete_Meldung&)> Bei_Meldung;
    // Answers a question (the runner prints it and takes the scripted answer).
    std::function<Antwort(Frageart, const std::string&, const std::string&)> Bei_Frage;
    // Called when an information window becomes active (the runner loads its document).
    std::function<void(Infofenster&)> Bei_Fensteraktivierung;
};

} // namespace pelmark
