#include "media/jpeg.h"

#include "store/fehler.h"
#include "store/textdatei.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace pelmark {

namespace {

// libjpeg reports errors through error_exit; it must not return, and a C++
// exception must not cross the C library, so it jumps back to the caller.
struct Fehlerziel {
    jpeg_error_mgr Verwalter;
    std::jmp_buf Ruecksprung;
    char Meldung[JMSG_LENGTH_MAX + 64];
};

void Fehler_melden(j_common_ptr info) {
    auto* ziel = reinterpret_cast<Fehlerziel*>(info->err);
    (*info->err->format_message)(info, ziel->Meldung);
    std::longjmp(ziel->Ruecksprung, 1);
}

void Keine_Warnung(j_common_ptr, int) {}

// Decodes into bild; returns false after a decoder error (the message in ziel).
bool Dekodiere(const std::string& bytes, Fehlerziel& ziel, Jpegbild& bild) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&ziel.Verwalter);
    ziel.Verwalter.error_exit = Fehler_melden;
    ziel.Verwalter.emit_message = Keine_Warnung;
    if (setjmp(ziel.Ruecksprung) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // A header may claim any size; more than a photograph can hold would only
    // exhaust the memory.
    if (static_cast<unsigned long long>(info.image_width) * info.image_height >
        Jpeg_Hoechstpunkte) {
        std::snprintf(ziel.Meldung, sizeof ziel.Meldung, "Bild zu groß (%u × %u Bildpunkte)",
                      static_cast<unsigned>(info.image_width),
                      static_cast<unsigned>(info.image_height));
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    bild.Breite = static_cast<int>(info.output_width);
    bild.Hoehe = static_cast<int>(info.output_height);
    const size_t zeilenlaenge = static_cast<size_t>(bild.Breite) * 3;
    bild.Rgb.assign(zeilenlaenge * static_cast<size_t>(bild.Hoehe), 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = bild.Rgb.data() + zeilenlaenge * info.output_scanline;
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

Jpegbild Lies_Jpeg(const std::filesystem::path& pfad) {
    const std::string bytes = Lies_Bytes(pfad);
    Fehlerziel ziel{};
    Jpegbild bild;
    if (!Dekodiere(bytes, ziel, bild)) {
        throw Fehler(std::string("JPEG-Fehler: ") + ziel.Meldung);
    }
    return bild;
}

} // namespace pelmark
