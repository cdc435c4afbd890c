#include "ui/seiten/bausteine.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace pelmark::ui {

std::pair<QWidget*, QWidget*> Neue_Seite(const char* seitenname, const char* panelname) {
    auto* seite = new QWidget;
    seite->setObjectName(QString::fromLatin1(seitenname));
    auto* panel = new QWidget(seite);
    panel->setObjectName(QString::fromLatin1(panelname));
    auto* anordnung = new QVBoxLayout(seite);
    anordnung->setContentsMargins(6, 6, 6, 6);
    anordnung->addWidget(panel);
    return {seite, panel};
}

QLineEdit* Feld(const char* name, QWidget* eltern, bool nurlesen) {
    auto* feld = new QLineEdit(eltern);
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
