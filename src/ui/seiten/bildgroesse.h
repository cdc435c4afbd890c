#pragma once
// The size of the picture on the page "Formeln", which a low window shrinks.

#include <QSize>

class QWidget;

namespace pelmark::ui {

// The height the picture page gives its picture in a window of the default
// size.
inline constexpr int Bildflaechenhoehe = 631;

// A picture shown at that size; in a window lower than the default one it
// gives up, in its proportions, the height the window lacks where that size
// would not fit (Wachstum_anwenden).
void Bildgroesse_setzen(QWidget* bild, QSize groesse);

} // namespace pelmark::ui
