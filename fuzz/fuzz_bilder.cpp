// Picture files with any bytes: the bitmap header reader gives a size or
// nothing; the JPEG decoder gives a picture or the program's own error; the
// picture page fits every decoded size into its area.
#include "app/bildseite.h"
#include "media/bmp.h"
#include "media/jpeg.h"
#include "store/fehler.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace pelmark;
namespace fs = std::filesystem;

namespace {

fs::path Datei() {
    return fs::temp_directory_path() / ("pelmark-fuzz-bild-" + std::to_string(::getpid()) + ".jpg");
}

void Pruefe_Flaeche(int breite, int hoehe, Bildgroesse bisher) {
    const Bildgroesse neu = Bildflaeche(breite, hoehe, bisher);
    if (breite > 0 && hoehe > 0 && (neu.Breite < 0 || neu.Hoehe < 0)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    if (const auto kopf = Bmp_Kopf_lesen(bytes)) {
        Pruefe_Flaeche(kopf->Breite, kopf->Hoehe, {1000, 631});
    }
    static const fs::path datei = Datei();
    {
        std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
        aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    try {
        const Jpegbild bild = Lies_Jpeg(datei);
        if (bild.Rgb.size() != static_cast<size_t>(bild.Breite) * bild.Hoehe * 3) {
            std::abort();
        }
        Pruefe_Flaeche(bild.Breite, bild.Hoehe, {1000, 631});
        Pruefe_Flaeche(bild.Breite, bild.Hoehe, {1, 1});
    } catch (const Fehler&) {
    }
    return 0;
}
