#pragma once
// What every run without a window needs (--massblatt, --etage, --stutzen,
// --segmentbogen): the offscreen platform, so no display is needed, a
// platform that collects messages instead of showing boxes, the program
// folder as a window's start would choose it, and today's date.

#include "app/massblatt_lauf.h"

#include <QGuiApplication>

#include <string>

namespace pelmark::ui {

class Ohne_Fenster {
  public:
    Ohne_Fenster(int& argc, char** argv);

    Stille_Umgebung Plattform;
    // With a trailing separator.
    std::string Ordner() const { return programmordner_; }
    // "dd.MM.yyyy".
    std::string Datum() const;

  private:
    QGuiApplication anwendung_;
    std::string programmordner_;
};

} // namespace pelmark::ui
