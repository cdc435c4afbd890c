#pragma once
// Ending from outside: SIGTERM, SIGINT and SIGHUP, and the end of the
// desktop session, close Pelmark as its close box does (the window's
// Von_aussen_beenden). A signal handler may do almost nothing, so it only
// writes the signal's number into a socket pair; a socket notifier reads it
// on the event loop, where the close runs. A second signal while that close
// runs ends the program at once, as the signal's default does.

#include <QObject>

class QSocketNotifier;

namespace pelmark::ui {

class Hauptfenster;

class Ende_von_aussen : public QObject {
  public:
    explicit Ende_von_aussen(Hauptfenster& fenster);
    ~Ende_von_aussen() override;

    Ende_von_aussen(const Ende_von_aussen&) = delete;
    Ende_von_aussen& operator=(const Ende_von_aussen&) = delete;

  private:
    void Signal_gekommen();
    void Beenden();

    Hauptfenster& fenster_;
    QSocketNotifier* melder_ = nullptr;
};

} // namespace pelmark::ui
