// Sorting the grid's rows by one column as text, number or date. The
// partition sort takes its pivot once and exchanges whole rows; every cell's
// key is converted once before sorting and travels with its row, so the
// comparisons and exchanges are those of comparing the texts themselves.

#include "grid/grossschreibung.h"
#include "grid/testringgrid.h"
#include "grid/u_zeit.h"
#include "store/fehler.h"
#include "store/zahlen.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>

namespace pelmark {

namespace {

enum class Sortierart { Text, Zahl, Datum };

using Schluessel =
    std::variant<std::vector<std::string>, std::vector<Extended>, std::vector<std::int64_t>>;

Gittermeldung Formatfehler(int zeile) {
    return {Gittermeldung::Art::warnung, "Formatfehler in Zeile: " + std::to_string(zeile)};
}

// The kind named by Art, letter case ignored; an unknown name is announced
// and taken as text.
Sortierart Erkenne_Art(const std::string& Art, Gittermeldungen& meldungen) {
    const std::string name = Grossbuchstaben(Art);
    if (name == "STRING") {
        return Sortierart::Text;
    }
    if (name == "ZAHL") {
        return Sortierart::Zahl;
    }
    if (name == "DATUM") {
        return Sortierart::Datum;
    }
    meldungen.push_back({Gittermeldung::Art::information, "Unzulässiger Parameter für Sortierart"});
    return Sortierart::Text;
}

std::optional<Extended> Zahl_von(const std::string& text, char dezimal) {
    try {
        const Extended wert = Zelle_zu_Zahl(text, dezimal);
        return std::isfinite(wert) ? std::optional(wert) : std::nullopt;
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

// The keys of the rows below the header rows, index 0 being the first of
// them; nothing when a cell does not fit the kind (the message then names its
// row, and a date error makes it the current row).
std::optional<Schluessel> Schluessel_der_Spalte(TEStringGrid& g, Sortierart art, int spalte,
                                                Gittermeldungen& meldungen) {
    const int erste = g.FixedRows;
    const auto anzahl = static_cast<size_t>(g.RowCount() - erste);
    if (art == Sortierart::Text) {
        std::vector<std::string> texte(anzahl);
        for (int r = erste; r < g.RowCount(); ++r) {
            texte[static_cast<size_t>(r - erste)] = Grossbuchstaben(g.Cell(spalte, r));
        }
        return texte;
    }
    if (art == Sortierart::Zahl) {
        std::vector<Extended> zahlen(anzahl);
        for (int r = erste; r < g.RowCount(); ++r) {
            const auto wert = Zahl_von(g.Cell(spalte, r), g.Dezimalzeichen);
            if (!wert) {
                meldungen.push_back(Formatfehler(r));
                return std::nullopt;
            }
            zahlen[static_cast<size_t>(r - erste)] = *wert;
        }
        return zahlen;
    }
    std::vector<std::int64_t> minuten(anzahl);
    for (int r = erste; r < g.RowCount(); ++r) {
        const Datumswert datum = String_zu_Datum(g.Cell(spalte, r));
        if (datum == -1) {
            meldungen.push_back(Formatfehler(r));
            g.Row = r;
            return std::nullopt;
        }
        minuten[static_cast<size_t>(r - erste)] = Minuten_seit_1900_lang(datum);
    }
    return minuten;
}

// The partition sort of rows lo..hi; keys[r - basis] is the key of row r.
template <typename Wert>
void Partitionssort(TEStringGrid& g, std::vector<Wert>& keys, int basis, int lo, int hi) {
    auto key = [&](int zeile) -> Wert& { return keys[static_cast<size_t>(zeile - basis)]; };
    while (true) {
        int i = lo;
        int j = hi;
        const Wert pivot = key((lo + hi) / 2);
        do {
            while (key(i) < pivot) {
                ++i;
            }
            while (pivot < key(j)) {
                --j;
            }
            if (i <= j) {
                g.Tausche_Zeilen(i, j);
                std::swap(key(i), key(j));
                ++i;
                --j;
            }
        } while (i <= j);
        if (lo < j) {
            Partitionssort(g, keys, basis, lo, j);
        }
        if (i >= hi) {
            return;
        }
        lo = i;
    }
}

Gittermeldungen Sortiere_Bereich(TEStringGrid& g, const std::string& Art, int spalte, int von,
                                 int bis) {
    Gittermeldungen meldungen;
    const Sortierart art = Erkenne_Art(Art, meldungen);
    auto keys = Schluessel_der_Spalte(g, art, spalte, meldungen);
    if (keys && von < bis) {
        std::visit([&](auto& werte) { Partitionssort(g, werte, g.FixedRows, von, bis); }, *keys);
    }
    return meldungen;
}

Gittermeldungen Fixierte_Spalte() {
    return {{Gittermeldung::Art::hinweis, "Fixierte Spalte kann nicht sortiert werden!"}};
}

} // namespace

Gittermeldungen TEStringGrid::sort(const std::string& Art, int Spalte) {
    if (Spalte < FixedCols) {
        return Fixierte_Spalte();
    }
    return Sortiere_Bereich(*this, Art, Spalte, FixedRows, zeilen_ - 1);
}

Gittermeldungen TEStringGrid::sort_Teil(const std::string& Art, int Spalte, int Zeile1,
                                        int Zeile2) {
    if (Spalte < FixedCols) {
        return Fixierte_Spalte();
    }
    Zeile1 = std::max(Zeile1, FixedRows);
    Zeile2 = std::max(Zeile2, FixedRows);
    Zeile2 = std::max(Zeile2, Zeile1);
    Zeile2 = std::min(Zeile2, zeilen_ - 1);
    return Sortiere_Bereich(*this, Art, Spalte, Zeile1, Zeile2);
}

Gittermeldungen TEStringGrid::sort_2(const std::string& Art, int Spalte1, int Spalte2) {
    Gittermeldungen meldungen = sort(Art, Spalte1);
    int start = 1;
    while (start <= zeilen_ - 1) {
        const std::string& bezug = Cell(Spalte1, start);
        int ende = start;
        while (ende + 1 < zeilen_ && Cell(Spalte1, ende + 1) == bezug) {
            ++ende;
        }
        if (ende > start) {
            auto teil = sort_Teil(Art, Spalte2, start, ende);
            meldungen.insert(meldungen.end(), teil.begin(), teil.end());
        }
        start = ende + 1;
    }
    return meldungen;
}

} // namespace pelmark
