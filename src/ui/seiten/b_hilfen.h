#pragma once
// Builders shared by the settings and calculation pages (options, design
// data, expansion, tables, formulas, unit conversion): titled panels,
// "caption [field] unit" rows, fields laid over a sketch and buttons. Every
// named widget carries its control's name; fixed captions stay unnamed.

#include <QPoint>
#include <QString>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pelmark::ui::hilfen_b {

// Room for "1100,00" or "12345,67".
inline constexpr int Feldbreite = 72;

// A titled panel (no frame title for an empty one) with a grid inside.
QGroupBox* Gruppe(const QString& titel, const char* name, QWidget* eltern, QGridLayout*& raster);

// "caption [field] unit" in one row of a grid, from column `spalte` on; an
// empty unit leaves its column free.
QLineEdit* Zeile(QGridLayout* raster, int zeile, const QString& caption, const char* name,
                 const QString& einheit = QString(), int spalte = 0);

// "caption [field] unit" as one small strip laid over a sketch at `ort`; the
// caption takes at least `titelbreite` pixels, so rows one above the other
// line up.
QLineEdit* Zeile_auf_Skizze(QWidget* skizze, QPoint ort, const QString& caption, const char* name,
                            const QString& einheit, int breite = 64, int titelbreite = 0);

// A button named after its control; the page's "ENDE" button by default.
QPushButton* Knopf(const char* name, QWidget* eltern, const QString& text = QStringLiteral("ENDE"));

// A bold fixed caption.
QLabel* Titel(const QString& text, QWidget* eltern);

} // namespace pelmark::ui::hilfen_b
