#include "ui/stil.h"

#include "app/stile.h"

#include <QApplication>
#include <QFile>
#include <QStyle>
#include <QStyleFactory>

namespace pelmark::ui {

namespace {
// Every style, the plain one too: tabs narrow enough that all ten captions
// fit the window's width in one row.
const QString Grundblatt = QStringLiteral("QTabBar::tab { padding: 4px 5px; }\n");
// The plain style: a result field takes the window's colour, an input keeps
// the white of the base, so the two differ at a glance. Each theme sets its
// own pair of colours.
const QString Ergebnisfelder =
    QStringLiteral("QLineEdit[readOnly=\"true\"] { background-color: palette(window); }\n");
} // namespace

void Wende_Stil_an(const std::string& name) {
    const Stilbeschreibung* stil = Finde_Stil(name);
    if (stil == nullptr) {
        return;
    }
    QString blatt;
    if (*stil->Ressource != '\0') {
        QFile datei(QStringLiteral(":/stile/") + QString::fromLatin1(stil->Ressource));
        if (datei.open(QIODevice::ReadOnly)) {
            blatt = QString::fromUtf8(datei.readAll());
        }
    } else {
        blatt = Ergebnisfelder;
    }
    // Every theme is drawn on Fusion. Setting it, its palette and the sheet
    // each polishes every widget again, so what is already in place is
    // left as it is: a change of style then polishes once.
    static bool fusion_gesetzt = false;
    if (!fusion_gesetzt) {
        if (auto* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
            QApplication::setStyle(fusion);
            qApp->setPalette(fusion->standardPalette());
            fusion_gesetzt = true;
        }
    }
    qApp->setStyleSheet(Grundblatt + blatt);
}

} // namespace pelmark::ui
