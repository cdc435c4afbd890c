#pragma once
// The sketch of an offset as an SVG drawing: the lower run, the two elbows,
// the pipe between them marked as the piece to cut, the upper run, and the
// dimensions offset, run, travel, angle and take-out with the texts given.
// The drawing is schematic (always about 45°); the texts carry the values.

#include <string>

namespace pelmark {

struct Skizzentexte {
    std::string Versatz;
    std::string Lauf;
    std::string Schraeglaenge;
    std::string Winkel;
    std::string Abzug;
    std::string Zuschnitt;
};

// A complete SVG document, black on white, 400 × 260 units.
std::string Etagenskizze_svg(const Skizzentexte& t);

} // namespace pelmark
