#pragma once
// The look of a visual style: "Windows" is the platform's plain look, every
// other style is a theme embedded as a resource under its resource name.

#include <string>

namespace pelmark::ui {

void Wende_Stil_an(const std::string& name);

} // namespace pelmark::ui
