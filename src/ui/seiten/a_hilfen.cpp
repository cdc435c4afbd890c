#include "ui/seiten/a_hilfen.h"

#include "ui/seiten/bausteine.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

namespace pelmark::ui {

QGroupBox* Rahmen(const QString& titel, QWidget* eltern, QGridLayout*& raster) {
    auto* rahmen = new QGroupBox(titel, eltern);
    raster = new QGridLayout(rahmen);
    raster->setContentsMargins(8, titel.isEmpty() ? 6 : 4, 8, 6);
    raster->setHorizontalSpacing(8);
    raster->setVerticalSpacing(4);
    return rahmen;
}

QLineEdit* Ausgabe(const char* name, QWidget* eltern) {
    auto* feld = Feld(name, eltern);
    feld->setFixedWidth(Feldbreite);
    return feld;
}

QLineEdit* Feldzeile(QGridLayout* raster, int zeile, const QString& caption, const char* name,
                     const QString& einheit, int spalte) {
    QWidget* eltern = raster->parentWidget();
    raster->addWidget(Beschriftung(caption, eltern), zeile, spalte);
    auto* feld = Ausgabe(name, eltern);
    raster->addWidget(feld, zeile, spalte + 1);
    if (!einheit.isEmpty()) {
        raster->addWidget(Einheit(einheit, eltern), zeile, spalte + 2);
    }
    return feld;
}

QWidget* Liste_mit_Titel(QLabel* titel, const char* name, QSize groesse, QWidget* eltern,
                         bool waechst) {
    auto* spalte = new QWidget(eltern);
    auto* anordnung = new QVBoxLayout(spalte);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->setSpacing(2);
    titel->setParent(spalte);
    anordnung->addWidget(titel);
    auto* liste = Liste(name, spalte);
    liste->setFixedSize(groesse);
    if (waechst) {
        Waechst_mit_Fenster(liste, groesse.height());
    }
    anordnung->addWidget(liste);
    anordnung->addStretch(1);
    return spalte;
}

QPushButton* Ende_Knopf(const char* name, QWidget* eltern) {
    auto* knopf = new QPushButton(QStringLiteral("ENDE"), eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setMinimumWidth(90);
    return knopf;
}

} // namespace pelmark::ui
