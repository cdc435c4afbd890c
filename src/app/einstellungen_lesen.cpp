// The environment and the configuration files behind one small file.
#include "app/firmenordner.h"

#include "store/textdatei.h"

#include <cstdlib>
#include <filesystem>

namespace pelmark {

namespace fs = std::filesystem;

namespace {

std::string Umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert == nullptr ? std::string() : std::string(wert);
}

// The bytes of a file, empty when it is missing or unreadable.
std::string Lies_falls_da(const fs::path& pfad) {
    std::error_code fehler;
    if (!fs::is_regular_file(pfad, fehler)) {
        return {};
    }
    try {
        return Lies_Bytes(pfad);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

Einstellungsquellen Einstellungen_lesen() {
    Einstellungsquellen q;
    q.Pelmark_firma = Umgebung("PELMARK_FIRMA");
    fs::path konfig = Umgebung("XDG_CONFIG_HOME");
    if (!konfig.is_absolute() && fs::path(Umgebung("HOME")).is_absolute()) {
        konfig = fs::path(Umgebung("HOME")) / ".config";
    }
    if (konfig.is_absolute()) {
        q.Benutzer_pfad = (konfig / "pelmark" / "pelmark.conf").string();
        q.Benutzer_conf = Lies_falls_da(q.Benutzer_pfad);
    }
    q.System_pfad = "/etc/pelmark/pelmark.conf";
    q.System_conf = Lies_falls_da(q.System_pfad);
    return q;
}

} // namespace pelmark
