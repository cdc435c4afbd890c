#include "grid/kopfsortierung.h"

#include "grid/grossschreibung.h"
#include "grid/u_zeit.h"
#include "store/fehler.h"
#include "store/zahlen.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace pelmark {

namespace {

std::optional<Extended> Zahl_von(const std::string& text, char dezimal) {
    try {
        const Extended wert = Zelle_zu_Zahl(text, dezimal);
        return std::isfinite(wert) ? std::optional(wert) : std::nullopt;
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

template <typename Pruefung>
bool Jede_Zelle(const TEStringGrid& g, int spalte, int erste, Pruefung&& passt) {
    for (int r = erste; r < g.RowCount(); ++r) {
        if (!passt(g.Cell(spalte, r))) {
            return false;
        }
    }
    return true;
}

// -1, 0 or 1 as the key of a is below, equal to or above the key of b.
int Vergleiche(const std::string& art, const std::string& a, const std::string& b, char dezimal) {
    if (art == "ZAHL") {
        const Extended x = *Zahl_von(a, dezimal);
        const Extended y = *Zahl_von(b, dezimal);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    if (art == "DATUM") {
        const auto x = Minuten_seit_1900_lang(String_zu_Datum(a));
        const auto y = Minuten_seit_1900_lang(String_zu_Datum(b));
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    const std::string x = Grossbuchstaben(a);
    const std::string y = Grossbuchstaben(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

// True when the keys never fall and rise at least once.
bool Steigt_schon(const TEStringGrid& g, const std::string& art, int spalte, int erste) {
    bool gestiegen = false;
    for (int r = erste + 1; r < g.RowCount(); ++r) {
        const int v = Vergleiche(art, g.Cell(spalte, r - 1), g.Cell(spalte, r), g.Dezimalzeichen);
        if (v > 0) {
            return false;
        }
        gestiegen = gestiegen || v < 0;
    }
    return gestiegen;
}

} // namespace

std::string Sortierart_der_Spalte(const TEStringGrid& g, int spalte, int erste) {
    if (Jede_Zelle(g, spalte, erste, [&](const std::string& zelle) {
            return Zahl_von(zelle, g.Dezimalzeichen).has_value();
        })) {
        return "ZAHL";
    }
    if (Jede_Zelle(g, spalte, erste,
                   [](const std::string& zelle) { return String_zu_Datum(zelle) != -1; })) {
        return "DATUM";
    }
    return "STRING";
}

Gittermeldungen Nach_Spalte_sortieren(TEStringGrid& g, int spalte, int erste) {
    erste = std::max(erste, 0);
    if (spalte < 0 || spalte >= g.ColCount() || erste >= g.RowCount() - 1) {
        return {};
    }
    const std::string art = Sortierart_der_Spalte(g, spalte, erste);
    if (spalte >= g.FixedCols && Steigt_schon(g, art, spalte, erste)) {
        for (int i = erste, j = g.RowCount() - 1; i < j; ++i, --j) {
            g.Tausche_Zeilen(i, j);
        }
        return {};
    }
    // The grid sorts below its header rows; rows kept above are held there
    // for the time of the sort.
    const int kopf = g.FixedRows;
    g.FixedRows = erste;
    Gittermeldungen meldungen = g.sort(art, spalte);
    g.FixedRows = kopf;
    return meldungen;
}

} // namespace pelmark
