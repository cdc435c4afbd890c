#pragma once
// Building grids from lines "a;b;c" and reading them back the same way.

#include "grid/testringgrid.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace pelmark::test {

inline TEStringGrid Gitter_aus(const std::vector<std::string>& zeilen, int fest = 1) {
    TEStringGrid g(1, 1);
    int spalten = 1;
    for (const auto& z : zeilen) {
        spalten = std::max(spalten, 1 + static_cast<int>(std::count(z.begin(), z.end(), ';')));
    }
    g.SetColCount(spalten);
    g.SetRowCount(static_cast<int>(zeilen.size()));
    g.FixedCols = 0;
    g.FixedRows = fest;
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const std::string& z = zeilen[static_cast<size_t>(r)];
        size_t anfang = 0;
        for (int c = 0; anfang <= z.size(); ++c) {
            const size_t ende = std::min(z.find(';', anfang), z.size());
            g.SetCell(c, r, z.substr(anfang, ende - anfang));
            anfang = ende + 1;
        }
    }
    return g;
}

inline std::vector<std::string> Zeilen_von(const TEStringGrid& g) {
    std::vector<std::string> zeilen;
    for (int r = 0; r < g.RowCount(); ++r) {
        std::string z = g.Cell(0, r);
        for (int c = 1; c < g.ColCount(); ++c) {
            z += ";" + g.Cell(c, r);
        }
        zeilen.push_back(z);
    }
    return zeilen;
}

// One column of the grid, from row 'ab'.
inline std::vector<std::string> Spalte_von(const TEStringGrid& g, int spalte, int ab = 0) {
    std::vector<std::string> werte;
    for (int r = ab; r < g.RowCount(); ++r) {
        werte.push_back(g.Cell(spalte, r));
    }
    return werte;
}

// A private folder for files a test writes, removed at the end.
class Testordner {
  public:
    Testordner() {
        pfad_ =
            std::filesystem::temp_directory_path() /
            ("pelmark_gitter_" + std::to_string(::getpid()) + "_" + std::to_string(zaehler()++));
        std::filesystem::create_directories(pfad_);
    }
    ~Testordner() {
        std::error_code fehler;
        std::filesystem::remove_all(pfad_, fehler);
    }
    std::filesystem::path Datei(const std::string& name, const std::string& bytes) const {
        const auto datei = pfad_ / name;
        std::ofstream(datei, std::ios::binary) << bytes;
        return datei;
    }
    std::filesystem::path operator/(const std::string& name) const { return pfad_ / name; }

  private:
    static int& zaehler() {
        static int z = 0;
        return z;
    }
    std::filesystem::path pfad_;
};

inline std::string Bytes_von(const std::filesystem::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

} // namespace pelmark::test
