#include "media/jpeg.h"
#include "store/fehler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pelmark {
namespace {

namespace fs = std::filesystem;

// The test picture with the frame header's height and width replaced.
fs::path Mit_Groesse(unsigned hoehe, unsigned breite) {
    std::ifstream ein(fs::path(PELMARK_TESTDATEN) / "../szenarien/bilder/bild_863x565.jpg",
                      std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    const size_t sof = bytes.find("\xFF\xC0");
    EXPECT_NE(sof, std::string::npos);
    bytes[sof + 5] = static_cast<char>(hoehe >> 8);
    bytes[sof + 6] = static_cast<char>(hoehe & 0xFF);
    bytes[sof + 7] = static_cast<char>(breite >> 8);
    bytes[sof + 8] = static_cast<char>(breite & 0xFF);
    const fs::path pfad = fs::temp_directory_path() / "pelmark-jpeg-groesse.jpg";
    std::ofstream(pfad, std::ios::binary) << bytes;
    return pfad;
}

TEST(Jpeg, ein_Kopf_mit_riesiger_Groesse_wird_abgelehnt_bevor_Speicher_genommen_wird) {
    try {
        Lies_Jpeg(Mit_Groesse(60000, 60000));
        FAIL() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_STREQ(f.what(), "JPEG-Fehler: Bild zu groß (60000 × 60000 Bildpunkte)");
    }
    EXPECT_EQ(Lies_Jpeg(Mit_Groesse(565, 863)).Breite, 863);
}

} // namespace
} // namespace pelmark
