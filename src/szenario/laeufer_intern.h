#pragma once
// The runner's state while it replays one script.

#include "form/mainform.h"
#include "szenario/rekorder.h"
#include "szenario/skriptzeile.h"

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace pelmark {

namespace fs = std::filesystem;

// Gives the owner write permission on a folder and all it holds again, so a
// read-only company folder of a script can be removed.
void Schreibbar_machen(const fs::path& pfad);

// The names in a folder, sorted, joined by " | "; "(fehlt)" without one.
std::string Ordnerinhalt(const fs::path& ordner);

class Laeufer {
  public:
    Laeufer(const std::string& skript, std::string standardprogramm, std::ostream& aus);

    ~Laeufer();

    int Lauf();

    // One script line, as if read from a script; a line the runner cannot
    // understand throws Skriptfehler. The property tests drive the runner so.
    void Fuehre_aus(const std::string& zeile);
    Mainform& Formular() { return Form(); }

  private:
    void Zeile(const Skriptzeile& z);
    void Programm_verb(const Skriptzeile& z);
    void Datei_verb(const Skriptzeile& z);
    void Bedien_verb(const Skriptzeile& z);
    void Pruef_verb(const Skriptzeile& z);
    void Firma_verb(const Skriptzeile& z);

    void Starte();
    // True when the program is closed afterwards (the fitter may cancel).
    bool Schliesse();
    Antwort Beantworte(Frageart art, const std::string& titel, const std::string& text);
    void Zum_Hauptfenster();
    void Waehle(const std::string& name, int index);
    void Klick(const std::string& name);
    void Tippe(const std::string& name, const std::string& text, bool zeichenweise);
    void Vergleiche(const std::string& name, const std::string& ist, const std::string& soll);
    std::string Zustand_von(const std::string& name);

    const fs::path& Kopie();
    fs::path Pfad(const std::string& text);
    Mainform& Form();
    Edit& Editfeld(const std::string& name);
    std::string Anonym(const std::string& text) const;

    std::string skript_;
    fs::path skriptordner_;
    std::string programmquelle_;
    fs::path kopie_;
    char dezimal_ = '.';
    std::ostream& aus_;
    std::unique_ptr<Rekorder> rekorder_;
    std::unique_ptr<Mainform> form_;
    std::optional<Aufgezeichnete_Meldung> letzte_;
    std::deque<std::string> antworten_; // captions of the answers to the next questions
    std::optional<std::string> letzte_frage_;
    int fehler_ = 0;
    int erwartungen_ = 0;
    int zeilennr_ = 0;
    std::string suchseite_;   // page the last search showed
    std::string suchmeldung_; // its message, empty when it was understood
    std::string firma_;       // the company folder given to every start
};

} // namespace pelmark
