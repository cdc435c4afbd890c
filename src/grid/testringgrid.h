#pragma once
// TEStringGrid: a rectangle of text cells with header rows and columns,
// column widths, the current row and the editing switch, plus the grid's own
// operations. It knows no page and shows no message box itself:
//
//   file --LoadFromFile--> cells --SaveToFile--> file (atomic, never lossy)
//   cells --row/column edits, searches, sorts--> cells + Gittermeldungen
//
// An operation that has something to tell the user returns the messages; the
// caller shows them. Failures that end an operation are thrown as Fehler.
// The operations live in their own files: gitter_datei.cpp (loading and
// saving), gitter_zeilen.cpp (row and column edits, searches) and
// gitter_sortieren.cpp (sorting).

#include <filesystem>
#include <string>
#include <vector>

namespace pelmark {

// A message an operation of the grid wants shown, with the kind of its box.
struct Gittermeldung {
    enum class Art { hinweis, information, warnung };
    Art Stufe = Art::hinweis;
    std::string Text;

    bool operator==(const Gittermeldung&) const = default;
};
using Gittermeldungen = std::vector<Gittermeldung>;

// The toolkit's own message when the fixed rows would fill the grid.
inline constexpr const char* Meldung_feste_Zeilen =
    "Die Anzahl fester Zeilen muss kleiner sein als die Zeilenanzahl";

class TEStringGrid {
  public:
    TEStringGrid(int spalten = 5, int zeilen = 5) { Groesse(spalten, zeilen); }

    int ColCount() const { return spalten_; }
    int RowCount() const { return zeilen_; }
    // Never below 1; a row count at or below the header rows lowers them.
    void SetColCount(int spalten) { Groesse(spalten, zeilen_); }
    void SetRowCount(int zeilen) {
        Groesse(spalten_, zeilen);
        if (FixedRows >= zeilen_) {
            FixedRows = zeilen_ - 1;
        }
    }
    // As the toolkit does: throws Fehler Meldung_feste_Zeilen when the fixed
    // rows would not leave one ordinary row.
    void SetFixedRows(int anzahl);

    // Reading a cell outside the grid gives the empty text; writing there has no effect.
    const std::string& Cell(int spalte, int zeile) const {
        static const std::string leer;
        return Innen(spalte, zeile) ? zellen_[Index(spalte, zeile)] : leer;
    }
    void SetCell(int spalte, int zeile, std::string text) {
        if (Innen(spalte, zeile)) {
            zellen_[Index(spalte, zeile)] = std::move(text);
        }
    }

    int FixedRows = 1;
    int FixedCols = 1;
    int Row = 1;                // the current row
    std::vector<int> ColWidths; // one width per column, in pixels
    int DefaultColWidth = 64;
    bool Editierbar = false;    // cells can be edited
    bool Zeilenauswahl = false; // a click selects the whole row

    int ColWidth(int spalte) const {
        return spalte >= 0 && spalte < static_cast<int>(ColWidths.size())
                   ? ColWidths[static_cast<size_t>(spalte)]
                   : DefaultColWidth;
    }

    // Loading and saving (gitter_datei.cpp).
    void LoadFromFile(const std::filesystem::path& datei);
    void SaveToFile(const std::filesystem::path& datei);

    // Row and column edits and searches (gitter_zeilen.cpp).
    void Clear();
    // The same number of rows and columns and the same text in every cell.
    bool Gleiche_Zellen(const TEStringGrid& andere) const;
    void InsertLine(int LineNr);
    void DeleteLine(int LineNr);
    void ChangeLine(int LineNr1, int LineNr2);
    Gittermeldungen DeleteColumm(int ColummNr);
    Gittermeldungen DeleteHeadline();
    int searchInCol(const std::string& Eingabestr, int Column) const;
    int searchINRow(const std::string& Eingabestr, int Row) const;

    // Sorting by "STRING", "ZAHL" or "DATUM" (gitter_sortieren.cpp). The
    // number kind reads cells with Dezimalzeichen as decimal separator.
    Gittermeldungen sort(const std::string& Art, int Spalte);
    Gittermeldungen sort_Teil(const std::string& Art, int Spalte, int Zeile1, int Zeile2);
    Gittermeldungen sort_2(const std::string& Art, int Spalte1, int Spalte2);
    char Dezimalzeichen = ',';

    // Exchanges all cells of two rows inside the grid.
    void Tausche_Zeilen(int zeile1, int zeile2);

  private:
    bool Innen(int spalte, int zeile) const {
        return spalte >= 0 && spalte < spalten_ && zeile >= 0 && zeile < zeilen_;
    }
    size_t Index(int spalte, int zeile) const {
        return static_cast<size_t>(zeile) * static_cast<size_t>(spalten_) +
               static_cast<size_t>(spalte);
    }
    void Groesse(int spalten, int zeilen) {
        spalten = spalten < 1 ? 1 : spalten;
        zeilen = zeilen < 1 ? 1 : zeilen;
        if (spalten == spalten_) {
            zellen_.resize(static_cast<size_t>(spalten) * static_cast<size_t>(zeilen));
            zeilen_ = zeilen;
            return;
        }
        std::vector<std::string> neu(static_cast<size_t>(spalten) * static_cast<size_t>(zeilen));
        for (int r = 0; r < zeilen && r < zeilen_; ++r) {
            for (int c = 0; c < spalten && c < spalten_; ++c) {
                neu[static_cast<size_t>(r) * static_cast<size_t>(spalten) +
                    static_cast<size_t>(c)] = std::move(zellen_[Index(c, r)]);
            }
        }
        zellen_ = std::move(neu);
        spalten_ = spalten;
        zeilen_ = zeilen;
        ColWidths.resize(static_cast<size_t>(spalten_), DefaultColWidth);
    }
    void Leere_Zeile(int zeile);
    void Leere_alles();

    int spalten_ = 0;
    int zeilen_ = 0;
    std::vector<std::string> zellen_;
};

} // namespace pelmark
