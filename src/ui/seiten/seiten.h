#pragma once
// The ten tab pages, each built in its own function; every widget carries the
// name of its control as object name, so the binder finds it.

class QWidget;

namespace pelmark::ui {

// Builds the page with that index (0..9, tab order) with its panel.
QWidget* Baue_Seite(int index);

} // namespace pelmark::ui
