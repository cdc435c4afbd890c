// Where F1 finds the user guide: beside the executable in docs/ (build and
// portable folder), else in the installed package's documents.
#include "app/anleitung.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;
using namespace pelmark;

namespace {

fs::path Neuer_Ordner(const char* name) {
    const fs::path ordner = fs::temp_directory_path() /
                            ("pelmark_anleitung_" + std::string(name) + std::to_string(::getpid()));
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    return ordner;
}

void Lege_an(const fs::path& datei) {
    fs::create_directories(datei.parent_path());
    std::ofstream(datei) << "<html></html>";
}

} // namespace

TEST(Anleitung, findet_sie_neben_dem_Programm_oder_im_installierten_Paket) {
    const fs::path wurzel = Neuer_Ordner("orte");
    const struct {
        const char* Fall;
        fs::path Exe;
        fs::path Datei; // empty: no guide anywhere
    } faelle[] = {
        {"portabel", wurzel / "p", wurzel / "p" / "docs" / "Anleitung.html"},
        {"installiert", wurzel / "usr" / "bin",
         wurzel / "usr" / "share" / "doc" / "pelmark" / "Anleitung.html"},
        {"fehlt", wurzel / "leer", {}},
    };
    for (const auto& fall : faelle) {
        fs::create_directories(fall.Exe);
        if (!fall.Datei.empty()) {
            Lege_an(fall.Datei);
        }
        const auto gefunden = Anleitung_finden(fall.Exe);
        ASSERT_EQ(gefunden.has_value(), !fall.Datei.empty()) << fall.Fall;
        if (gefunden) {
            EXPECT_TRUE(fs::equivalent(*gefunden, fall.Datei)) << fall.Fall;
        }
    }
    const std::string meldung = Meldung_Anleitung_fehlt(wurzel / "leer");
    EXPECT_NE(meldung.find((wurzel / "leer" / "docs" / "Anleitung.html").string()),
              std::string::npos);
    fs::remove_all(wurzel);
}
