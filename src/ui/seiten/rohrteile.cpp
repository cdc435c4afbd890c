// Pipes and butt-welding fittings, flanges and bolting: the selection column
// on the left, one framed block per component with its sketch on the right.
#include "ui/massblatt_dialog.h"
#include "ui/seiten/a_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pelmark::ui {

namespace {

const QSize gross(171, 99);
const QSize klein(171, 72);

QString Skizzenpfad(const char* datei) {
    return QStringLiteral(":/skizzen/") + QString::fromLatin1(datei) + QStringLiteral(".svg");
}

// A block of one fitting: its sketch above one captioned output.
QGroupBox* Einzelblock(QWidget* eltern, const char* bild, const char* datei, const QString& tip,
                       const QString& caption, const char* name) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QString(), eltern, raster);
    raster->addWidget(Skizze(bild, Skizzenpfad(datei), klein, rahmen, tip), 0, 0, 1, 2,
                      Qt::AlignHCenter);
    Feldzeile(raster, 1, caption, name);
    raster->setRowStretch(2, 1);
    return rahmen;
}

QGroupBox* Flanschblock(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QString(), eltern, raster);
    raster->addWidget(Skizze("Image2", Skizzenpfad("a_flansch"), gross, rahmen,
                             QStringLiteral("V-Fansche EN1092-1, Klammerwerte für alte DIN !!")),
                      0, 0, 1, 3, Qt::AlignHCenter);
    Feldzeile(raster, 1, QStringLiteral("Flanschhöhe"), "E_Flanschhoehe");
    Feldzeile(raster, 2, QStringLiteral("Blattdm."), "E_Blattdm");
    Feldzeile(raster, 3, QStringLiteral("Blattbreite"), "E_Blattbreite");
    Feldzeile(raster, 4, QStringLiteral("Lochkreis"), "E_Lochkreis");
    Feldzeile(raster, 5, QStringLiteral("Anz. Schr."), "E_Anz_Schr", QString());
    Feldzeile(raster, 6, QStringLiteral("Schr. Dm"), "E_Schr_Dm", QString());
    raster->addWidget(Beschriftung(QStringLiteral("mm"), rahmen, "L_Schr_dm"), 6, 2);
    raster->setColumnStretch(2, 1);
    return rahmen;
}

QGroupBox* Schraubenblock(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QStringLiteral("Schr. Lg Fl./Fl."), eltern, raster);
    raster->addWidget(Beschriftung(QStringLiteral("+4 mm Dicht."), rahmen), 0, 0);
    raster->addWidget(Beschriftung(QStringLiteral("+3mm Überst."), rahmen), 0, 1);
    Feldzeile(raster, 1, QStringLiteral("Schrauben"), "E_Schrlg_FL_FL");
    raster->addWidget(Beschriftung(QStringLiteral("Mu.höhe = 0,8d"), rahmen), 2, 0, 1, 2);
    Feldzeile(raster, 3, QStringLiteral("Bolzen"), "E_Bolzenlg_Fl_Fl");
    raster->addWidget(Beschriftung(QStringLiteral("Mu.höhe =1d"), rahmen), 4, 0, 1, 2);
    return rahmen;
}

QGroupBox* Bogenblock(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QString(), eltern, raster);
    raster->addWidget(
        Skizze("Image3", Skizzenpfad("a_bogen"), gross, rahmen, QStringLiteral("DIN 2605")), 0, 0,
        1, 2, Qt::AlignHCenter);
    Feldzeile(raster, 1, QStringLiteral("Radius"), "E_Radius_Bogen");
    static const char* const felder[5] = {"E_L_Bogen15", "E_L_Bogen30", "E_L_Bogen45",
                                          "E_L_Bogen60", "E_L_Bogen75"};
    for (int i = 0; i < 5; ++i) {
        Feldzeile(raster, 2 + i, QStringLiteral("L %1° Bogen").arg(15 * (i + 1)), felder[i]);
    }
    return rahmen;
}

QGroupBox* T_Block(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QString(), eltern, raster);
    raster->addWidget(
        Skizze("Image4", Skizzenpfad("a_t_stueck"), gross, rahmen, QStringLiteral("DIN 2615")), 0,
        0, 1, 2, Qt::AlignHCenter);
    Feldzeile(raster, 1, QStringLiteral("Baulänge a"), "E_T_BL_a");
    Feldzeile(raster, 2, QStringLiteral("Baulänge b"), "E_T_BL_b");
    raster->setRowStretch(3, 1);
    return rahmen;
}

QGroupBox* Rohrblock(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QString(), eltern, raster);
    Feldzeile(raster, 0, QStringLiteral("Aussendm. 1"), "E_DA1");
    Feldzeile(raster, 1, QStringLiteral("Wanddicke"), "E_WD1");
    Feldzeile(raster, 2, QStringLiteral("Aussendm. 2"), "E_DA2");
    Feldzeile(raster, 3, QStringLiteral("Wanddicke"), "E_WD2");
    raster->setColumnStretch(3, 1);
    return rahmen;
}

QGroupBox* Normwahl(QWidget* eltern) {
    auto* rahmen = new QGroupBox(QStringLiteral("Standart"), eltern);
    auto* anordnung = new QHBoxLayout(rahmen);
    for (auto [name, text] : {std::pair{"RB_DIN_Rohr", "DIN"}, std::pair{"RB_ANSI_Rohr", "ANSI"}}) {
        auto* knopf = new QRadioButton(QString::fromLatin1(text), rahmen);
        knopf->setObjectName(QString::fromLatin1(name));
        anordnung->addWidget(knopf);
    }
    rahmen->findChild<QRadioButton*>(QStringLiteral("RB_DIN_Rohr"))->setChecked(true);
    return rahmen;
}

QLabel* Titel(const char* text) {
    return new QLabel(QString::fromUtf8(text));
}

// Nominal sizes, standard, wall series, pressure stage and radius type, the
// pipe dimensions below them, the buttons at the foot.
QWidget* Auswahlspalte(QWidget* eltern) {
    auto* spalte = new QWidget(eltern);
    auto* raster = new QGridLayout(spalte);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Liste_mit_Titel(Titel("DN1"), "LB_AD1", QSize(80, 330), spalte, true), 0, 0,
                      3, 1);
    raster->addWidget(Liste_mit_Titel(Titel("DN2"), "LB_AD2", QSize(80, 330), spalte, true), 0, 1,
                      3, 1);
    raster->addWidget(Normwahl(spalte), 0, 2);
    raster->addWidget(Liste_mit_Titel(Titel("Nenndruck"), "LB_PN", QSize(120, 110), spalte), 1, 2);
    raster->addWidget(Liste_mit_Titel(Titel("Radius"), "LB_Radius", QSize(120, 92), spalte), 2, 2);
    raster->addWidget(
        Liste_mit_Titel(Titel("Wanddickenreihe"), "LB_WD_Reihe", QSize(292, 100), spalte), 3, 0, 1,
        3);
    raster->addWidget(Rohrblock(spalte), 4, 0, 1, 3);
    raster->setRowStretch(5, 1);
    return spalte;
}

// Info, sheet and ENDE under the component blocks, where the page has room
// left on a low screen.
QLayout* Knopfzeile(QWidget* eltern) {
    auto* knoepfe = new QHBoxLayout;
    auto* info = new QPushButton(QStringLiteral("Info"), eltern);
    info->setObjectName(QStringLiteral("B_Info"));
    knoepfe->addWidget(info);
    knoepfe->addWidget(Massblatt_knopf("Rohrteile", eltern));
    knoepfe->addStretch(1);
    knoepfe->addWidget(Ende_Knopf("BitBtn1", eltern));
    return knoepfe;
}

QWidget* Formteilbloecke(QWidget* eltern) {
    auto* flaeche = new QWidget(eltern);
    auto* raster = new QGridLayout(flaeche);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Flanschblock(flaeche), 0, 0);
    raster->addWidget(Schraubenblock(flaeche), 1, 0);
    raster->addWidget(Einzelblock(flaeche, "Image8", "a_bogen_flansch", QString(),
                                  QStringLiteral("Länge"), "E_L_Bg_Fl"),
                      2, 0);
    raster->addWidget(Bogenblock(flaeche), 0, 1);
    raster->addWidget(Einzelblock(flaeche, "Image7", "a_bogen_t_stueck", QString(),
                                  QStringLiteral("Länge"), "E_L_Bg_T"),
                      1, 1);
    raster->addWidget(Einzelblock(flaeche, "Image9", "a_t_stueck_flansch", QString(),
                                  QStringLiteral("Länge"), "E_L_T_Stueck_Fl"),
                      2, 1);
    raster->addWidget(T_Block(flaeche), 0, 2);
    raster->addWidget(Einzelblock(flaeche, "Image5", "a_reduzierung", QStringLiteral("DIN 2616"),
                                  QStringLiteral("Baulänge"), "E_Red_BL"),
                      1, 2);
    raster->addWidget(Einzelblock(flaeche, "Image6", "a_kappe", QStringLiteral("DIN 2617"),
                                  QStringLiteral("Länge"), "E_Kappe_BL"),
                      2, 2);
    raster->setRowStretch(3, 1);
    raster->addLayout(Knopfzeile(flaeche), 4, 0, 1, 3);
    return flaeche;
}

} // namespace

QWidget* Baue_Seite_Rohrteile() {
    auto [seite, panel] = Neue_Seite("TS_Rohrteile", "P_Rohre");
    auto* anordnung = new QHBoxLayout(panel);
    anordnung->setContentsMargins(4, 4, 4, 4);
    anordnung->setSpacing(8);
    anordnung->addWidget(Auswahlspalte(panel));
    anordnung->addWidget(Formteilbloecke(panel));
    anordnung->addStretch(1);
    return seite;
}

} // namespace pelmark::ui
