#pragma once
// The ten tab pages, each built in its own file; every widget carries the
// name of its control as object name, so the binder finds it.

class QWidget;

namespace pelmark::ui {

// Builds the page with that index (0..10, tab order).
QWidget* Baue_Seite(int index);

QWidget* Baue_Seite_Rohrteile();
QWidget* Baue_Seite_Armaturen();
QWidget* Baue_Seite_Lager();
QWidget* Baue_Seite_Profile();
QWidget* Baue_Seite_Optionen();
QWidget* Baue_Seite_Konstruktionsdaten();
QWidget* Baue_Seite_Dehnung();
QWidget* Baue_Seite_Tabellen();
QWidget* Baue_Seite_Formeln();
QWidget* Baue_Seite_Massumwandlung();
QWidget* Baue_Seite_Rohrbau();

// Adds a panel to the page "Rohrbau" at that cell of its grid; the offset
// panel takes rows 1 and 2 of column 0, the rolling offset and the elbow cut
// column 1, the sketch column 2, so row 3 is the first free one.
void Rohrbau_Tafel(QWidget* seite, QWidget* tafel, int zeile, int spalte);

} // namespace pelmark::ui
