// The page "Rohrbau": the selection it uses above a row of tabs. The first
// tab is a grid of panels without scrolling at the window's default size: the
// offset panel fills the first column, the rolling offset and the elbow cut
// stand beside it, the sketch to the right. Further panels of the page come
// as tabs of their own (Rohrbau_Tafel).
#include "calc/etagenskizze.h"
#include "ui/seiten/b_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pelmark::ui {

namespace {

using namespace hilfen_b;

const QString mm = QStringLiteral("mm");
const QString grad = QStringLiteral("°");

QLineEdit* Eingabe(QGridLayout* raster, int zeile, const QString& caption, const char* name,
                   const QString& einheit, const QString& tipp) {
    auto* feld = Zeile(raster, zeile, caption, name, einheit);
    feld->setReadOnly(false);
    feld->setToolTip(tipp);
    return feld;
}

QGroupBox* Etage(QWidget* eltern) {
    QGridLayout* r = nullptr;
    auto* gruppe = Gruppe(QStringLiteral("Etage"), "P_Etage", eltern, r);
    Eingabe(r, 0, QStringLiteral("Versatz H"), "E_Etage_Versatz", mm,
            QStringLiteral("Versatz von Mitte zu Mitte der beiden Leitungen"));
    auto* winkel = new QRadioButton(QStringLiteral("Winkel α vorgeben"), gruppe);
    winkel->setObjectName(QStringLiteral("RB_Etage_Winkel"));
    r->addWidget(winkel, 1, 0, 1, 3);
    Eingabe(r, 2, QStringLiteral("Bogenwinkel α"), "E_Etage_Winkel", grad,
            QStringLiteral("15, 30, 45, 60, 75 oder 90° oder jeder Winkel von 1 bis 90°"));
    auto* laenge = new QRadioButton(QStringLiteral("Längenversatz vorgeben"), gruppe);
    laenge->setObjectName(QStringLiteral("RB_Etage_Laenge"));
    r->addWidget(laenge, 3, 0, 1, 3);
    Eingabe(r, 4, QStringLiteral("Längenversatz"), "E_Etage_Laenge", mm,
            QStringLiteral("Beide Enden liegen fest: der Winkel folgt daraus"));
    Eingabe(r, 5, QStringLiteral("Schweißspalt je Naht"), "E_Etage_Spalt", mm, QString());
    r->addWidget(Titel(QStringLiteral("Ergebnis"), gruppe), 6, 0, 1, 3);
    Zeile(r, 7, QStringLiteral("Winkel α"), "E_Etage_Alpha", grad);
    Zeile(r, 8, QStringLiteral("Schräglänge"), "E_Etage_Schraeg", mm);
    Zeile(r, 9, QStringLiteral("Lauf"), "E_Etage_Lauf", mm);
    Zeile(r, 10, QStringLiteral("Abzug L(α) je Bogen"), "E_Etage_Abzug", mm);
    Zeile(r, 11, QStringLiteral("Zuschnittlänge"), "E_Etage_Zuschnitt", mm)
        ->setStyleSheet(QStringLiteral("font-weight: bold"));
    Zeile(r, 12, QStringLiteral("Kleinster Versatz"), "E_Etage_Kleinster", mm);
    r->setRowStretch(13, 1);
    return gruppe;
}

QGroupBox* Raumetage(QWidget* eltern) {
    QGridLayout* r = nullptr;
    auto* gruppe = Gruppe(QStringLiteral("Raumetage"), "P_Raumetage", eltern, r);
    Eingabe(r, 0, QStringLiteral("Seitenversatz S"), "E_Etage_Seitenversatz", mm,
            QStringLiteral("Waagerechter Versatz; 0 für eine Etage in einer Ebene"));
    Zeile(r, 1, QStringLiteral("Wahrer Versatz"), "E_Etage_Wahrer_Versatz", mm);
    Zeile(r, 2, QStringLiteral("Drehwinkel"), "E_Etage_Drehwinkel", grad);
    r->setRowStretch(3, 1);
    return gruppe;
}

QGroupBox* Bogen_kuerzen(QWidget* eltern) {
    QGridLayout* r = nullptr;
    auto* gruppe = Gruppe(QStringLiteral("Bogen kürzen"), "P_Bogen_kuerzen", eltern, r);
    Eingabe(r, 0, QStringLiteral("Winkel"), "E_Bogen_Winkel", grad,
            QStringLiteral("Leer: der Winkel der Etage"));
    Zeile(r, 1, QStringLiteral("Winkel α"), "E_Bogen_Alpha", grad);
    Zeile(r, 2, QStringLiteral("Rücken"), "E_Bogen_Ruecken", mm);
    Zeile(r, 3, QStringLiteral("Kehle"), "E_Bogen_Kehle", mm);
    Zeile(r, 4, QStringLiteral("Mitte"), "E_Bogen_Mitte", mm);
    Zeile(r, 5, QStringLiteral("Abzug L(α)"), "E_Bogen_Abzug", mm);
    r->setRowStretch(6, 1);
    return gruppe;
}

// The sketch with the names of the lengths; the cut sheet writes the values.
QLabel* Etagenbild(QWidget* eltern) {
    const Skizzentexte texte{};
    QSvgRenderer zeichner(QByteArray::fromStdString(Etagenskizze_svg(texte)));
    const QSize groesse(400, 260);
    QPixmap pixmap(groesse * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::white);
    QPainter maler(&pixmap);
    zeichner.render(&maler, QRectF(QPointF(0, 0), QSizeF(groesse)));
    auto* bild = new QLabel(eltern);
    bild->setObjectName(QStringLiteral("I_Etage"));
    bild->setFixedSize(groesse);
    bild->setPixmap(pixmap);
    return bild;
}

} // namespace

QWidget* Baue_Seite_Rohrbau() {
    auto [seite, panel] = Neue_Seite("TS_Rohrbau", "P_Rohrbau");
    auto* spalte = new QVBoxLayout(panel);
    spalte->addWidget(Beschriftung(QString(), panel, "L_Rohrbau_Auswahl"));
    auto* reiter = new QTabWidget(panel);
    reiter->setObjectName(QStringLiteral("Rohrbau_Reiter"));
    spalte->addWidget(reiter, 1);
    auto* etage = new QWidget(reiter);
    auto* raster = new QGridLayout(etage);
    raster->addWidget(Etage(etage), 0, 0, 2, 1);
    raster->addWidget(Raumetage(etage), 0, 1);
    raster->addWidget(Bogen_kuerzen(etage), 1, 1);
    raster->addWidget(Etagenbild(etage), 0, 2, 2, 1, Qt::AlignTop);
    raster->addWidget(Knopf("B_Zuschnittblatt", etage, QStringLiteral("Zuschnittblatt")), 3, 0,
                      Qt::AlignLeft);
    raster->setColumnStretch(3, 1);
    raster->setRowStretch(2, 1);
    reiter->addTab(etage, QStringLiteral("Etage und Bogen"));
    return seite;
}

void Rohrbau_Tafel(QWidget* seite, QWidget* tafel, const QString& titel) {
    if (auto* reiter = seite->findChild<QTabWidget*>(QStringLiteral("Rohrbau_Reiter"))) {
        reiter->addTab(tafel, titel);
    }
}

} // namespace pelmark::ui
