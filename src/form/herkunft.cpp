#include "form/herkunft.h"

#include "form/steuerelemente.h"

#include <algorithm>

namespace pelmark {

namespace {

int Tabellenindex(const Tabellenspeicher& s, const Tabelle& t) {
    const auto& katalog = Katalog();
    for (size_t i = 0; i < katalog.size(); ++i) {
        if (&(s.*katalog[i].Tabelle_) == &t) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The layer of a company table's cell, and the usual text where it differs.
void Firmenschicht(const Tabellenspeicher& s, const Tabelle& t, Zellbezug& z) {
    const int i = Tabellenindex(s, t);
    if (i < 0 || s.Herkunft[static_cast<size_t>(i)].Ebene != Schicht::Firma) {
        return;
    }
    z.Firmendatei = s.Herkunft[static_cast<size_t>(i)].Datei;
    if (const auto& norm = s.Normtabellen[static_cast<size_t>(i)]) {
        z.Norm = norm->Inhalt(z.Spalte, z.Zeile);
        z.Abweichend = z.Norm != z.Text;
    }
}

} // namespace

std::string Dateiname(const Tabellenspeicher& s, const Tabelle& t) {
    const int i = Tabellenindex(s, t);
    return i < 0 ? std::string() : Katalog()[static_cast<size_t>(i)].Datei;
}

Zellbezug Zelle(const Tabellenspeicher& s, const Tabelle& t, int spalte, int zeile,
                std::string spaltenname) {
    const Matrix& m = t.Inhalt;
    Zellbezug z;
    z.Datei = Dateiname(s, t);
    z.Spalte = spalte;
    z.Zeile = zeile;
    z.Zeilenname = m(0, zeile);
    z.Spaltenname = spaltenname.empty() ? m(spalte, 0) : std::move(spaltenname);
    z.Text = m(spalte, zeile);
    Firmenschicht(s, t, z);
    return z;
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
