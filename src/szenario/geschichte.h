#pragma once
// History independence: after any sequence of user actions, every value field
// shows what a fresh start shows once the user has made only the final
// selections and typed only the final inputs (and pressed Enter in each, as
// the pages that compute on Enter need). The property tests and the monkey
// keep a record of what the user typed, turn the final state into script
// lines for a fresh start, and compare the value fields of both.

#include "form/mainform.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pelmark {

// What the user typed, as far as the final state needs it.
class Benutzereingaben {
  public:
    // The user typed text into an edit (it is not confirmed until Enter or leaving).
    void Getippt(const std::string& name, const std::string& text);
    // A row of the material grid was picked (taken over when the grid is left).
    void Zeile_gewaehlt(const std::string& name);
    // Enter in the edit.
    void Enter(const std::string& name);
    // The edit (or grid) lost the focus.
    void Verlassen(const std::string& name);
    // A cell of the free table holds text after the user's edit.
    void Zelle(int spalte, int zeile, const std::string& text);
    // Another free table was shown: the edits of the old one are gone.
    void Tabelle_gewechselt();
    // The program started again: nothing typed yet.
    void Neustart();

    // The edits typed into, with the text they show now, in the order they
    // were last typed.
    std::vector<std::pair<std::string, std::string>> Eingaben(const Mainform& f) const;
    const std::map<std::pair<int, int>, std::string>& Zellen() const { return zellen_; }

    bool Ohne_Enter(const std::string& name) const { return ohne_enter_.count(name) != 0; }
    bool Nicht_verlassen(const std::string& name) const {
        return nicht_verlassen_.count(name) != 0;
    }

  private:
    std::vector<std::pair<std::string, std::string>> getippt_; // oldest first
    std::set<std::string> ohne_enter_;
    std::set<std::string> nicht_verlassen_;
    std::map<std::pair<int, int>, std::string> zellen_;
};

// Script lines that press Enter in and leave the inputs (still showing what
// was typed) that have not had Enter or have not been left since, and leave
// the material grid after a pick, so every page has computed.
std::vector<std::string> Abschlusszeilen(const Mainform& f, const Benutzereingaben& e);

// Takes a fresh start (after "start" and "timer") to the selections and
// inputs of ziel, running each script line through ausfuehren: the standard,
// the lists, the switches and the material row where frisch differs, the free
// table with its edits, then every typed input with Enter and leaving.
// Returns the lines it ran. Without the files (mit_dateien false: the monkey
// browses folders and saves tables) the free table and the chosen formula
// picture are left out, here and in Wertunterschiede.
std::vector<std::string>
Auf_Endstand_bringen(const Mainform& ziel, const Benutzereingaben& e, const Mainform& frisch,
                     const std::function<void(const std::string&)>& ausfuehren,
                     bool mit_dateien = true);

// The value fields where a and b differ, one "NAME: «a» / «b»" line each;
// empty when they agree. Texts and tooltips of the fields, list entries and
// selections, grids, captions and pictures count; the style, the folder
// lists and the information windows do not.
std::vector<std::string> Wertunterschiede(const Mainform& a, const Mainform& b,
                                          bool mit_dateien = true);

} // namespace pelmark
