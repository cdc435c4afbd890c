// Pages built when needed: the window starts with the page in front, shows it
// with the activation load's values, and builds the other nine right after
// that first frame, before the fitter can click. A page binds to the form
// model when it is built, so it shows what it would have shown had it been
// there from the start. Each tab holds a shell that carries the page's name.
#include "app/lebenszyklus.h"
#include "ui/binder.h"
#include "ui/erstes_bild.h"
#include "ui/feldkopie.h"
#include "ui/hauptfenster.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/schablonen.h"
#include "ui/seiten/seiten.h"
#include "ui/stil.h"
#include "ui/zugangsnamen.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace pelmark::ui {

// The empty shells, and the field height of the style the window starts
// with, which the fields laid over sketches keep.
void Hauptfenster::Lege_Seiten_an() {
    QLineEdit probe;
    probe.setReadOnly(true);
    Uebernimm_Stil(probe);
    Merke_Skizzenfeldhoehe(probe.sizeHint().height());
    for (const auto& seite : Seiten) {
        auto* huelle = new QWidget;
        huelle->setObjectName(QString::fromLatin1(seite.Name));
        auto* anordnung = new QVBoxLayout(huelle);
        anordnung->setContentsMargins(0, 0, 0, 0);
        reiter_->addTab(huelle, QString::fromUtf8(seite.Caption));
    }
}

// True when the page was built now; the caller then writes the model.
bool Hauptfenster::Baue_Seite_auf(int index) {
    if (index < 0 || index >= static_cast<int>(gebaut_.size()) || gebaut_[index]) {
        return false;
    }
    gebaut_[index] = true;
    QWidget* huelle = reiter_->widget(index);
    QWidget* seite = Baue_Seite(index);
    if (index == Rohrbauseite) {
        Rohrbau_Tafel(seite, Baue_Schablonen(form_, seite), QStringLiteral("Schablonen"));
    }
    seite->setObjectName(QString());
    huelle->layout()->addWidget(seite);
    binder_->Binde(seite);
    Zugangsnamen_setzen(seite);
    feldkopie_->Beobachte(seite);
    Verbinde_Seite(seite);
    Wachstum_anwenden(seite, height() - Grundhoehe);
    return true;
}

void Hauptfenster::Verbinde_Seite(QWidget* seite) {
    Verbinde_Massblattknopf(seite);
    if (auto* tabelle = seite->findChild<QTableWidget*>(QStringLiteral("SG_Tabellen"))) {
        connect(tabelle->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this](int spalte) { Sortiere_freie_Tabelle(spalte); });
    }
}

// The first activation waits until the window is on the screen (half a
// second at most, well before the timer's second): then the page in front
// shows the activation load's values in the first frame, and the others are
// built behind it within the same step, so no page is missing once the
// tables are loaded.
void Hauptfenster::Erste_Aktivierung() {
    QWindow* fenster = windowHandle();
    if (fenster != nullptr && !fenster->isExposed()) {
        fenster->installEventFilter(this);
        QTimer::singleShot(500, this, [this] { Erste_Aktivierung_ausfuehren(); });
        return;
    }
    Erste_Aktivierung_ausfuehren();
}

void Hauptfenster::Erste_Aktivierung_ausfuehren() {
    if (aktiviert_) {
        return;
    }
    aktiviert_ = true;
    QWindow* fenster = windowHandle();
    if (fenster != nullptr) {
        fenster->removeEventFilter(this);
    }
    Fuehre_aus(FormActivate);
    if (fenster != nullptr && fenster->isExposed()) {
        repaint();
    }
    Baue_uebrige_Seiten();
}

bool Hauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Expose && objekt == windowHandle() &&
        windowHandle()->isExposed()) {
        Erste_Aktivierung_ausfuehren();
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Hauptfenster::Baue_uebrige_Seiten() {
    if (std::all_of(gebaut_.begin(), gebaut_.end(), [](bool b) { return b; })) {
        return;
    }
    Erstes_Bild_melden();
    for (int i = 0; i < static_cast<int>(gebaut_.size()); ++i) {
        Baue_Seite_auf(i);
    }
    binder_->Modell_zu_Widgets();
}

} // namespace pelmark::ui
