#pragma once
// TEStringGrid's data: a rectangle of text cells with header rows and
// columns, column widths, the current row and the editing switch. The grid's
// operations (loading, saving, row and column edits, searches, sorting) work
// on this data; it knows no page.

#include <string>
#include <vector>

namespace pelmark {

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
    int Row = 1;                  // the current row
    std::vector<int> ColWidths;   // one width per column, in pixels
    int DefaultColWidth = 64;
    bool Editierbar = false;      // cells can be edited

    int ColWidth(int spalte) const {
        return spalte >= 0 && spalte < static_cast<int>(ColWidths.size())
                   ? ColWidths[static_cast<size_t>(spalte)]
                   : DefaultColWidth;
    }

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

    int spalten_ = 0;
    int zeilen_ = 0;
    std::vector<std::string> zellen_;
};

} // namespace pelmark
