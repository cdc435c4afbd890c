#include "ui/seiten/b_hilfen.h"

#include "ui/seiten/bausteine.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelmark::ui::hilfen_b {

QGroupBox* Gruppe(const QString& titel, const char* name, QWidget* eltern, QGridLayout*& raster) {
    auto* gruppe = new QGroupBox(titel, eltern);
    if (name != nullptr) {
        gruppe->setObjectName(QString::fromLatin1(name));
    }
    raster = new QGridLayout(gruppe);
    raster->setHorizontalSpacing(6);
    raster->setVerticalSpacing(4);
    return gruppe;
}

QLineEdit* Zeile(QGridLayout* raster, int zeile, const QString& caption, const char* name,
                 const QString& einheit, int spalte) {
    auto* eltern = raster->parentWidget();
    raster->addWidget(Beschriftung(caption, eltern), zeile, spalte);
    auto* feld = Feld(name, eltern);
    feld->setFixedWidth(Feldbreite);
    raster->addWidget(feld, zeile, spalte + 1);
    if (!einheit.isEmpty()) {
        raster->addWidget(Beschriftung(einheit, eltern), zeile, spalte + 2);
    }
    return feld;
}

QLineEdit* Zeile_auf_Skizze(QWidget* skizze, QPoint ort, const QString& caption, const char* name,
                            const QString& einheit, int breite, int titelbreite) {
    auto* streifen = new QWidget(skizze);
    // A white strip that breaks the dimension line under it.
    streifen->setObjectName(QStringLiteral("Skizzenzeile"));
    streifen->setAttribute(Qt::WA_StyledBackground);
    auto* anordnung = new QHBoxLayout(streifen);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->setSpacing(3);
    if (!caption.isEmpty()) {
        auto* titel = Beschriftung(caption, streifen);
        titel->setMinimumWidth(titelbreite);
        anordnung->addWidget(titel);
    }
    auto* feld = Feld(name, streifen);
    feld->setFixedWidth(breite);
    anordnung->addWidget(feld);
    if (!einheit.isEmpty()) {
        anordnung->addWidget(Beschriftung(einheit, streifen));
    }
    streifen->adjustSize();
    // No layout resizes the strip later: it keeps the height its field has
    // in the style the window started with, also when the page is built
    // after the window's style sheet was set.
    int hoehe = Skizzenfeldhoehe();
    for (const auto* titel : streifen->findChildren<QLabel*>()) {
        hoehe = std::max(hoehe, titel->sizeHint().height());
    }
    streifen->resize(streifen->width(), hoehe);
    streifen->move(ort);
    return feld;
}

QPushButton* Knopf(const char* name, QWidget* eltern, const QString& text) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setMinimumWidth(90);
    return knopf;
}

QLabel* Titel(const QString& text, QWidget* eltern) {
    auto* label = Beschriftung(text, eltern);
    QFont schrift = label->font();
    schrift.setBold(true);
    label->setFont(schrift);
    return label;
}

} // namespace pelmark::ui::hilfen_b
