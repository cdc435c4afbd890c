#pragma once
// The main window: ten tab pages assembled from their builders, the binder,
// and the dispatcher that runs every handler and writes the model back.

#include "app/ereignisse.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QTabWidget;

namespace pelmark::ui {

class Binder;
class Feldkopie;
class Infodialog;
class Qt_Umgebung;

class Hauptfenster : public QWidget {
  public:
    Hauptfenster(Mainform& form, Qt_Umgebung& umgebung);
    ~Hauptfenster() override;

    // Runs the handler of that control and event, then writes the model back.
    void Ausloesen(const std::string& name, Ereignis art, int taste);
    // Runs a life-cycle step the same way.
    void Fuehre_aus(void (*schritt)(Mainform&));

    QTabWidget* Reiter() const { return reiter_; }

    // Ended from outside (a signal, the end of the session): closes as the
    // close box does, without a question; unsaved table edits are kept in
    // the recovery file.
    void Von_aussen_beenden();

    // Told of every event that reaches the dispatcher (control and kind), so
    // a test can see which handler a click ran.
    std::function<void(const std::string&, Ereignis)> Bei_Ausloesen;

    // The window's size at start, where every page shows without scrolling.
    static constexpr int Grundbreite = 1042;
    static constexpr int Grundhoehe = 731;

    // The size the window takes at start on a screen whose free area is
    // `verfuegbar` of `ganz` (logical pixels, `pixelfaktor` device pixels
    // each): its frame and a taskbar fit beside it.
    static QSize Fenstergroesse(const QRect& verfuegbar, const QRect& ganz, qreal pixelfaktor);
    // Places the window in the middle of its screen, frame and taskbar
    // included.
    void Zentriere();

  protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void Zeige_Infofenster(Infofenster& fenster, bool modal);
    void Offene_Zelle_uebernehmen();
    Infodialog* Dialog_fuer(Infofenster& fenster);
    void Passe_an_Bildschirm();
    // Pages built when needed (hauptfenster_seiten.cpp).
    void Lege_Seiten_an();
    bool Baue_Seite_auf(int index);
    void Erste_Aktivierung();
    void Erste_Aktivierung_ausfuehren();
    void Baue_uebrige_Seiten();
    void Verbinde_Seite(QWidget* seite);
    void Sortiere_freie_Tabelle(int spalte);
    // Sheet, search and copy (hauptfenster_massblatt.cpp).
    void Richte_Massblatt_ein();
    void Verbinde_Massblattknopf(QWidget* seite);
    void Oeffne_Massblatt();
    std::string Suchen(const std::string& text);

    Mainform& form_;
    Qt_Umgebung& umgebung_;
    QTabWidget* reiter_;
    Binder* binder_;
    Feldkopie* feldkopie_ = nullptr;
    std::array<bool, std::size(Seiten)> gebaut_{};
    Infodialog* programminfo_;
    Infodialog* geschwindigkeitsinfo_;
    bool gezeigt_ = false;
    bool aktiviert_ = false; // the first activation has run
    bool laeuft_ = false;    // a handler or life-cycle step is running
};

} // namespace pelmark::ui
