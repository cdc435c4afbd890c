#include "ui/hauptfenster.h"

#include "app/firma.h"
#include "app/lebenszyklus.h"
#include "app/tabellenseite.h"
#include "app/ungesicherte_tabelle.h"
#include "app/wiederherstellung.h"
#include "form/quellentext.h"
#include "ui/anleitung_oeffnen.h"
#include "ui/binder.h"
#include "ui/infodialog.h"
#include "ui/qt_umgebung.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"
#include "ui/zugangsnamen.h"

#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace pelmark::ui {

Hauptfenster::Hauptfenster(Mainform& form, Qt_Umgebung& umgebung)
    : form_(form), umgebung_(umgebung), reiter_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(QStringLiteral("Pelmark - Tabellen für den Rohrbauer"));
    resize(Grundbreite, Grundhoehe);
    reiter_->setObjectName(QStringLiteral("PageControl1"));
    reiter_->setUsesScrollButtons(false);
    umgebung.Elternfenster = this;
    Lege_Seiten_an();
    // The style is set before the pages are built, so each widget is
    // polished once, in it, rather than built plain and restyled.
    FormCreate(form_);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->setContentsMargins(4, 4, 4, 4);
    anordnung->addWidget(reiter_);

    programminfo_ =
        new Infodialog(this, form_.maske.F_Programminfo, QStringLiteral("Programminfo zu Pelmark"),
                       QStringLiteral("OK"), QSize(984, 611));
    geschwindigkeitsinfo_ =
        new Infodialog(nullptr, form_.maske.F_Geschwindigkeitsinfo,
                       QStringLiteral("Richtwerte für Strömungsgeschwindigkeiten"),
                       QStringLiteral("&Schließen"), QSize(782, 529));
    geschwindigkeitsinfo_->move(0, 0);
    programminfo_->setObjectName(QStringLiteral("F_Programminfo"));
    geschwindigkeitsinfo_->setObjectName(QStringLiteral("F_Geschwindigkeitsinfo"));
    for (auto* dialog : {programminfo_, geschwindigkeitsinfo_}) {
        connect(dialog, &QDialog::finished, this, [this, dialog](int) {
            dialog->Fenster().Status = Infofenster::Zustand::zu;
            // The focus comes back to the main window: the activation load runs.
            Fuehre_aus(FormActivate);
        });
    }
    umgebung.Bei_Fenster_zeigen = [this](Infofenster& f, bool modal) {
        Zeige_Infofenster(f, modal);
    };
    umgebung.Bei_Fenster_schliessen = [this](Infofenster& f) { Dialog_fuer(f)->hide(); };

    binder_ =
        new Binder(form_.maske, this, [this](const std::string& name, Ereignis art, int taste) {
            Ausloesen(name, art, taste);
        });
    binder_->Setze_Quellenleser([this](const Edit& feld) { return Feldquellentext(form_, feld); });
    Richte_Massblatt_ein();
    Richte_Anleitung_ein(this, umgebung);
    Baue_Seite_auf(reiter_->currentIndex());
    connect(reiter_, &QTabWidget::currentChanged, this, [this](int index) {
        if (Baue_Seite_auf(index)) {
            binder_->Modell_zu_Widgets();
        }
    });
    binder_->Modell_zu_Widgets();
    for (QWidget* fenster : {static_cast<QWidget*>(this), static_cast<QWidget*>(programminfo_),
                             static_cast<QWidget*>(geschwindigkeitsinfo_)}) {
        Zugangsnamen_setzen(fenster);
    }
    Passe_an_Bildschirm();
}

// A screen smaller than the default size gets a window that fits it, title
// bar and taskbar included; the growing lists then give up height, so the
// pages still show whole.
namespace {
// The title bar and a taskbar are drawn by the desktop in device pixels.
constexpr int Titelleiste = 32;
constexpr int Taskleiste = 40;

// Room below the free area a desktop that reports no taskbar may still lose
// to one.
int Taskleiste_unten(const QRect& verfuegbar, const QRect& ganz, qreal pixelfaktor) {
    return verfuegbar.height() == ganz.height() ? qRound(Taskleiste / pixelfaktor) : 0;
}
} // namespace

QSize Hauptfenster::Fenstergroesse(const QRect& verfuegbar, const QRect& ganz, qreal pixelfaktor) {
    constexpr int Seitenrand = 8;
    const int rand =
        qRound(Titelleiste / pixelfaktor) + Taskleiste_unten(verfuegbar, ganz, pixelfaktor);
    return {std::min(Grundbreite, verfuegbar.width() - 2 * Seitenrand),
            std::min(Grundhoehe, verfuegbar.height() - rand)};
}

void Hauptfenster::Passe_an_Bildschirm() {
    const QScreen* bildschirm = screen();
    if (bildschirm == nullptr) {
        return;
    }
    const QSize groesse = Fenstergroesse(bildschirm->availableGeometry(), bildschirm->geometry(),
                                         bildschirm->devicePixelRatio());
    resize(std::min(width(), groesse.width()), std::min(height(), groesse.height()));
}

// The frame, title bar included, centred in the free area above a taskbar.
void Hauptfenster::Zentriere() {
    const QScreen* bildschirm = screen();
    if (bildschirm == nullptr) {
        return;
    }
    const QRect flaeche = bildschirm->availableGeometry();
    const qreal faktor = bildschirm->devicePixelRatio();
    const int rahmenhoehe = height() + qRound(Titelleiste / faktor);
    const int frei =
        flaeche.height() - Taskleiste_unten(flaeche, bildschirm->geometry(), faktor) - rahmenhoehe;
    move(flaeche.left() + std::max(0, (flaeche.width() - width()) / 2),
         flaeche.top() + std::max(0, frei / 2));
}

void Hauptfenster::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    Wachstum_anwenden(reiter_, height() - Grundhoehe);
}

// The Qt layer only passes the click on; the core sorts.
void Hauptfenster::Sortiere_freie_Tabelle(int spalte) {
    binder_->Widgets_zu_Modell();
    Sicher_ausfuehren(form_, [&] { SG_Tabellen_Spaltenkopf(form_, spalte); });
    binder_->Modell_zu_Widgets();
}

Hauptfenster::~Hauptfenster() {
    // What the widgets send while they are taken down (the focus leaving a
    // field as the window closes) must not reach a handler: the window is no
    // longer whole. The binder goes first, with every connection it made.
    delete binder_;
    binder_ = nullptr;
    for (QObject* sender : findChildren<QObject*>()) {
        sender->disconnect(this);
    }
    geschwindigkeitsinfo_->disconnect(this);
    if (QWindow* fenster = windowHandle()) {
        fenster->removeEventFilter(this);
    }
    delete geschwindigkeitsinfo_;
}

Infodialog* Hauptfenster::Dialog_fuer(Infofenster& fenster) {
    return &fenster == &form_.maske.F_Programminfo ? programminfo_ : geschwindigkeitsinfo_;
}

void Hauptfenster::Zeige_Infofenster(Infofenster& fenster, bool modal) {
    Infodialog* dialog = Dialog_fuer(fenster);
    // Becoming the active window loads the document.
    Infofenster_Activate(form_, fenster);
    dialog->Zeige_Text();
    if (modal) {
        dialog->exec();
    } else {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void Hauptfenster::Ausloesen(const std::string& name, Ereignis art, int taste) {
    // A message box that a handler shows takes the focus from the field the
    // user is in; that focus change must not run the field's handler again
    // inside the first one (the same message twice, the model overwritten).
    if (Bei_Ausloesen) {
        Bei_Ausloesen(name, art);
    }
    if (form_.Geschlossen || laeuft_) {
        return;
    }
    const QScopedValueRollback<bool> sperre(laeuft_, true);
    binder_->Widgets_zu_Modell();
    if (art == Ereignis::Klick && Ist_Ende_Knopf(name)) {
        close();
        return;
    }
    Loese_aus(form_, name, art, taste);
    binder_->Modell_zu_Widgets();
}

void Hauptfenster::Fuehre_aus(void (*schritt)(Mainform&)) {
    const QScopedValueRollback<bool> sperre(laeuft_, true);
    binder_->Widgets_zu_Modell();
    Sicher_ausfuehren(form_, [&] { schritt(form_); });
    binder_->Modell_zu_Widgets();
}

void Hauptfenster::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!gezeigt_) {
        gezeigt_ = true;
        // The first activation, once the window is on the screen.
        QTimer::singleShot(0, this, [this] { Erste_Aktivierung(); });
        QTimer::singleShot(1000, this, [this] { Fuehre_aus(Timer1Timer); });
    }
}

// The text of a free-table cell still being typed counts as edited.
void Hauptfenster::Offene_Zelle_uebernehmen() {
    auto* gitter = findChild<QTableWidget*>(QStringLiteral("SG_Tabellen"));
    QWidget* editor = gitter != nullptr ? gitter->indexWidget(gitter->currentIndex()) : nullptr;
    if (editor != nullptr) {
        QMetaObject::invokeMethod(gitter, "commitData", Qt::DirectConnection,
                                  Q_ARG(QWidget*, editor));
    }
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    if (!form_.Geschlossen) {
        Offene_Zelle_uebernehmen();
        // Unsaved edits of a free table: save, discard or stay.
        bool darf = false;
        {
            const QScopedValueRollback<bool> sperre(laeuft_, true);
            binder_->Widgets_zu_Modell();
            Sicher_ausfuehren(form_, [&] { darf = FormCloseQuery(form_); });
            binder_->Modell_zu_Widgets();
        }
        if (!darf) {
            ereignis->ignore();
            return;
        }
        Fuehre_aus(FormClose);
    }
    programminfo_->hide();
    geschwindigkeitsinfo_->hide();
    ereignis->accept();
}

void Hauptfenster::Von_aussen_beenden() {
    if (!form_.Geschlossen) {
        Offene_Zelle_uebernehmen();
        umgebung_.Ohne_Fenster = true;
        Fuehre_aus(Beenden_von_aussen);
        umgebung_.Ohne_Fenster = false;
    }
    close();
}

} // namespace pelmark::ui
