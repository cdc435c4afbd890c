#include "form/herkunft.h"

#include "form/steuerelemente.h"

#include <algorithm>

namespace pelmark {

std::string Dateiname(const Tabellenspeicher& s, const Tabelle& t) {
    for (const Katalogeintrag& e : Katalog()) {
        if (&(s.*e.Tabelle_) == &t) {
            return e.Datei;
        }
    }
    return {};
}

Zellbezug Zelle(const Tabellenspeicher& s, const Tabelle& t, int spalte, int zeile,
                std::string spaltenname) {
    const Matrix& m = t.Inhalt;
    return {Dateiname(s, t),
            spalte,
            zeile,
            m(0, zeile),
            spaltenname.empty() ? m(spalte, 0) : std::move(spaltenname),
            m(spalte, zeile)};
}

Herkunft Berechnet(std::string regel, std::initializer_list<const Edit*> aus) {
    Herkunft h;
    h.Regel = std::move(regel);
    for (const Edit* feld : aus) {
        for (const Zellbezug& z : feld->Quelle.Zellen) {
            const bool doppelt = std::any_of(h.Zellen.begin(), h.Zellen.end(), [&](const auto& y) {
                return y.Datei == z.Datei && y.Spalte == z.Spalte && y.Zeile == z.Zeile;
            });
            if (!doppelt) {
                h.Zellen.push_back(z);
            }
        }
    }
    return h;
}

void Zelle_zeigen(Edit& feld, const Tabellenspeicher& s, const Tabelle& t, int spalte, int zeile,
                  std::string spaltenname) {
    const std::string& text = t.Inhalt(spalte, zeile);
    feld.Quelle = Herkunft{{Zelle(s, t, spalte, zeile, std::move(spaltenname))}, {}, {}, 0};
    feld.Text = text;
}

} // namespace pelmark
