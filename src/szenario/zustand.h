#pragma once
// What a user sees of a control or value, as the scenario scripts print and
// compare it: "NAME = STATE".

#include "form/mainform.h"

#include <optional>
#include <string>

namespace pelmark {

// The state of a control (optionally with ".property") or a value name;
// nothing when the name is unknown.
std::optional<std::string> Zustand(const Mainform& f, const std::string& name);

// Every control of the form, sorted by name, as "NAME = STATE" lines.
std::string Alle_Zustaende(const Mainform& f);

} // namespace pelmark
