#include "ui/seiten/bausteine.h"

#include "ui/seiten/bildgroesse.h"
#include "ui/seiten/wertfeld.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmark::ui {

namespace {
const char* const Grundhoehe = "pelmark_grundhoehe";
const char* const Bildgroesse = "pelmark_bildgroesse";
const char* const Fehlhoehe = "pelmark_fehlhoehe";

// The picture at its size, or smaller in its proportions by what a shorter
// window lacks, when that size leaves it no room.
void Bild_anpassen(QWidget* bild) {
    const QSize groesse = bild->property(Bildgroesse).toSize();
    const int fehlt = bild->property(Fehlhoehe).toInt();
    const int platz = Bildflaechenhoehe - fehlt;
    if (groesse.height() <= platz || groesse.height() <= 0) {
        bild->setFixedSize(groesse);
        return;
    }
    const int hoehe = std::max(groesse.height() / 2, platz);
    bild->setFixedSize(groesse.width() * hoehe / groesse.height(), hoehe);
}
} // namespace

void Bildgroesse_setzen(QWidget* bild, QSize groesse) {
    bild->setProperty(Bildgroesse, groesse);
    Bild_anpassen(bild);
}

QWidget* Rollflaeche(QWidget* seite) {
    auto* flaeche = new QScrollArea(seite);
    flaeche->setFrameShape(QFrame::NoFrame);
    flaeche->setWidgetResizable(true);
    // The page's own background shows through, as without the scroll area.
    flaeche->setBackgroundRole(QPalette::NoRole);
    flaeche->viewport()->setAutoFillBackground(false);
    auto* inhalt = new QWidget;
    inhalt->setAutoFillBackground(false);
    flaeche->setWidget(inhalt);
    auto* anordnung = new QVBoxLayout(seite);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(flaeche);
    return inhalt;
}

std::pair<QWidget*, QWidget*> Neue_Seite(const char* seitenname, const char* panelname) {
    auto* seite = new QWidget;
    seite->setObjectName(QString::fromLatin1(seitenname));
    QWidget* inhalt = Rollflaeche(seite);
    auto* panel = new QWidget(inhalt);
    panel->setObjectName(QString::fromLatin1(panelname));
    auto* anordnung = new QVBoxLayout(inhalt);
    anordnung->setContentsMargins(6, 6, 6, 6);
    anordnung->addWidget(panel);
    return {seite, panel};
}

void Waechst_mit_Fenster(QWidget* widget, int grundhoehe) {
    widget->setProperty(Grundhoehe, grundhoehe);
    widget->setFixedHeight(grundhoehe);
}

void Wachstum_anwenden(QWidget* wurzel, int mehr) {
    for (auto* widget : wurzel->findChildren<QWidget*>()) {
        bool ok = false;
        const int grund = widget->property(Grundhoehe).toInt(&ok);
        // A shorter window takes height from the lists, down to half.
        const int hoehe = std::max(grund / 2, grund + mehr);
        if (ok && widget->maximumHeight() != hoehe) {
            widget->setFixedHeight(hoehe);
        }
        if (widget->property(Bildgroesse).isValid()) {
            widget->setProperty(Fehlhoehe, std::max(0, -mehr));
            Bild_anpassen(widget);
        }
    }
}

QLabel* Einheit(const QString& text, QWidget* eltern, const char* name) {
    return Beschriftung(text, eltern, name);
}

QWidget* Feld_mit_Einheit(const char* name, const QString& einheit, int breite, QWidget* eltern,
                          bool nurlesen) {
    auto* streifen = new QWidget(eltern);
    auto* anordnung = new QHBoxLayout(streifen);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->setSpacing(3);
    auto* feld = Feld(name, streifen, nurlesen);
    feld->setFixedWidth(breite);
    anordnung->addWidget(feld);
    anordnung->addWidget(Einheit(einheit, streifen));
    return streifen;
}

QLineEdit* Feld(const char* name, QWidget* eltern, bool nurlesen) {
    auto* feld = new Wertfeld(eltern);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setReadOnly(nurlesen);
    return feld;
}

QListWidget* Liste(const char* name, QWidget* eltern) {
    auto* liste = new QListWidget(eltern);
    liste->setObjectName(QString::fromLatin1(name));
    return liste;
}

QLabel* Beschriftung(const QString& text, QWidget* eltern, const char* name) {
    auto* label = new QLabel(text, eltern);
    if (name != nullptr) {
        label->setObjectName(QString::fromLatin1(name));
    }
    return label;
}

namespace {
int skizzenfeldhoehe = 0;
} // namespace

void Merke_Skizzenfeldhoehe(int hoehe) {
    skizzenfeldhoehe = hoehe;
}

int Skizzenfeldhoehe() {
    return skizzenfeldhoehe;
}

QLabel* Skizze(const char* name, const QString& ressource, QSize groesse, QWidget* eltern,
               const QString& tooltip) {
    auto* bild = new QLabel(eltern);
    bild->setObjectName(QString::fromLatin1(name));
    bild->setFixedSize(groesse);
    bild->setToolTip(tooltip);
    QSvgRenderer zeichner(ressource);
    QPixmap pixmap(groesse * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    if (zeichner.isValid()) {
        QPainter maler(&pixmap);
        zeichner.render(&maler, QRectF(QPointF(0, 0), QSizeF(groesse)));
    }
    bild->setPixmap(pixmap);
    return bild;
}

} // namespace pelmark::ui
