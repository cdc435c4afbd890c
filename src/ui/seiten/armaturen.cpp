// Face-to-face lengths of flanged valves: the nominal size and pressure stage
// on the left, eight valve sketches with their length columns on the right,
// the note on old and new series below them.
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

// One length column of a valve: sub-heading, series label, length field.
struct Baulaengenspalte {
    const char* Ueberschrift;
    const char* Reihe;
    const char* Laenge;
};

struct Armatur {
    const char* Bild;
    const char* Datei;
    Baulaengenspalte Spalten[2];
    int Anzahl;
};

const Armatur armaturen[8] = {
    {"Image10",
     "a_ventil",
     {{"Normal", "L_Ventil", "E_Ventil"}, {"Regelventil", "L_Regelventil", "E_Regelventil"}},
     2},
    {"Image11",
     "a_schieber",
     {{"kurze BL", "L_Schieber_Kurz", "E_Schieber_Kurz"},
      {"lange BL", "L_Schieber_Lang", "E_Schieber_Lang"}},
     2},
    {"Image12",
     "a_kugelhahn",
     {{"kurze BL", "L_Kugelhahn_kurz", "E_Kugelhahn_Kurz"},
      {"lange BL", "L_Kugelhahn_Lang", "E_Kugelhahn_Lang"}},
     2},
    {"Image13",
     "a_zwischenflanschklappe",
     {{"Zwischenfl.", "L_Zwischenflanschklappe_kurz", "E_Zwischenflanschklappe_kurz"},
      {"Zwischenfl.", "L_Zwischenflanschklappe_lang", "E_Zwischenflanschklappe_lang"}},
     2},
    {"Image14",
     "a_flanschklappe",
     {{"Flanschgeh.", "L_Flanschklappe_kurz", "E_Flanschklappe_kurz"},
      {"Flanschgeh.", "L_Flanschklappe_Lang", "E_Flanschklappe_Lang"}},
     2},
    {"Image15",
     "a_rueckschlagventil",
     {{"mit Kegel", "L_Rueckschlagventil1", "E_Rueckschlagventil1"},
      {"mit Klappe", "L_Rueckschlagventil2", "E_Rueckschlagventil2"}},
     2},
    {"Image16",
     "a_rueckschlagklappe",
     {{"Zwischenfl.", "L_Rueckschlagklappe", "E_Rueckschlagklappe"}, {}},
     1},
    {"Image17", "a_y_sieb", {{"Normal", "L_Y_Siebe", "E_Y_Siebe"}, {}}, 1},
};

const QSize skizzengroesse(150, 96);
// Room for "1050": the unit beside it keeps the block as wide as before.
constexpr int Laengenbreite = 56;

// A valve: its sketch with the name, below it one or two length columns.
QGroupBox* Armaturblock(const Armatur& armatur, QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QString(), eltern, raster);
    const QString datei =
        QStringLiteral(":/skizzen/") + QString::fromLatin1(armatur.Datei) + QStringLiteral(".svg");
    raster->addWidget(Skizze(armatur.Bild, datei, skizzengroesse, rahmen), 0, 0, 1, 2,
                      Qt::AlignHCenter);
    for (int i = 0; i < armatur.Anzahl; ++i) {
        const Baulaengenspalte& spalte = armatur.Spalten[i];
        auto* kopf = Beschriftung(QString::fromUtf8(spalte.Ueberschrift), rahmen);
        kopf->setStyleSheet(QStringLiteral("font-weight: bold"));
        const int breite = armatur.Anzahl == 1 ? 2 : 1; // a single column sits in the middle
        raster->addWidget(kopf, 1, i, 1, breite, Qt::AlignHCenter);
        raster->addWidget(Beschriftung(QStringLiteral("Baulg"), rahmen, spalte.Reihe), 2, i, 1,
                          breite, Qt::AlignHCenter);
        raster->addWidget(Feld_mit_Einheit(spalte.Laenge, Millimeter, Laengenbreite, rahmen), 3, i,
                          1, breite, Qt::AlignHCenter);
    }
    return rahmen;
}

QGroupBox* Armaturenfeld(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QStringLiteral("Armaturen mit Flanschanschluss"), eltern, raster);
    for (int i = 0; i < 8; ++i) {
        raster->addWidget(Armaturblock(armaturen[i], rahmen), i / 4, i % 4);
    }
    return rahmen;
}

// The note on old and new series, a fixed text block.
QLabel* Baureihennotiz(QWidget* eltern) {
    auto* notiz = Beschriftung(QString(), eltern, "Memo1");
    notiz->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    notiz->setBackgroundRole(QPalette::Base);
    notiz->setAutoFillBackground(true);
    notiz->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notiz->setMargin(6);
    notiz->setText(QStringLiteral("Gegenüberstellung alte mit neuen Baureihen"));
    notiz->setMinimumSize(340, 180);
    return notiz;
}

QWidget* Auswahlspalte(QWidget* eltern) {
    auto* spalte = new QWidget(eltern);
    auto* anordnung = new QVBoxLayout(spalte);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(Liste_mit_Titel(new QLabel(QStringLiteral("Nennweite")), "LB_Armaturen_NW",
                                         QSize(96, 340), spalte, true));
    anordnung->addWidget(Liste_mit_Titel(new QLabel(QStringLiteral("Nenndruck")), "LB_Armaturen_PN",
                                         QSize(96, 150), spalte));
    anordnung->addStretch(1);
    anordnung->addWidget(Massblatt_knopf("Armaturen", spalte));
    anordnung->addWidget(Ende_Knopf("BitBtn2", spalte));
    return spalte;
}

} // namespace

QWidget* Baue_Seite_Armaturen() {
    auto [seite, panel] = Neue_Seite("TS_Armaturen", "P_Armaturen");
    auto* anordnung = new QHBoxLayout(panel);
    anordnung->setContentsMargins(4, 4, 4, 4);
    anordnung->setSpacing(10);
    anordnung->addWidget(Auswahlspalte(panel));
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Armaturenfeld(panel));
    auto* unten = new QHBoxLayout;
    unten->addWidget(Baureihennotiz(panel));
    unten->addStretch(1);
    rechts->addLayout(unten);
    rechts->addStretch(1);
    anordnung->addLayout(rechts);
    anordnung->addStretch(1);
    return seite;
}

} // namespace pelmark::ui
