#pragma once
// Decoding JPEG files with libjpeg-turbo into a picture buffer.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pelmark {

// A decoded picture: width, height and RGB rows, top row first.
struct Jpegbild {
    int Breite = 0;
    int Hoehe = 0;
    std::vector<std::uint8_t> Rgb;
};

// The most picture points a header may claim (a 100-megapixel photograph);
// more is refused before any memory is taken.
constexpr unsigned long long Jpeg_Hoechstpunkte = 100'000'000ULL;

// Decodes the file; throws Fehler with the file-open message or with the
// decoder's own message when the bytes are no valid JPEG picture.
Jpegbild Lies_Jpeg(const std::filesystem::path& pfad);

} // namespace pelmark
