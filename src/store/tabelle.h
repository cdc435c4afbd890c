#pragma once
// One reference table: its line list (the file's lines as read), its text
// matrix indexed [column][row] with fixed bounds, and its column count.
// Column c, row r is field c of file line r + 1; file line 0 is the heading.

#include "store/fehler.h"
#include "store/textdatei.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelmark {

class Matrix {
  public:
    Matrix(int spalten, int zeilen)
        : spalten_(spalten), zeilen_(zeilen),
          zellen_(static_cast<size_t>(spalten) * static_cast<size_t>(zeilen)) {}

    // Bounds-checked cell access; an index outside raises "Fehler bei Bereichsprüfung".
    const std::string& operator()(int spalte, int zeile) const {
        return zellen_[Index(spalte, zeile)];
    }
    std::string& operator()(int spalte, int zeile) { return zellen_[Index(spalte, zeile)]; }

    int Spalten() const { return spalten_; }
    int Zeilen() const { return zeilen_; }

  private:
    size_t Index(int spalte, int zeile) const {
        if (spalte < 0 || spalte >= spalten_ || zeile < 0 || zeile >= zeilen_) {
            Bereichsfehler();
        }
        return static_cast<size_t>(spalte) * static_cast<size_t>(zeilen_) +
               static_cast<size_t>(zeile);
    }

    int spalten_;
    int zeilen_;
    std::vector<std::string> zellen_;
};

struct Tabelle {
    Tabelle(int spalten, int zeilen) : Inhalt(spalten, zeilen) {}

    Zeilenliste Zeilen;          // the line list
    Matrix Inhalt;               // Inhalt_<name>
    std::int32_t Spaltenanz = 0; // Spaltenanz_<name>

    // Number of lines of the file (the heading included).
    int Anzahl_Zeilen() const { return static_cast<int>(Zeilen.size()); }
};

} // namespace pelmark
