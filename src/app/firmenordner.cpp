#include "app/firmenordner.h"

#include <filesystem>
#include <sstream>

namespace pelmark {

namespace fs = std::filesystem;

namespace {

std::string Ohne_Rand(const std::string& text) {
    const auto anfang = text.find_first_not_of(" \t\r\n");
    if (anfang == std::string::npos) {
        return {};
    }
    return text.substr(anfang, text.find_last_not_of(" \t\r\n") - anfang + 1);
}

std::string Mit_Trenner(const fs::path& ordner) {
    std::string text = ordner.string();
    return text.empty() || text.back() == '/' ? text : text + "/";
}

// A folder named in a configuration file, relative to that file's folder;
// "firma=" with nothing after it: explicitly none.
std::optional<std::string> Aus_Datei(const std::string& text, const std::string& pfad) {
    const auto wert = Firma_aus_conf(text);
    if (!wert || wert->empty()) {
        return wert;
    }
    const fs::path ordner(*wert);
    return Mit_Trenner(ordner.is_absolute() ? ordner : fs::path(pfad).parent_path() / ordner);
}

} // namespace

std::optional<std::string> Firma_aus_conf(const std::string& text) {
    std::optional<std::string> wert;
    std::istringstream zeilen(text);
    for (std::string zeile; std::getline(zeilen, zeile);) {
        zeile = Ohne_Rand(zeile);
        if (zeile.empty() || zeile[0] == '#') {
            continue;
        }
        const auto gleich = zeile.find('=');
        if (gleich != std::string::npos && Ohne_Rand(zeile.substr(0, gleich)) == "firma") {
            wert = Ohne_Rand(zeile.substr(gleich + 1));
        }
    }
    return wert;
}

std::string Firmenordner_bestimmen(const std::string& option, const Einstellungsquellen& q) {
    if (!option.empty()) {
        return Mit_Trenner(option);
    }
    if (!q.Pelmark_firma.empty()) {
        return Mit_Trenner(q.Pelmark_firma);
    }
    if (auto ordner = Aus_Datei(q.Benutzer_conf, q.Benutzer_pfad)) {
        return *ordner;
    }
    return Aus_Datei(q.System_conf, q.System_pfad).value_or(std::string());
}

} // namespace pelmark
