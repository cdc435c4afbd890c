// Row and column edits and the two searches of the grid.

#include "grid/testringgrid.h"
#include "store/fehler.h"

#include <algorithm>

namespace pelmark {

void TEStringGrid::SetFixedRows(int anzahl) {
    if (anzahl >= zeilen_) {
        throw Fehler(Meldung_feste_Zeilen);
    }
    FixedRows = anzahl < 0 ? 0 : anzahl;
}

void TEStringGrid::Tausche_Zeilen(int zeile1, int zeile2) {
    if (zeile1 == zeile2 || !Innen(0, zeile1) || !Innen(0, zeile2)) {
        return;
    }
    std::swap_ranges(zellen_.begin() + static_cast<std::ptrdiff_t>(Index(0, zeile1)),
                     zellen_.begin() + static_cast<std::ptrdiff_t>(Index(0, zeile1 + 1)),
                     zellen_.begin() + static_cast<std::ptrdiff_t>(Index(0, zeile2)));
}

void TEStringGrid::Leere_Zeile(int zeile) {
    for (int c = 0; c < spalten_; ++c) {
        zellen_[Index(c, zeile)].clear();
    }
}

void TEStringGrid::Leere_alles() {
    for (auto& zelle : zellen_) {
        zelle.clear();
    }
}

bool TEStringGrid::Gleiche_Zellen(const TEStringGrid& andere) const {
    return spalten_ == andere.spalten_ && zeilen_ == andere.zeilen_ && zellen_ == andere.zellen_;
}

void TEStringGrid::Clear() {
    for (int r = 1; r < zeilen_; ++r) {
        Leere_Zeile(r);
    }
    SetRowCount(2);
}

// A negative LineNr inserts nothing.
void TEStringGrid::InsertLine(int LineNr) {
    if (LineNr < 0) {
        return;
    }
    const int alt = zeilen_;
    SetRowCount(alt + 1);
    for (int r = alt; r > LineNr && r > 0; --r) {
        Tausche_Zeilen(r, r - 1);
    }
}

void TEStringGrid::DeleteLine(int LineNr) {
    if (LineNr < 1 || LineNr > zeilen_ - 1) {
        return;
    }
    for (int r = LineNr; r < zeilen_ - 1; ++r) {
        Tausche_Zeilen(r, r + 1);
    }
    Leere_Zeile(zeilen_ - 1);
    if (zeilen_ > 2) {
        SetRowCount(zeilen_ - 1);
    }
}

void TEStringGrid::ChangeLine(int LineNr1, int LineNr2) {
    if (LineNr1 < 0 || LineNr2 < 0 || LineNr1 >= zeilen_ || LineNr2 >= zeilen_) {
        return;
    }
    Tausche_Zeilen(LineNr1, LineNr2);
}

// A negative ColummNr deletes nothing. Deleting the only column empties it,
// since a grid keeps at least one column.
Gittermeldungen TEStringGrid::DeleteColumm(int ColummNr) {
    if (ColummNr > spalten_ - 1) {
        return {{Gittermeldung::Art::information, "Die Spaltenanzahl ist zu hoch"}};
    }
    if (ColummNr < 0) {
        return {};
    }
    for (int r = 0; r < zeilen_; ++r) {
        for (int c = ColummNr; c < spalten_ - 1; ++c) {
            std::swap(zellen_[Index(c, r)], zellen_[Index(c + 1, r)]);
        }
        zellen_[Index(spalten_ - 1, r)].clear();
    }
    if (static_cast<size_t>(ColummNr) < ColWidths.size()) {
        const auto breite = ColWidths.begin() + ColummNr;
        std::rotate(breite, breite + 1, ColWidths.end());
    }
    SetColCount(spalten_ - 1);
    return {};
}

Gittermeldungen TEStringGrid::DeleteHeadline() {
    if (zeilen_ <= 2) {
        return {{Gittermeldung::Art::information, "Es müssen mindestens 2 Zeilen vorhanden sein"}};
    }
    for (int r = 0; r < zeilen_ - 1; ++r) {
        Tausche_Zeilen(r, r + 1);
    }
    SetRowCount(zeilen_ - 1);
    return {};
}

int TEStringGrid::searchInCol(const std::string& Eingabestr, int Column) const {
    if (Column < 0 || Column > spalten_ - 1 || zeilen_ < 2) {
        return -1;
    }
    for (int r = 1; r < zeilen_; ++r) {
        if (zellen_[Index(Column, r)] == Eingabestr) {
            return r;
        }
    }
    return -1;
}

int TEStringGrid::searchINRow(const std::string& Eingabestr, int Row) const {
    if (Row < 0 || Row > zeilen_ - 1) {
        return -1;
    }
    for (int c = 0; c < spalten_; ++c) {
        if (zellen_[Index(c, Row)] == Eingabestr) {
            return c;
        }
    }
    return -1;
}

} // namespace pelmark
