#pragma once
// Drawing the dimension sheet on a paint device: the PDF file of
// "pelmark --massblatt … --pdf" and "Als PDF speichern", and the printer.

#include "app/massblatt.h"

#include <QString>

class QPagedPaintDevice;

namespace pelmark::ui {

// Draws the sheet page by page on the device (a PDF writer or a printer).
void Massblatt_zeichnen(const Massblatt& blatt, QPagedPaintDevice& geraet);

// Writes the sheet as an A4 PDF; false when the file cannot be written.
bool Massblatt_als_pdf(const Massblatt& blatt, const QString& datei);

} // namespace pelmark::ui
