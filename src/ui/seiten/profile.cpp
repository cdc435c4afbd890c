// Steel sections: the kind with its picture and caption, the list of sections
// of that kind, then the dimensions and the static values of the chosen one.
#include "ui/massblatt_dialog.h"
#include "ui/seiten/a_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmark::ui {

namespace {

// The picture of the section kind: an area of 100 x 100 pixels in which the
// bitmap is drawn unscaled from its top left corner, cut off beyond it. Until
// the first section kind is chosen it shows the equal angle, the kind its
// caption names.
QFrame* Profilbild(QWidget* eltern) {
    auto* flaeche = new QFrame(eltern);
    flaeche->setFrameStyle(QFrame::Box | QFrame::Plain);
    flaeche->setFixedSize(102, 102);
    flaeche->setBackgroundRole(QPalette::Base);
    flaeche->setAutoFillBackground(true);
    auto* bild =
        Skizze("P_Profilart", QStringLiteral(":/profile/Winkel_G.svg"), QSize(100, 100), flaeche);
    bild->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bild->setGeometry(1, 1, 100, 100);
    return flaeche;
}

QGroupBox* Profilauswahl(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QStringLiteral("Profilauswahl"), eltern, raster);
    rahmen->setObjectName(QStringLiteral("P_Profile1"));
    raster->setHorizontalSpacing(14);
    raster->addWidget(Profilbild(rahmen), 0, 0, Qt::AlignLeft | Qt::AlignTop);
    auto* art = Beschriftung(QStringLiteral("Winkel gleichschenkelig"), rahmen, "L_Profilart");
    art->setStyleSheet(QStringLiteral("font-weight: bold"));
    art->setWordWrap(true);
    art->setFixedWidth(170);
    art->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(art, 1, 0, Qt::AlignTop);
    raster->setRowStretch(2, 1);
    raster->addWidget(Liste_mit_Titel(new QLabel(QStringLiteral("Profilart")), "LB_Profilart",
                                      QSize(190, 190), rahmen),
                      0, 1, 3, 1);
    auto* name = Beschriftung(QStringLiteral("L_Profil"), nullptr, "L_Profil");
    name->setStyleSheet(QStringLiteral("font-weight: bold"));
    raster->addWidget(Liste_mit_Titel(name, "LB_Profil", QSize(150, 540), rahmen, true), 0, 2, 3,
                      1);
    return rahmen;
}

QGroupBox* Abmessungen(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QStringLiteral("Abmessungen"), eltern, raster);
    rahmen->setObjectName(QStringLiteral("P_Profile2"));
    static const char* const felder[6][2] = {{"b:", "E_b"}, {"h:", "E_h"}, {"s:", "E_s"},
                                             {"t:", "E_t"}, {"w:", "E_w"}, {"d:", "E_d"}};
    for (int i = 0; i < 6; ++i) {
        Feldzeile(raster, i, QString::fromLatin1(felder[i][0]), felder[i][1]);
    }
    raster->setColumnStretch(3, 1);
    return rahmen;
}

QWidget* Werte(QWidget* eltern) {
    auto* panel = new QWidget(eltern);
    panel->setObjectName(QStringLiteral("P_Profile3"));
    auto* anordnung = new QVBoxLayout(panel);
    anordnung->setContentsMargins(0, 0, 0, 0);
    QGridLayout* statisch = nullptr;
    anordnung->addWidget(Rahmen(QStringLiteral("Statische Werte"), panel, statisch));
    Feldzeile(statisch, 0, QStringLiteral("Wmax [cm 3]:"), "E_Wmax", QString());
    Feldzeile(statisch, 1, QStringLiteral("Imax [cm 4 ]:"), "E_Imax", QString());
    Feldzeile(statisch, 2, QStringLiteral("Wmin [cm 3]:"), "E_Wmin", QString());
    Feldzeile(statisch, 3, QStringLiteral("Imin [cm 4]:"), "E_Imin", QString());
    statisch->setColumnStretch(2, 1);
    QGridLayout* sonstig = nullptr;
    anordnung->addWidget(Rahmen(QStringLiteral("Sonstige Werte"), panel, sonstig));
    Feldzeile(sonstig, 0, QStringLiteral("Fläche [cm 2]:"), "E_A", QString());
    Feldzeile(sonstig, 1, QStringLiteral("Gewicht [kg]:"), "E_Gew", QString());
    sonstig->setColumnStretch(2, 1);
    return panel;
}

} // namespace

QWidget* Baue_Seite_Profile() {
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("TS_Profile"));
    QWidget* inhalt = Rollflaeche(seite);
    auto* anordnung = new QHBoxLayout(inhalt);
    anordnung->setContentsMargins(10, 10, 10, 10);
    anordnung->setSpacing(12);
    anordnung->addWidget(Profilauswahl(inhalt));
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Abmessungen(inhalt));
    rechts->addWidget(Werte(inhalt));
    rechts->addStretch(1);
    auto* knopf = new QHBoxLayout;
    knopf->addStretch(1);
    knopf->addWidget(Massblatt_knopf("Profile", inhalt));
    knopf->addWidget(Ende_Knopf("BitBtn3", inhalt));
    rechts->addLayout(knopf);
    anordnung->addLayout(rechts);
    anordnung->addStretch(1);
    return seite;
}

} // namespace pelmark::ui
