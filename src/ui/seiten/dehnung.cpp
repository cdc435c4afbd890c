#include "ui/seiten/b_hilfen.h"
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

#include <algorithm>

namespace pelmark::ui {

namespace {

using namespace hilfen_b;

// "caption value unit" laid over the sketch, for a value shown as a label.
void Wert_auf_Skizze(QWidget* skizze, QPoint ort, const QString& caption, const char* name) {
    auto* streifen = new QWidget(skizze);
    streifen->setObjectName(QStringLiteral("Skizzenzeile"));
    streifen->setAttribute(Qt::WA_StyledBackground);
    auto* anordnung = new QHBoxLayout(streifen);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->setSpacing(4);
    auto* titel = Beschriftung(caption, streifen);
    titel->setFixedWidth(70);
    anordnung->addWidget(titel);
    auto* wert = Beschriftung(QStringLiteral(".."), streifen, name);
    wert->setMinimumWidth(52);
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    anordnung->addWidget(wert);
    anordnung->addWidget(Beschriftung(QStringLiteral("[mm]"), streifen));
    streifen->adjustSize();
    streifen->move(ort);
}

// The four expansion cases with their fields on the dimension lines: the
// straight run top left, the Z-bend top right, the L-bend bottom left and the
// U-loop bottom right.
QLabel* Dehnungsskizze(QWidget* eltern) {
    auto* skizze = Skizze("I_Rohrdehnung", QStringLiteral(":/skizzen/b_rohrdehnung.svg"),
                          QSize(640, 440), eltern);
    // The drawing is black on white in every style.
    skizze->setStyleSheet(QStringLiteral("QLabel { color: #000000; background: transparent; } "
                                         "QWidget#Skizzenzeile { background: #ffffff; }"));
    const QString m = QStringLiteral("[m]");
    Zeile_auf_Skizze(skizze, {60, 141}, QString(), "E_Dehnung_L", m)->setReadOnly(false);
    Zeile_auf_Skizze(skizze, {150, 30}, QString(), "E_Dehnung_DL", QStringLiteral("[mm]"));
    Zeile_auf_Skizze(skizze, {200, 108}, QString(), "E_F_Dehnung", QStringLiteral("[N]"), 86);
    Wert_auf_Skizze(skizze, {20, 172}, QStringLiteral("Aussendm.:"), "L_AD_Dehnkraft");
    Wert_auf_Skizze(skizze, {20, 194}, QStringLiteral("Wanddicke:"), "L_WD_Dehnkraft");
    const QString l1 = QStringLiteral("L1:");
    const QString lmin = QStringLiteral("Lmin:");
    const QString lmax = QStringLiteral("Lmax:");
    const int titel = skizze->fontMetrics().horizontalAdvance(lmax) + 2;
    Zeile_auf_Skizze(skizze, {420, 165}, l1, "E_Z_L1", m)->setReadOnly(false);
    Zeile_auf_Skizze(skizze, {468, 68}, lmin, "E_Z_Lmin", m, 64, titel);
    Zeile_auf_Skizze(skizze, {468, 98}, lmax, "E_z_Lmax", m, 64, titel);
    Zeile_auf_Skizze(skizze, {30, 401}, l1, "E_Winkel_L1", m)->setReadOnly(false);
    Zeile_auf_Skizze(skizze, {180, 285}, lmin, "E_Winkel_Lmin", m, 64, titel);
    Zeile_auf_Skizze(skizze, {180, 315}, lmax, "E_Winkel_Lmax", m, 64, titel);
    Zeile_auf_Skizze(skizze, {430, 406}, l1, "E_U_L1", m)->setReadOnly(false);
    Zeile_auf_Skizze(skizze, {498, 310}, lmin, "E_U_Lmin", m, 64, titel);
    return skizze;
}

QWidget* Dehnungskopf(QWidget* eltern) {
    auto* kopf = new QWidget(eltern);
    auto* raster = new QGridLayout(kopf);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Titel(QStringLiteral("Dehnung der Leitung"), kopf), 0, 0);
    raster->addWidget(Beschriftung(QStringLiteral("Ausgangstemp.°C :"), kopf), 0, 1,
                      Qt::AlignRight);
    auto* ausgangstemp = Feld("E_Dehnung_Ausgangstemp", kopf, false);
    ausgangstemp->setFixedWidth(Feldbreite);
    raster->addWidget(ausgangstemp, 0, 2);
    raster->addWidget(Beschriftung(QStringLiteral("Endtemp.°C :"), kopf), 0, 3, Qt::AlignRight);
    auto* endtemp = Feld("E_Dehnung_Endtemp", kopf, false);
    endtemp->setFixedWidth(Feldbreite);
    raster->addWidget(endtemp, 0, 4);
    raster->addWidget(
        Beschriftung(QStringLiteral("Leitungsmaterial siehe Berechnungswerte"), kopf, "L_Info1"), 1,
        0, 1, 5);
    // The pipe and material the expansion is computed with.
    raster->addWidget(Beschriftung(QString(), kopf, "L_Leitung_Dehnung"), 2, 0, 1, 5);
    raster->setColumnStretch(1, 1);
    return kopf;
}

QWidget* Rohrdehnung(QWidget* eltern) {
    auto* spalte = new QWidget(eltern);
    auto* anordnung = new QVBoxLayout(spalte);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(Dehnungskopf(spalte));
    anordnung->addWidget(Dehnungsskizze(spalte));
    auto* hinweis = Beschriftung(QStringLiteral("Memo2"), spalte, "Memo2");
    hinweis->setFrameShape(QFrame::StyledPanel);
    hinweis->setMargin(4);
    anordnung->addWidget(hinweis);
    anordnung->addStretch(1);
    return spalte;
}

// "caption [field] Fix" rows of the flow panel; the three "Fix" buttons
// share the panel and so exclude each other.
QGroupBox* Durchfluss(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* gruppe = Gruppe(QString(), "P_Durchfluss", eltern, raster);
    const char* felder[] = {"E_Menge", "E_Innendurchmesser", "E_Geschwindigkeit"};
    const char* fix[] = {"RB_Q", "RB_Id", "RB_W"};
    const char* texte[] = {"Menge [Bm³/h]", "Innendm [mm]", "Geschwind. [m/s]"};
    for (int i = 0; i < 3; ++i) {
        Zeile(raster, i, QString::fromUtf8(texte[i]), felder[i])->setReadOnly(false);
        auto* knopf = new QRadioButton(QStringLiteral("Fix"), gruppe);
        knopf->setObjectName(QString::fromLatin1(fix[i]));
        raster->addWidget(knopf, i, 2);
    }
    raster->addWidget(Knopf("BitBtn6", gruppe, QStringLiteral("Richtwerte")), 3, 1, 1, 2);
    raster->setColumnStretch(3, 1);
    return gruppe;
}

void Dampfwert(QGridLayout* raster, int zeile, const QString& caption, const char* name) {
    auto* eltern = raster->parentWidget();
    raster->addWidget(Beschriftung(caption, eltern), zeile, 0);
    auto* wert = Beschriftung(QStringLiteral("-"), eltern, name);
    wert->setMinimumWidth(Feldbreite);
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    raster->addWidget(wert, zeile, 1);
}

QGroupBox* Dampf(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* gruppe = Gruppe(QStringLiteral("Wasserdampftabelle"), "P_Dampf", eltern, raster);
    auto* druckfeld = Zeile(raster, 0, QStringLiteral("Druck [bar a]: "), "E_Dampfdruck");
    druckfeld->setReadOnly(false);
    auto* temperaturfeld = Zeile(raster, 1, QStringLiteral("Temperatur [°C]"), "E_Dampftemperatur");
    // Wide enough for the panel's longest message, shown whole.
    const int breite =
        druckfeld->fontMetrics().horizontalAdvance(QStringLiteral("Bereichsüberschreitung")) + 12;
    druckfeld->setFixedWidth(std::max(Feldbreite, breite));
    temperaturfeld->setFixedWidth(std::max(Feldbreite, breite));
    auto* druck = new QRadioButton(QStringLiteral("Fix"), gruppe);
    druck->setObjectName(QStringLiteral("RB_Druck_Fix"));
    druck->setChecked(true);
    raster->addWidget(druck, 0, 2);
    auto* temperatur = new QRadioButton(QStringLiteral("Fix"), gruppe);
    temperatur->setObjectName(QStringLiteral("RB_Temperatur_Fix"));
    raster->addWidget(temperatur, 1, 2);
    Dampfwert(raster, 2, QStringLiteral("V\" [m³/kg]:"), "L_Wert_V");
    Dampfwert(raster, 3, QStringLiteral("h [Kj/kg]:"), "L_Wert_h");
    Dampfwert(raster, 4, QStringLiteral("r [Kj/kg]:"), "L_Wert_r");
    raster->setColumnStretch(3, 1);
    return gruppe;
}

} // namespace

QWidget* Baue_Seite_Dehnung() {
    auto [seite, panel] = Neue_Seite("TS_Dehnung", "P_Rohrdehnung");
    auto* raster = new QGridLayout(panel);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Rohrdehnung(panel), 0, 0, 4, 1);
    raster->addWidget(Durchfluss(panel), 0, 1);
    raster->addWidget(Dampf(panel), 1, 1);
    raster->setRowStretch(2, 1);
    raster->addWidget(Knopf("BitBtn10", panel), 3, 1, Qt::AlignRight | Qt::AlignBottom);
    return seite;
}

} // namespace pelmark::ui
