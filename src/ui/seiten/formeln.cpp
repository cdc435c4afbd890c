#include "ui/seiten/b_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/bildgroesse.h"
#include "ui/seiten/seiten.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace pelmark::ui {

QWidget* Baue_Seite_Formeln() {
    auto [seite, panel] = Neue_Seite("TS_Graphiken", "P_Graphik");
    auto* raster = new QGridLayout(panel);
    raster->setContentsMargins(0, 0, 0, 0);
    // The chosen picture, stretched to the area; empty until one is loaded.
    auto* bild = new QLabel(panel);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setScaledContents(true);
    bild->setFrameShape(QFrame::StyledPanel);
    Bildgroesse_setzen(bild, QSize(1000, Bildflaechenhoehe));
    raster->addWidget(bild, 0, 0, 1, 3, Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(hilfen_b::Knopf("B_Graphik_laden", panel, QStringLiteral("Graphik laden")), 1,
                      0);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(2, 1);
    raster->addWidget(hilfen_b::Knopf("BitBtn4", panel), 1, 2);
    return seite;
}

} // namespace pelmark::ui
