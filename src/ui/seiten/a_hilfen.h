#pragma once
// Builders shared by the dimension pages (pipes, valves, supports, sections):
// framed blocks, captioned output rows, a list under its caption, the
// "ENDE" button. Every named widget carries its control's name.

#include <QSize>
#include <QString>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace pelmark::ui {

// Width of an output field: room for "114,3", "16 (12)" or "1 1/8".
inline constexpr int Feldbreite = 72;

// A framed block with a grid inside; an empty title draws the frame alone.
QGroupBox* Rahmen(const QString& titel, QWidget* eltern, QGridLayout*& raster);

// Lengths on the dimension pages are in millimetres.
inline const QString Millimeter = QStringLiteral("mm");

// "caption [field] unit" in one row of a grid, from column `spalte` on; an
// empty unit (a count) leaves its column free.
QLineEdit* Feldzeile(QGridLayout* raster, int zeile, const QString& caption, const char* name,
                     const QString& einheit = Millimeter, int spalte = 0);

// A read-only output field of the standard width.
QLineEdit* Ausgabe(const char* name, QWidget* eltern);

// A list box of fixed size with its caption above it, in a widget of their
// own; a growing one gains height with the window (Waechst_mit_Fenster).
QWidget* Liste_mit_Titel(QLabel* titel, const char* name, QSize groesse, QWidget* eltern,
                         bool waechst = false);

// The page's "ENDE" button.
QPushButton* Ende_Knopf(const char* name, QWidget* eltern);

} // namespace pelmark::ui
