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

// A tab page and its panel, named as the controls are named. The panel lies
// in a scroll area: a window smaller than the page's layout scrolls it.
std::pair<QWidget*, QWidget*> Neue_Seite(const char* seitenname, const char* panelname);

// A scroll area filling the page; returns the widget inside it that takes the
// page's content.
QWidget* Rollflaeche(QWidget* seite);

// A list or grid that grows with the window: at the window's default height
// it is `grundhoehe` pixels high, and it gains what the window gains beyond
// (and gives up what a shorter window lacks, down to half its height).
void Waechst_mit_Fenster(QWidget* widget, int grundhoehe);

// Sets the height of every growing widget below `wurzel` for a window that
// is `mehr` pixels higher than its default height (less than 0 when lower).
void Wachstum_anwenden(QWidget* wurzel, int mehr);

// "[field] unit": the unit in a label right beside the field, in the same
// place on every page.
QLabel* Einheit(const QString& text, QWidget* eltern, const char* name = nullptr);

// A field of that width with its unit right beside it, in a strip of their
// own for layouts that place the field alone.
QWidget* Feld_mit_Einheit(const char* name, const QString& einheit, int breite, QWidget* eltern,
                          bool nurlesen = true);

// A read-only output or an input field named after its control.
QLineEdit* Feld(const char* name, QWidget* eltern, bool nurlesen = true);

// A list box named after its control.
QListWidget* Liste(const char* name, QWidget* eltern);

// A label named after its control (or unnamed for a fixed caption).
QLabel* Beschriftung(const QString& text, QWidget* eltern, const char* name = nullptr);

// The height of a read-only field in the style the window had before its
// style sheet was set, measured by the window as it starts; fields laid over
// a sketch keep it.
void Merke_Skizzenfeldhoehe(int hoehe);
int Skizzenfeldhoehe();

// A sketch from the resources (":/skizzen/NAME.svg"), named after its control.
QLabel* Skizze(const char* name, const QString& ressource, QSize groesse, QWidget* eltern,
               const QString& tooltip = QString());

} // namespace pelmark::ui
