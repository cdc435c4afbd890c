#pragma once
// Small builders the pages share: a page with its panel, captioned fields,
// lists and sketches, each widget named after its control.

#include <QSize>
#include <QString>

#include <utility>

class QWidget;
class QLineEdit;
class QListWidget;
class QLabel;
class QGridLayout;

namespace pelmark::ui {

// A tab page and its panel, named as the controls are named.
std::pair<QWidget*, QWidget*> Neue_Seite(const char* seitenname, const char* panelname);

// A read-only output or an input field named after its control.
QLineEdit* Feld(const char* name, QWidget* eltern, bool nurlesen = true);

// A list box named after its control.
QListWidget* Liste(const char* name, QWidget* eltern);

// A label named after its control (or unnamed for a fixed caption).
QLabel* Beschriftung(const QString& text, QWidget* eltern, const char* name = nullptr);

// A sketch from the resources (":/skizzen/NAME.svg"), named after its control.
QLabel* Skizze(const char* name, const QString& ressource, QSize groesse, QWidget* eltern,
               const QString& tooltip = QString());

} // namespace pelmark::ui
