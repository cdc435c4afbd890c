// The main window's sheet, search and copy: the "Maßblatt" buttons and
// Ctrl+P open the sheet of the current selection, the search field sits in
// the tab bar's corner (Ctrl+F), value fields copy with their captions.
#include "app/massblatt.h"
#include "app/suche.h"
#include "app/zuschnittblatt.h"
#include "ui/binder.h"
#include "ui/feldkopie.h"
#include "ui/hauptfenster.h"
#include "ui/massblatt_dialog.h"
#include "ui/suchfeld.h"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

namespace pelmark::ui {

void Hauptfenster::Richte_Massblatt_ein() {
    auto* drucken = new QShortcut(QKeySequence::Print, this);
    connect(drucken, &QShortcut::activated, this, [this] { Oeffne_Massblatt(); });

    auto* suchfeld = new Suchfeld(
        [this](const std::string& text) { return Suchen(text); },
        [this](const std::string& praefix) { return Suchvorschlaege(form_, praefix); }, reiter_);
    reiter_->setCornerWidget(suchfeld, Qt::TopRightCorner);
    auto* finden = new QShortcut(QKeySequence::Find, this);
    connect(finden, &QShortcut::activated, this, [suchfeld] {
        suchfeld->Eingabe()->setFocus(Qt::ShortcutFocusReason);
        suchfeld->Eingabe()->selectAll();
    });

    feldkopie_ = new Feldkopie(form_, reiter_);
}

// A page's "Maßblatt" button, whenever the page is built.
void Hauptfenster::Verbinde_Massblattknopf(QWidget* seite) {
    for (auto* knopf : seite->findChildren<QPushButton*>()) {
        if (knopf->objectName().startsWith(QStringLiteral("B_Massblatt_")) ||
            knopf->objectName() == QStringLiteral("B_Zuschnittblatt")) {
            connect(knopf, &QPushButton::clicked, this, [this] { Oeffne_Massblatt(); });
        }
    }
}

void Hauptfenster::Oeffne_Massblatt() {
    binder_->Widgets_zu_Modell();
    if (reiter_->currentWidget()->objectName() == QStringLiteral("TS_Rohrbau")) {
        Massblattdialog dialog(
            Zuschnittblatt_erstellen(
                form_, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString()),
            this);
        dialog.exec();
        return;
    }
    const bool profil = reiter_->currentIndex() == 3;
    Massblattdialog dialog(
        Massblatt_erstellen(
            form_, profil ? Blattart::Profil : Blattart::Rohrleitung,
            QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString()),
        this);
    dialog.exec();
}

std::string Hauptfenster::Suchen(const std::string& text) {
    if (form_.Geschlossen) {
        return {};
    }
    binder_->Widgets_zu_Modell();
    Suchantwort antwort;
    Sicher_ausfuehren(form_, [&] { antwort = Suche_ausfuehren(form_, text); });
    binder_->Modell_zu_Widgets();
    for (int i = 0; i < reiter_->count(); ++i) {
        if (antwort.Seite == Seiten[i].Name) {
            reiter_->setCurrentIndex(i);
        }
    }
    return antwort.Meldung;
}

} // namespace pelmark::ui
