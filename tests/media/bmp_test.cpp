// The bitmap header reader of the section pictures.
#include "media/bmp.h"

#include "store/fehler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace pelmark {
namespace {

void Lege(std::string& b, size_t pos, std::uint32_t wert, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        b[pos + static_cast<size_t>(i)] = static_cast<char>((wert >> (8 * i)) & 0xFF);
    }
}

// A file and info header with the given header size, width and height.
std::string Kopf(std::uint32_t kopfgroesse, std::int32_t breite, std::int32_t hoehe) {
    std::string b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Lege(b, 14, kopfgroesse, 4);
    if (kopfgroesse == 12) {
        Lege(b, 18, static_cast<std::uint32_t>(breite), 2);
        Lege(b, 20, static_cast<std::uint32_t>(hoehe), 2);
    } else {
        Lege(b, 18, static_cast<std::uint32_t>(breite), 4);
        Lege(b, 22, static_cast<std::uint32_t>(hoehe), 4);
    }
    return b;
}

TEST(Bmp_Kopf, Groessen_und_Ablehnungen) {
    std::string falsches_zeichen = Kopf(40, 100, 100);
    falsches_zeichen[1] = 'X';
    const struct {
        const char* Name;
        std::string Bytes;
        int Breite, Hoehe; // 0: no bitmap
    } faelle[] = {
        {"Info-Kopf 100x100", Kopf(40, 100, 100), 100, 100},
        {"V5-Kopf 640x480", Kopf(124, 640, 480), 640, 480},
        {"von oben nach unten", Kopf(40, 120, -80), 120, 80},
        {"OS/2-Kern-Kopf", Kopf(12, 300, 200), 300, 200},
        {"kein BM", falsches_zeichen, 0, 0},
        {"zu kurz", Kopf(40, 100, 100).substr(0, 25), 0, 0},
        {"unbekannte Kopfgröße", Kopf(20, 100, 100), 0, 0},
        {"Breite null", Kopf(40, 0, 100), 0, 0},
        {"leer", std::string(), 0, 0},
    };
    for (const auto& fall : faelle) {
        const auto groesse = Bmp_Kopf_lesen(fall.Bytes);
        if (fall.Breite == 0) {
            EXPECT_FALSE(groesse.has_value()) << fall.Name;
            continue;
        }
        ASSERT_TRUE(groesse.has_value()) << fall.Name;
        EXPECT_EQ(groesse->Breite, fall.Breite) << fall.Name;
        EXPECT_EQ(groesse->Hoehe, fall.Hoehe) << fall.Name;
    }
}

TEST(Bmp_Kopf, Datei_fehlt_oder_ist_kein_Bild) {
    const auto ordner = std::filesystem::temp_directory_path() / "pelmark_bmp_test";
    std::filesystem::create_directories(ordner);
    const auto fehlt = ordner / "fehlt.bmp";
    std::filesystem::remove(fehlt);
    try {
        Bmp_Groesse_aus_Datei(fehlt);
        ADD_FAILURE() << "no error for a missing file";
    } catch (const Fehler& fehler) {
        EXPECT_EQ(std::string(fehler.what())
                      .rfind("Datei " + fehlt.string() + " kann nicht geöffnet werden. ", 0),
                  0u)
            << fehler.what();
    }
    const auto text = ordner / "text.bmp";
    std::ofstream(text) << "kein Bild";
    try {
        Bmp_Groesse_aus_Datei(text);
        ADD_FAILURE() << "no error for a text file";
    } catch (const Fehler& fehler) {
        EXPECT_STREQ(fehler.what(), "Bitmap ist ungültig");
    }
    const auto bild = ordner / "bild.bmp";
    std::ofstream(bild, std::ios::binary) << Kopf(40, 100, 60);
    const Bmp_Groesse g = Bmp_Groesse_aus_Datei(bild);
    EXPECT_EQ(g.Breite, 100);
    EXPECT_EQ(g.Hoehe, 60);
    std::filesystem::remove_all(ordner);
}

} // namespace
} // namespace pelmark
