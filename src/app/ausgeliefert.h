#pragma once
// The user's copy of the shipped data. An installed Pelmark runs from a copy
// of the read-only shipped `Daten/` and `InfoTabellen/` in the user's data
// folder. The file `.ausgeliefert` there lists, for every shipped file, the
// checksum of the version last copied. On each start:
//
//   shipped file missing in the user folder        -> copied
//   user copy still as last copied, shipped newer  -> replaced
//   user copy edited, shipped newer                -> kept; the new one is
//                                                     written beside it as
//                                                     NAME.neu and reported
//
// Nothing is ever deleted, and every write goes through a temporary file,
// so a full or unwritable disk leaves the user's files whole.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

// The folders copied, relative to the shipped and the user folder.
inline constexpr const char* Ausgelieferte_Ordner[] = {"Daten", "InfoTabellen"};

// The list of checksums in the user folder.
inline constexpr const char* Pruefsummendatei = ".ausgeliefert";

// The suffix of a new shipped version put beside an edited user file. Not
// ".CSV", so neither the table store nor the tables page reads it.
inline constexpr const char* Neu_Endung = ".neu";

// FNV-1a, 64 bits, over the bytes.
std::uint64_t Pruefsumme(std::string_view bytes);

struct Abgleich {
    // Edited user files (paths relative to the user folder) whose new shipped
    // version now lies beside them as NAME.neu.
    std::vector<std::string> Beiseite;
    // Clear messages for what could not be done; the rest was done.
    std::vector<std::string> Fehler;
};

// Brings the user folder `ziel` up to date with the shipped folder `quelle`.
Abgleich Abgleichen(const std::filesystem::path& quelle, const std::filesystem::path& ziel);

// The one information text for the files put beside edited ones.
std::string Beiseite_Meldung(const std::filesystem::path& ziel, const Abgleich& abgleich);

} // namespace pelmark
