#include "ui/seiten/b_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmark::ui {

namespace {

using namespace hilfen_b;

QListWidget* Einheitenliste(const char* name, QWidget* eltern) {
    auto* liste = Liste(name, eltern);
    liste->setFixedWidth(230);
    Waechst_mit_Fenster(liste, 420);
    return liste;
}

// An amount with its unit below it, centred.
void Betrag(QVBoxLayout* spalte, QWidget* eltern, const char* feldname, const char* einheit) {
    auto* feld = Feld(feldname, eltern, false);
    feld->setFixedWidth(150);
    feld->setAlignment(Qt::AlignRight);
    spalte->addWidget(feld, 0, Qt::AlignHCenter);
    auto* label = Beschriftung(QString::fromLatin1(einheit), eltern, einheit);
    label->setAlignment(Qt::AlignHCenter);
    spalte->addWidget(label, 0, Qt::AlignHCenter);
}

// Amount, the convert picture and the result, one under the other.
QWidget* Umrechnung(QWidget* eltern) {
    auto* mitte = new QWidget(eltern);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->addStretch(1);
    Betrag(spalte, mitte, "E_Anz_Quellmass", "L_Quelle");
    spalte->addSpacing(12);
    auto* knopf =
        Skizze("Image30", QStringLiteral(":/skizzen/b_umrechnung.svg"), QSize(125, 127), mitte);
    knopf->setScaledContents(true);
    knopf->setCursor(Qt::PointingHandCursor);
    spalte->addWidget(knopf, 0, Qt::AlignHCenter);
    spalte->addSpacing(12);
    Betrag(spalte, mitte, "E_Anz_Zielmass", "L_Ziel");
    spalte->addStretch(2);
    return mitte;
}

} // namespace

QWidget* Baue_Seite_Massumwandlung() {
    auto [seite, panel] = Neue_Seite("TS_Massumwandlung", "P_Massumwandlung");
    auto* raster = new QGridLayout(panel);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Einheitenliste("LB_Massart", panel), 0, 0);
    raster->addWidget(Einheitenliste("LB_Quellmass", panel), 0, 1);
    raster->addWidget(Umrechnung(panel), 0, 2);
    raster->addWidget(Einheitenliste("LB_Zielmass", panel), 0, 3);
    raster->setColumnStretch(4, 1);
    raster->setRowStretch(1, 1);
    raster->addWidget(Knopf("BitBtn5", panel), 2, 4, Qt::AlignRight);
    return seite;
}

} // namespace pelmark::ui
