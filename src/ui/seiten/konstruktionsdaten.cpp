#include "ui/seiten/b_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pelmark::ui {

namespace {

using namespace hilfen_b;

QListWidget* Liste_fest(const char* name, QWidget* eltern, int breite, int hoehe,
                        bool waechst = false) {
    auto* liste = Liste(name, eltern);
    liste->setFixedSize(breite, hoehe);
    if (waechst) {
        Waechst_mit_Fenster(liste, hoehe);
    }
    return liste;
}

// Two lines side by side: nominal sizes, pressure stages, insulation.
QGroupBox* Abstaende(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* gruppe = Gruppe(QStringLiteral("Rohrleitungsabstände"), "P_Abstaende", eltern, raster);
    raster->addWidget(Titel(QStringLiteral("DN1"), gruppe), 0, 0);
    raster->addWidget(Titel(QStringLiteral("DN2"), gruppe), 0, 1);
    raster->addWidget(Liste_fest("LB_DN1", gruppe, 110, 250, true), 1, 0);
    raster->addWidget(Liste_fest("LB_DN2", gruppe, 110, 250, true), 1, 1);
    raster->addWidget(Liste_fest("LB_PN1", gruppe, 110, 110), 2, 0);
    raster->addWidget(Liste_fest("LB_PN2", gruppe, 110, 110), 2, 1);
    raster->addWidget(Beschriftung(QStringLiteral("Isolierstärke"), gruppe), 3, 0, 1, 2);
    // A field and its unit take the width of the list above them.
    constexpr int breite = 110 - 23;
    const QString mm = QStringLiteral("mm");
    raster->addWidget(Feld_mit_Einheit("E_Isolierdicke1", mm, breite, gruppe, false), 4, 0);
    raster->addWidget(Feld_mit_Einheit("E_Isolierdicke2", mm, breite, gruppe, false), 4, 1);
    raster->addWidget(Titel(QStringLiteral("Leitungsabstand"), gruppe), 5, 0, 1, 2);
    raster->addWidget(Beschriftung(QStringLiteral("Anlage"), gruppe), 6, 0);
    raster->addWidget(Beschriftung(QStringLiteral("Rohrbrücke"), gruppe), 6, 1);
    raster->addWidget(Feld_mit_Einheit("E_Abstand_Anlage", mm, breite, gruppe), 7, 0);
    raster->addWidget(Feld_mit_Einheit("E_Abstand_RBR", mm, breite, gruppe), 7, 1);
    raster->setRowStretch(8, 1);
    return gruppe;
}

QGroupBox* Isolierstaerke(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* gruppe =
        Gruppe(QStringLiteral("Isolierdicke lt. Velk:"), "P_Isolierstaerke", eltern, raster);
    raster->addWidget(Titel(QStringLiteral("DN"), gruppe), 0, 0);
    raster->addWidget(Titel(QStringLiteral("Temperatur"), gruppe), 0, 1);
    raster->addWidget(Liste_fest("LB_NW", gruppe, 100, 370, true), 1, 0);
    raster->addWidget(Liste_fest("LB_Temperatur", gruppe, 100, 370, true), 1, 1);
    QGridLayout* ergebnis = new QGridLayout;
    Zeile(ergebnis, 0, QStringLiteral("Wärmeschutz:"), "E_Isolierstaerke", QStringLiteral("mm"));
    Zeile(ergebnis, 1, QStringLiteral("Berührungsschutz:"), "E_Beruehrungsschutzisolierung",
          QStringLiteral("mm"));
    raster->addLayout(ergebnis, 2, 0, 1, 2);
    raster->setRowStretch(3, 1);
    return gruppe;
}

// Number of supports: two, three or more.
QWidget* Lageranzahl(QWidget* eltern) {
    auto* gruppe = new QGroupBox(QStringLiteral("Anz. Lager"), eltern);
    auto* anordnung = new QHBoxLayout(gruppe);
    const char* namen[] = {"RB1", "RB2", "RB3"};
    const char* texte[] = {"2", "3", ">3"};
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QRadioButton(QString::fromLatin1(texte[i]), gruppe);
        knopf->setObjectName(QString::fromLatin1(namen[i]));
        knopf->setChecked(i == 0);
        anordnung->addWidget(knopf);
    }
    return gruppe;
}

void Gewichte_Eingaben(QGridLayout* raster, QWidget* gruppe, int& z) {
    raster->addWidget(Titel(QStringLiteral("Vorgaben:"), gruppe), z++, 0, 1, 3);
    Zeile(raster, z++, QStringLiteral("Nennweite [mm]:"), "E_NW");
    Zeile(raster, z++, QStringLiteral("Wanddicke [mm]:"), "E_Wd");
    Zeile(raster, z++, QStringLiteral("Isolierdicke[mm]:"), "E_Isolierdicke")->setReadOnly(false);
    Zeile(raster, z++, QStringLiteral("spez. Gew. der\nFüllung [kg/dm³]:"), "E_Gamma")
        ->setReadOnly(false);
}

void Gewichte_Ergebnisse(QGridLayout* raster, QWidget* gruppe, int& z) {
    raster->addWidget(Titel(QStringLiteral("Gewichte:"), gruppe), z++, 0, 1, 3);
    Zeile(raster, z++, QStringLiteral("Masse Leitung [kg/m]:"), "E_Masse_Ltg");
    Zeile(raster, z++, QStringLiteral("Masse Füllung [kg/m]:"), "E_Masse_Fuellung");
    Zeile(raster, z++, QStringLiteral("Masse Isolierung  [kg/m]:"), "E_Masse_Isolierung");
    Zeile(raster, z++, QStringLiteral("Gesammtmasse [kg/m]:"), "E_Gesammtmasse");
    raster->addWidget(Titel(QStringLiteral("Windlasten:"), gruppe), z++, 0, 1, 3);
    Zeile(raster, z++, QStringLiteral("Windlast isol.[N/m]:"), "E_Windlast_isoliert");
    Zeile(raster, z++, QStringLiteral("Windlast unisoliert [N/m]:"), "E_Windlast_unisoliert");
    raster->addWidget(Titel(QStringLiteral("Stützweiten:"), gruppe), z++, 0, 1, 3);
    raster->addWidget(Lageranzahl(gruppe), z++, 0, 1, 2);
    Zeile(raster, z++, QStringLiteral("Ltg leer unisol. [m]:"), "E_Stuetzweite_leer_unisoliert");
    Zeile(raster, z++, QStringLiteral("Ltg leer isol. [m]:"), "E_Stuetzweite_leer_isoliert");
    Zeile(raster, z++, QStringLiteral("Ltg voll unisoliert [m]:"), "E_Stuetzweite_voll_unisoliert");
    Zeile(raster, z++, QStringLiteral("Ltg voll isoliert [m]:"), "E_Stuetzweite_Voll_isoliert");
}

QGroupBox* Gewichte(QWidget* eltern) {
    QGridLayout* raster = nullptr;
    auto* gruppe = Gruppe(QString(), "P_Gewichte", eltern, raster);
    int z = 0;
    raster->addWidget(
        Titel(QStringLiteral("Leitungsmaterial u. Windlast\nsiehe Berechnungswerte"), gruppe), z++,
        0, 1, 3);
    Gewichte_Eingaben(raster, gruppe, z);
    Gewichte_Ergebnisse(raster, gruppe, z);
    raster->setRowStretch(z, 1);
    raster->setColumnStretch(2, 1);
    return gruppe;
}

} // namespace

QWidget* Baue_Seite_Konstruktionsdaten() {
    auto [seite, panel] = Neue_Seite("TS_Konstruktionsdaten", "P_Konstruktionsdaten");
    auto* anordnung = new QGridLayout(panel);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(Abstaende(panel), 0, 0);
    anordnung->addWidget(Isolierstaerke(panel), 0, 1);
    anordnung->addWidget(Gewichte(panel), 0, 2);
    anordnung->setColumnStretch(3, 1);
    // The pipe and material the weights and spans are computed with.
    anordnung->addWidget(Beschriftung(QString(), panel, "L_Leitung_Konstruktion"), 1, 0, 1, 2);
    anordnung->addWidget(Knopf("BitBtn8", panel), 1, 2, 1, 2, Qt::AlignRight);
    return seite;
}

} // namespace pelmark::ui
