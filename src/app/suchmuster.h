#pragma once
// The parts a search input is made of ("dn 150", "class 300", "ipe 200",
// "10 bar" ...), each read from the start of what is left of the normalised
// input (lower case, blanks for separators).

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pelmark {

enum class Suchart { DN, PN, NPS, Klasse, Profil, Winkel, Schraube, Dampf, Temperatur, Etage };

struct Suchteil {
    Suchart Art = Suchart::DN;
    std::size_t Laenge = 0;           // bytes of the input it takes
    std::array<std::string, 3> Teile; // the numbers or names it found, in order
    bool Drei_Masse = false;          // an angle given with all three measures
};

// The first kind of part that reads the input from its start, in a fixed
// order: "dn", "pn", "nps", "class"/"cl", "lb"/"#", steam in "bar", "dampf",
// a temperature, inches, an angle "l AxB(xC)", a section, a bolt "m",
// "etage"/"raumetage".
std::optional<Suchteil> Lies_Suchteil(std::string_view rest);

} // namespace pelmark
