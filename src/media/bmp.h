#pragma once
// The size of a Windows bitmap, read from its file header alone: the section
// pictures are drawn unscaled, so their pixel size is all the form needs.

#include <filesystem>
#include <optional>
#include <string_view>

namespace pelmark {

struct Bmp_Groesse {
    int Breite = 0;
    int Hoehe = 0;
};

// Width and height from the first bytes of a bitmap file ("BM", file header,
// then a core or info header); nothing when the bytes are no bitmap header.
std::optional<Bmp_Groesse> Bmp_Kopf_lesen(std::string_view bytes);

// Reads only the header of the file. A file that cannot be opened throws the
// file-open error; a file that is no bitmap throws "Bitmap ist ungültig".
Bmp_Groesse Bmp_Groesse_aus_Datei(const std::filesystem::path& pfad);

} // namespace pelmark
