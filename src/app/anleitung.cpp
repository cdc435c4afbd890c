#include "app/anleitung.h"

#include <system_error>

namespace pelmark {

namespace fs = std::filesystem;

std::vector<fs::path> Anleitungsorte(const fs::path& exe_ordner) {
    return {
        exe_ordner / "docs" / "Anleitung.html",
        (exe_ordner / ".." / "share" / "doc" / "pelmark" / "Anleitung.html").lexically_normal()};
}

std::optional<fs::path> Anleitung_finden(const fs::path& exe_ordner) {
    for (const fs::path& ort : Anleitungsorte(exe_ordner)) {
        std::error_code fehler;
        if (fs::is_regular_file(ort, fehler)) {
            return ort;
        }
    }
    return std::nullopt;
}

std::string Meldung_Anleitung_fehlt(const fs::path& exe_ordner) {
    return "Die Anleitung wurde nicht gefunden. Gesucht in:\n" +
           Anleitungsorte(exe_ordner)[0].string() + "\n" + Anleitungsorte(exe_ordner)[1].string();
}

std::string Meldung_kein_Browser(const fs::path& anleitung) {
    return "Die Anleitung konnte nicht angezeigt werden: es ist kein Programm zum Anzeigen "
           "von HTML-Seiten (Webbrowser) eingerichtet.\nDie Anleitung liegt in:\n" +
           anleitung.string();
}

} // namespace pelmark
