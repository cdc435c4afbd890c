#pragma once
// The monkey: random user actions on the real main window, all sent as Qt
// events (clicks, keys, focus changes) from one seeded generator, so a seed
// and an action count replay a run exactly.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <iterator>
#include <random>
#include <string>

class QWidget;
class QTabWidget;

namespace pelmark::affe {

class Affe {
  public:
    // herzschlag is called after every single event, so a long action does
    // not look like a hang while each of its events is quick.
    Affe(std::uint64_t seed, QStringList bilder, std::function<void()> herzschlag);

    // One random action on the window; returns what it did, for the log.
    std::string Schritt(QWidget& fenster, QTabWidget& reiter);

    // Answers the modal window that is open (message box, file dialog,
    // modal information window); returns the message box text, or nothing.
    bool Beantworte(QWidget& modal, QString& meldungstext);

    // A random text: empty, huge, blanks, separators, signs, exponents,
    // control characters, non-Latin letters.
    QString Zufallstext();

    // True while the first row of this list leads out of the monkey's own
    // folder (the folder list's ".." at its root): the monkey then leaves
    // that row alone, so a run never depends on what else lies on the disk.
    std::function<bool(const QWidget&)> Erste_Zeile_gesperrt = [](const QWidget&) { return false; };

    // Told what an action is about to do, before it does it (for the watchdog).
    std::function<void(const std::string&)> Ankuendigung = [](const std::string&) {};

  private:
    int Zahl(int bis); // 0 … bis-1
    bool Wurf(int prozent);
    std::string Klick_Widget(QWidget& w);
    std::string Tippe(QWidget& w);
    std::string Zelle(QWidget& w);
    std::string Infofenster_bedienen();
    void Tastenfolge(QWidget& w, const QString& text);

    std::mt19937_64 zufall_;
    QStringList bilder_;
    std::function<void()> herzschlag_;
};

} // namespace pelmark::affe
