#pragma once
// The look of a visual style: "Windows" is the platform's plain look, every
// other style is a theme embedded as a resource under its resource name.

#include <string>

class QWidget;

namespace pelmark::ui {

// Sets the style on every window there is.
void Wende_Stil_an(const std::string& name);

// Gives a window made without a parent, after the style was set, its look.
void Uebernimm_Stil(QWidget& fenster);

} // namespace pelmark::ui
