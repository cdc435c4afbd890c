// Loading a grid from a semicolon-separated text file and saving it back.
// A line is split at every ";" (no quoting); the first line alone sets the
// number of columns, at most 100. Saving trims trailing empty rows and
// columns and never writes what the next load would read differently.

#include "grid/testringgrid.h"
#include "store/fehler.h"
#include "store/text.h"
#include "store/textdatei.h"

#include <algorithm>
#include <string_view>

namespace pelmark {

namespace {

constexpr int Spalten_hoechstens = 100;

// Writes field c of the line into cell (c, zeile) for every column of the grid.
void Verteile_Zeile(TEStringGrid& g, std::string_view zeile, int zeilennr) {
    size_t anfang = 0;
    bool ende = false;
    for (int c = 0; c < g.ColCount(); ++c) {
        if (c >= Spalten_hoechstens) {
            Bereichsfehler();
        }
        if (ende) {
            g.SetCell(c, zeilennr, std::string());
            continue;
        }
        const size_t trenner = zeile.find(';', anfang);
        ende = trenner == std::string_view::npos;
        const size_t laenge = ende ? std::string_view::npos : trenner - anfang;
        g.SetCell(c, zeilennr, std::string(zeile.substr(anfang, laenge)));
        anfang = trenner + 1;
    }
}

// The text that makes a cell unfit for the file, or nullptr.
const char* Unpassendes_Zeichen(const std::string& zelle) {
    if (zelle.find(';') != std::string::npos) {
        return "ein Semikolon";
    }
    if (zelle.find_first_of("\r\n") != std::string::npos) {
        return "einen Zeilenumbruch";
    }
    return nullptr;
}

} // namespace

void TEStringGrid::LoadFromFile(const std::filesystem::path& datei) {
    std::error_code fehler;
    if (datei.empty() || !std::filesystem::exists(datei, fehler)) {
        return;
    }
    const Zeilenliste zeilen = Lies_Textdatei(datei);
    Leere_alles();
    if (zeilen.empty()) {
        SetRowCount(0);
        throw Fehler(meldung::Listenindex(0));
    }
    SetColCount(Anz_CSV_Spalten(zeilen.front()));
    SetRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < zeilen_; ++r) {
        Verteile_Zeile(*this, zeilen[static_cast<size_t>(r)], r);
    }
}

void TEStringGrid::SaveToFile(const std::filesystem::path& datei) {
    int letzte_spalte = 0;
    int letzte_zeile = 0;
    for (int r = 0; r < zeilen_; ++r) {
        for (int c = 0; c < spalten_; ++c) {
            if (!zellen_[Index(c, r)].empty()) {
                letzte_spalte = std::max(letzte_spalte, c);
                letzte_zeile = r;
            }
        }
    }
    for (int r = 0; r <= letzte_zeile; ++r) {
        for (int c = 0; c <= letzte_spalte; ++c) {
            if (const char* zeichen = Unpassendes_Zeichen(zellen_[Index(c, r)])) {
                throw Fehler("Die Zelle in Zeile " + std::to_string(r + 1) + ", Spalte " +
                             std::to_string(c + 1) + " enthält " + zeichen +
                             ". So gespeichert, würde sie beim nächsten Laden geteilt; die "
                             "Tabelle wurde nicht gespeichert.");
            }
        }
    }
    SetColCount(letzte_spalte + 1);
    SetRowCount(letzte_zeile + 1);
    Zeilenliste zeilen;
    zeilen.reserve(static_cast<size_t>(zeilen_));
    for (int r = 0; r < zeilen_; ++r) {
        std::string zeile = zellen_[Index(0, r)];
        for (int c = 1; c < spalten_; ++c) {
            zeile += ';';
            zeile += zellen_[Index(c, r)];
        }
        zeilen.push_back(std::move(zeile));
    }
    Schreibe_Textdatei(datei, zeilen, Passende_Kodierung(zeilen));
}

} // namespace pelmark
