#pragma once
// The catalogue of visual styles and the selection of a style by name. Names
// are compared without regard to letter case; the active style is stored in
// the catalogue's spelling.

#include "form/mainform.h"

#include <string>
#include <vector>

namespace pelmark {

struct Stilbeschreibung {
    const char* Name;
    const char* Ressource; // the theme's resource name ("" for the system look)
};

// "Windows" first, then the nineteen themes.
const std::vector<Stilbeschreibung>& Stilkatalog();

// The catalogue entry of that name (any letter case), or nullptr.
const Stilbeschreibung* Finde_Stil(const std::string& name);

// Makes the style active; an unknown name shows "Stil '%s' nicht gefunden" and
// leaves the current style. Returns whether it succeeded.
bool Stil_waehlen(Mainform& f, const std::string& name);

} // namespace pelmark
