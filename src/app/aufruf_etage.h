#pragma once
// "pelmark --etage GRÖSSE --versatz H (--winkel α | --laenge LAUF)
// [--seitenversatz S] [--spalt SPALT] --csv DATEI|- and/or --pdf DATEI":
// the cut sheet of an offset without a window. The size is read as the
// search field reads it; the numbers go into the page's fields as typed, so
// an unreadable one shows "-" with its reason on the sheet.

#include <string>
#include <vector>

namespace pelmark {

struct Etagenaufruf {
    std::string Auswahl; // "DN 100", "4\" ANSI" …
    std::string Versatz;
    std::string Winkel;
    std::string Laenge; // the fixed run; then α follows
    std::string Seitenversatz;
    std::string Spalt;

    bool operator==(const Etagenaufruf&) const = default;
};

// Takes one of the offset's options at argument i (i moves past its value);
// false for any other argument.
bool Etagenangabe(const std::vector<std::string>& argumente, size_t& i, Etagenaufruf& etage);

// What is missing for a cut sheet, or the empty text when all is there.
std::string Etagenfehler(const Etagenaufruf& etage, bool mit_ziel);

} // namespace pelmark
