#pragma once
// Random user actions as scenario script lines, for the history-independence
// property: picks, clicks, typing, Enter, leaving, searches, activations and
// free-table edits, drawn from one seeded generator so a seed replays a run.

#include "form/mainform.h"
#include "szenario/geschichte.h"

#include <cstdint>
#include <random>
#include <string>

namespace pelmark {

class Zufallsaktionen {
  public:
    // zulassen: also the actions that the entries of the list of faults
    // being fixed elsewhere whose text contains it leave out ("" none, "*"
    // all): to see those faults, or to check their fixes.
    explicit Zufallsaktionen(std::uint64_t seed, std::string zulassen = "")
        : zufall_(seed), zulassen_(std::move(zulassen)) {}

    // The next action for the form as it is now.
    std::string Naechste(const Mainform& f);

  private:
    std::string Ziehe(const Mainform& f);
    int Zahl(int bis); // 0 … bis-1
    std::string Liste_waehlen(const Mainform& f);
    std::string Schalter_klicken();
    std::string Eingabe(const Mainform& f);
    std::string Tabellenaktion(const Mainform& f);
    std::string Text();

    std::mt19937_64 zufall_;
    std::string zulassen_;
    std::string zuletzt_getippt_;
};

// A text no calculation can serve: unreadable, negative or absurdly large.
bool Schlechter_Text(const std::string& text);

// True for an action the generator leaves out for now (the list in
// zufallsaktionen.cpp names the faults, being fixed elsewhere, behind them).
bool Ausgeschlossen(const std::string& zeile, const std::string& zulassen = "");

// Notes in e what the line typed, confirmed or edited.
void Vermerke(const std::string& zeile, Benutzereingaben& e);

} // namespace pelmark
