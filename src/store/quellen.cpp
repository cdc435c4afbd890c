#include "store/quellen.h"

#include "store/fehler.h"
#include "store/text.h"
#include "store/textdatei.h"
#include "store/zahlen.h"

#include <algorithm>
#include <cmath>

namespace pelmark {

namespace {

std::vector<std::string> Felder(const std::string& zeile) {
    std::vector<std::string> felder;
    size_t anfang = 0;
    while (true) {
        const size_t ende = zeile.find(';', anfang);
        felder.push_back(zeile.substr(anfang, ende - anfang));
        if (ende == std::string::npos) {
            return felder;
        }
        anfang = ende + 1;
    }
}

[[noreturn]] void Formfehler(const std::string& datei, size_t zeile, const std::string& was) {
    throw Fehler(datei + ", Zeile " + std::to_string(zeile) + ": " + was);
}

// "*" (all), "N" or "N-M", counted from 1.
bool Lies_Bereich(const std::string& text, int& von, int& bis) {
    if (text == "*") {
        return true;
    }
    const size_t strich = text.find('-');
    const auto a = Lies_Ganzzahl(text.substr(0, strich));
    const auto b = strich == std::string::npos ? a : Lies_Ganzzahl(text.substr(strich + 1));
    if (!a || !b || *a < 1 || *b < *a) {
        return false;
    }
    von = *a;
    bis = *b;
    return true;
}

bool Lies_Strich(const std::string& text, Strichgrund& grund) {
    if (text.empty()) {
        grund = Strichgrund::keiner;
    } else if (text == "Norm") {
        grund = Strichgrund::Norm_fuehrt_nicht;
    } else if (text == "offen") {
        grund = Strichgrund::nicht_gesichert;
    } else {
        return false;
    }
    return true;
}

} // namespace

bool Quellbereich::Enthaelt(const std::string& datei, int spalte, int zeile) const {
    return datei == Datei && spalte >= Spalte_von && spalte <= Spalte_bis && zeile >= Zeile_von &&
           zeile <= Zeile_bis;
}

Quellentabelle Lies_Quellentabelle(const std::filesystem::path& pfad) {
    const Zeilenliste zeilen = Lies_Textdatei(pfad);
    const std::string name = Pfadtext(pfad.filename());
    Quellentabelle tabelle;
    // Line 1 is the heading.
    for (size_t n = 1; n < zeilen.size(); ++n) {
        if (zeilen[n].empty()) {
            continue;
        }
        const auto f = Felder(zeilen[n]);
        if (f.size() != 9) {
            Formfehler(name, n + 1, "9 Felder erwartet, " + std::to_string(f.size()) + " gefunden");
        }
        Quellbereich b{
            f[0], 1, 1 << 30, 1, 1 << 30, f[3], f[4], f[5], f[6], f[7], Strichgrund::keiner};
        if (!Lies_Bereich(f[1], b.Spalte_von, b.Spalte_bis) ||
            !Lies_Bereich(f[2], b.Zeile_von, b.Zeile_bis)) {
            Formfehler(name, n + 1, "Bereich '" + f[1] + "' / '" + f[2] + "' nicht lesbar");
        }
        if (!Lies_Strich(f[8], b.Strich)) {
            Formfehler(name, n + 1, "Strichgrund '" + f[8] + "' unbekannt (Norm, offen)");
        }
        tabelle.push_back(std::move(b));
    }
    return tabelle;
}

const Quellbereich* Quelle_fuer(const Quellentabelle& tabelle, const std::string& datei, int spalte,
                                int zeile) {
    const auto it = std::find_if(tabelle.rbegin(), tabelle.rend(), [&](const Quellbereich& b) {
        return b.Enthaelt(datei, spalte, zeile);
    });
    return it == tabelle.rend() ? nullptr : &*it;
}

const char* Strichtext(Strichgrund grund) {
    switch (grund) {
    case Strichgrund::Norm_fuehrt_nicht:
        return "die Norm führt diese Größe nicht";
    case Strichgrund::nicht_gesichert:
    case Strichgrund::keiner:
        break;
    }
    return "kein gesicherter Wert gefunden";
}

Kauflaengen Lies_Kauflaengen(const std::filesystem::path& pfad) {
    const Zeilenliste zeilen = Lies_Textdatei(pfad);
    Kauflaengen k;
    // Line 1 names the source, line 2 the column; then one length a line.
    if (!zeilen.empty()) {
        k.Quelle = zeilen[0];
    }
    for (size_t n = 2; n < zeilen.size(); ++n) {
        const auto wert = Lies_Ganzzahl(zeilen[n]);
        if (!wert || *wert <= 0 || (!k.Laengen.empty() && *wert <= k.Laengen.back())) {
            Formfehler(Pfadtext(pfad.filename()), n + 1, "'" + zeilen[n] + "' ist keine Länge");
        }
        k.Laengen.push_back(*wert);
    }
    return k;
}

std::optional<int> Naechste_Kauflaenge(const Kauflaengen& k, double laenge) {
    const auto it =
        std::find_if(k.Laengen.begin(), k.Laengen.end(), [laenge](int l) { return l >= laenge; });
    return it == k.Laengen.end() ? std::nullopt : std::optional(*it);
}

} // namespace pelmark
