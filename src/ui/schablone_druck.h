#pragma once
// Printing the cut templates at true scale: each template tiled over as many
// sheets as it needs (10 mm overlap, join marks naming the neighbour), on
// every sheet the sizes, angles and divisions, a 100 mm check bar and the
// line "Mit 100 % drucken (ohne Anpassen)"; the ordinate tables follow on a
// sheet of their own. One millimetre of the template is one millimetre on
// paper as long as nothing scales the print.

#include "calc/schablonenblatt.h"

#include <QPageSize>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QWidget;

namespace pelmark::ui {

inline constexpr double Pruefbalken_mm = 100;
inline constexpr double Ueberlappung_mm = 10;

// How many sheets the templates take on the device's page.
int Schablonenseiten(const std::vector<Schablonenzeichnung>& zeichnungen, QSizeF seite_mm);

// Draws every sheet on the device (a PDF writer or a printer set to full page).
void Schablonen_zeichnen(const std::vector<Schablonenzeichnung>& zeichnungen,
                         QPagedPaintDevice& geraet);

// Writes the sheets as a PDF (A4 or A3, landscape); false when the file
// cannot be written.
bool Schablonen_als_pdf(const std::vector<Schablonenzeichnung>& zeichnungen, const QString& datei,
                        QPageSize::PageSizeId papier = QPageSize::A4);

// The print dialog, titled so that nobody scales the print by mistake, then
// the sheets on the chosen printer.
void Schablonen_drucken(QWidget* eltern, const std::vector<Schablonenzeichnung>& zeichnungen);

} // namespace pelmark::ui
