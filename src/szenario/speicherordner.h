#pragma once
// The WebAssembly runner under node keeps its private copies in a folder in
// memory (knoten_dateisystem.js). That layer copies a folder from disk into
// it, or removes one there, in a single call, where the C library takes a
// dozen calls per file through it. The native runner has no such layer.

#include <filesystem>

namespace pelmark {

// True when the folder quelle was copied as the new folder ziel; false when
// the caller must copy it itself (the native runner, a folder not from disk,
// a target not in memory, or a file that cannot be read).
bool In_Speicher_kopieren(const std::filesystem::path& quelle, const std::filesystem::path& ziel);

// True when the folder in memory and all it holds were removed; false when
// the caller must remove it itself.
bool Aus_Speicher_entfernen(const std::filesystem::path& ordner);

} // namespace pelmark
