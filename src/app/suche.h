#pragma once
// The search field: reads what a fitter types ("DN 150 PN 40", "NPS 6",
// "IPE 200", "M20", "Dampf 10 bar", "150 °C") into a target and selects it
// through the same handlers a click runs, so every coupled list follows.
// An input it cannot read changes nothing and says so.

#include "form/mainform.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

// What one input asks for; an empty text is a part the input did not name.
struct Suchziel {
    enum class Norm { offen, DIN, ANSI };
    Norm Standard = Norm::offen;
    std::string Nennweite;  // entry of LB_AD1 ("DN 150", "6", "1 1/2")
    std::string Druckstufe; // entry of LB_PN ("PN 40", "Class 300")
    std::string Profil;     // entry of LB_Profil ("IPE 200", "L 100x100x10")
    std::string Schraube;   // bolt diameter in mm ("20")
    std::string Dampfdruck; // steam pressure in bar as typed ("10", "2,5")
    std::string Temperatur; // entry of LB_Temperatur ("150 °C")
    bool Etage = false;     // "Etage": the page "Rohrbau"
};

// The reading of an input, or the reason it cannot be read.
struct Suchlesung {
    std::optional<Suchziel> Ziel;
    std::string Meldung;
};

Suchlesung Suche_lesen(std::string_view eingabe);

// The outcome of a search: the page to show (empty when nothing changed) and
// the message for the line below the field (empty on success).
struct Suchantwort {
    bool Erkannt = false;
    std::string Seite;
    std::string Meldung;
};

// Reads the input and applies it to the form through the event table.
Suchantwort Suche_ausfuehren(Mainform& f, std::string_view eingabe);

// Up to hoechstens texts the search understands that begin with the prefix
// (case and blanks ignored), in list order.
std::vector<std::string> Suchvorschlaege(const Mainform& f, std::string_view praefix,
                                         size_t hoechstens = 40);

} // namespace pelmark
