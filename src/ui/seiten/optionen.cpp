#include "ui/seiten/b_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelmark::ui {

namespace {

using namespace hilfen_b;

// The material grid: seven columns of 140 pixels, rows of 20, whole rows
// selected, nothing edited. The caption row is the header, whose sections
// resize and move the columns; a narrow handle on the left moves rows. Both
// moves only change the view, so each column keeps the value it stands for.
QTableWidget* Materialgitter(QWidget* eltern) {
    auto* gitter = new QTableWidget(1, 7, eltern);
    gitter->setObjectName(QStringLiteral("SG_Material"));
    auto* kopf = gitter->horizontalHeader();
    kopf->setDefaultSectionSize(140);
    kopf->setSectionsMovable(true);
    auto* griffe = gitter->verticalHeader();
    griffe->setDefaultSectionSize(20);
    griffe->setMinimumSectionSize(20);
    griffe->setSectionsMovable(true);
    griffe->setFixedWidth(12);
    gitter->setSelectionMode(QAbstractItemView::SingleSelection);
    gitter->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gitter->setMinimumWidth(7 * 140 + 12 + 2);
    Waechst_mit_Fenster(gitter, 300);
    return gitter;
}

QGroupBox* Einstellungen(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* gruppe = Gruppe(QStringLiteral("Einstellungen für Stützweitenberechnungen"), nullptr,
                          eltern, raster);
    auto* winddruck = Zeile(raster, 0, QStringLiteral("Winddruck [N/m²]:"), "E_Winddruck");
    winddruck->setReadOnly(false);
    raster->setColumnStretch(3, 1);
    raster->addWidget(Beschriftung(QStringLiteral("Werkstoffkennwerte:"), gruppe), 1, 0, 1, 4);
    raster->addWidget(Materialgitter(gruppe), 2, 0, 1, 4);
    return gruppe;
}

QWidget* Stilwahl(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* gruppe = Gruppe(QString(), nullptr, eltern, raster);
    raster->addWidget(Beschriftung(QStringLiteral("Aktueller Windowsstyle:"), gruppe, "Label55"), 0,
                      0);
    auto* stil = Beschriftung(QStringLiteral("L_Style"), gruppe, "L_Style");
    stil->setMinimumWidth(160);
    raster->addWidget(stil, 0, 1);
    auto* wahl = new QComboBox(gruppe);
    wahl->setObjectName(QStringLiteral("CB_Style"));
    wahl->setMinimumWidth(220);
    raster->addWidget(wahl, 1, 0, 1, 2);
    raster->setColumnStretch(2, 1);
    auto* info = Knopf("B_Programminfo", gruppe, QStringLiteral("Programminfo"));
    info->setToolTip(QStringLiteral("Info über Programm und Autor"));
    raster->addWidget(info, 1, 3);
    return gruppe;
}

} // namespace

QWidget* Baue_Seite_Optionen() {
    auto [seite, panel] = Neue_Seite("TS_Berechnungswerte", "P_Grundeinstellungen");
    auto* anordnung = new QVBoxLayout(panel);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(Einstellungen(panel));
    anordnung->addWidget(Stilwahl(panel));
    anordnung->addStretch(1);
    auto* ende = Knopf("B_Ende", panel);
    anordnung->addWidget(ende, 0, Qt::AlignRight);
    return seite;
}

} // namespace pelmark::ui
