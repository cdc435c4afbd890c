#pragma once
// Copying one field between the form model and its widget.

#include "form/maske.h"

class QWidget;

namespace pelmark::ui {

// What the user can change: edit texts, list selections, switch states, grid cells.
void Lies_Widget(const Feldzeiger& feld, QWidget* widget);

// Everything the model holds, written into the widget.
void Schreibe_Widget(const Feldzeiger& feld, QWidget* widget);

} // namespace pelmark::ui
