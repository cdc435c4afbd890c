#include "ui/stil.h"

#include "app/stile.h"

#include <QApplication>
#include <QFile>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

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

// Every style: the list that has the focus shows a frame of the highlight
// colour, twice as thick as its plain frame; the padding takes the
// difference, so no entry moves.
const QString Fokusrahmen =
    QStringLiteral("QListWidget { padding: 1px; }\n"
                   "QListWidget:focus { border: 2px solid palette(highlight); padding: 0px; }\n");
// The plain style draws the lists' frame itself once the sheet names them.
const QString Listenrahmen = QStringLiteral("QListWidget { border: 1px solid palette(mid); }\n");

QString& Aktuelles_Blatt() {
    static QString blatt;
    return blatt;
}
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
        blatt = Ergebnisfelder + Listenrahmen;
    }
    // Every theme is drawn on Fusion; it and its palette are set once.
    static bool fusion_gesetzt = false;
    if (!fusion_gesetzt) {
        if (auto* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
            QApplication::setStyle(fusion);
            qApp->setPalette(fusion->standardPalette());
            fusion_gesetzt = true;
        }
    }
    // The sheet goes on each window, not on the application: Qt repolishes
    // a changed application sheet once for every ancestor of each widget
    // (about ten times over on these pages), a window's sheet about twice.
    // Dialogs with a parent take their window's sheet.
    Aktuelles_Blatt() = Grundblatt + blatt + Fokusrahmen;
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (fenster->parentWidget() == nullptr) {
            fenster->setStyleSheet(Aktuelles_Blatt());
        }
    }
}

void Uebernimm_Stil(QWidget& fenster) {
    fenster.setStyleSheet(Aktuelles_Blatt());
}

} // namespace pelmark::ui
