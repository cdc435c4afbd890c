#pragma once
// One trial of the history-independence property: random actions on one
// program, then a fresh start on the same data brought to the same final
// selections and inputs, and the value fields of both compared.

#include "form/mainform.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace pelmark {

class Laeufer;
class Benutzereingaben;

// A runner started on a copy of the program folder with the decimal
// separator given, after "start" and "timer" (as the program's first second).
std::unique_ptr<Laeufer> Gestarteter_Laeufer(const std::string& programm, char dezimal,
                                             std::ostream& aus);

struct Geschichtsversuch {
    char Dezimal = '.';
    std::vector<std::string> Aktionen;    // the random actions
    std::vector<std::string> Abschluss;   // the Enter presses after them
    std::vector<std::string> Frischstart; // what the fresh start did
    std::vector<std::string> Unterschiede;
    std::string Skriptfehler; // a generated line the runner refused (a fault of the generator)
};

// Trial number versuch of seed: up to laenge random actions, then the check;
// zulassen: see Zufallsaktionen.
Geschichtsversuch Versuche_Geschichte(const std::string& programm, std::uint64_t seed,
                                      std::uint64_t versuch, int laenge,
                                      const std::string& zulassen = "");

// Replays the actions (without their Enter presses) on a fresh program and
// checks them as above.
Geschichtsversuch Pruefe_Folge(const std::string& programm, char dezimal,
                               const std::vector<std::string>& aktionen);

// The shortest sequence left when actions are dropped one at a time while
// the values still differ: what a person needs to see the fault.
std::vector<std::string> Kuerze(const std::string& programm, char dezimal,
                                std::vector<std::string> aktionen);

// The fresh start for the final state of f (with the record of what was
// typed into it), compared with f; the lines it ran go to frischstart.
std::vector<std::string> Vergleiche_mit_Frischstart(const Mainform& f, const Benutzereingaben& e,
                                                    const std::string& programm, char dezimal,
                                                    std::vector<std::string>& frischstart,
                                                    bool mit_dateien = true);

} // namespace pelmark
