#pragma once
// The user guide that F1 opens: an HTML page with its pictures, made from
// docs/Anleitung.md at build time. The build folder and the portable folder
// keep it in docs/ beside the executable; the installed program finds it in
// the package's documents, <exe>/../share/doc/pelmark.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pelmark {

// Where the guide may lie, the most likely first.
std::vector<std::filesystem::path> Anleitungsorte(const std::filesystem::path& exe_ordner);

// The first of those places that holds the guide.
std::optional<std::filesystem::path> Anleitung_finden(const std::filesystem::path& exe_ordner);

// The messages when the guide is missing, and when no browser shows it.
std::string Meldung_Anleitung_fehlt(const std::filesystem::path& exe_ordner);
std::string Meldung_kein_Browser(const std::filesystem::path& anleitung);

} // namespace pelmark
