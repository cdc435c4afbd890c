#pragma once
// The ten tab pages, each built in its own file; every widget carries the
// name of its control as object name, so the binder finds it.

class QString;
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

// The index of the page "Rohrbau", after the ten.
constexpr int Rohrbauseite = 10;

// Adds a panel to the page "Rohrbau" as a tab of its own after the offsets.
void Rohrbau_Tafel(QWidget* seite, QWidget* tafel, const QString& titel);

} // namespace pelmark::ui
