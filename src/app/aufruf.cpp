#include "app/aufruf.h"

#include <charconv>

#ifndef PELMARK_VERSION
#error "PELMARK_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace pelmark {

namespace {

constexpr int Seitenzahl = 10;

constexpr const char* Gebrauch =
    "Aufruf: pelmark [OPTION]\n"
    "Pelmark - Tabellen für den Rohrbauer.\n"
    "\n"
    "  --seite N    mit der Seite N (1 bis 10) beginnen\n"
    "  -h, --help   diese Hilfe zeigen und beenden\n"
    "  --version    die Version zeigen und beenden\n"
    "\n"
    "Ohne Option startet Pelmark auf der ersten Seite. Welcher Programmordner\n"
    "gilt, zeigt \"Programminfo\" auf der Seite \"Optionen\".\n";

Aufruf Falsch(const std::string& grund) {
    return {Aufrufart::falsch, 0, "pelmark: " + grund + "\n\n" + Gebrauch, 2};
}

// 1 to 10, or 0 when the text is not such a number.
int Seitennummer(const std::string& text) {
    int nummer = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), nummer);
    const bool ganz = fehler == std::errc() && ende == text.data() + text.size();
    return ganz && nummer >= 1 && nummer <= Seitenzahl ? nummer : 0;
}

} // namespace

std::string Versionstext() {
    return std::string("Pelmark ") + PELMARK_VERSION;
}

Aufruf Aufruf_lesen(const std::vector<std::string>& argumente) {
    Aufruf aufruf;
    for (size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        if (argument == "--help" || argument == "-h") {
            return {Aufrufart::hilfe, 0, Gebrauch, 0};
        }
        if (argument == "--version") {
            return {Aufrufart::version, 0, Versionstext() + "\n", 0};
        }
        std::string wert;
        if (argument == "--seite" && i + 1 < argumente.size()) {
            wert = argumente[++i];
        } else if (argument.rfind("--seite=", 0) == 0) {
            wert = argument.substr(8);
        } else if (argument == "--seite") {
            return Falsch("--seite braucht eine Seitennummer von 1 bis 10");
        } else {
            return Falsch("unbekannte Angabe \"" + argument + "\"");
        }
        aufruf.Seite = Seitennummer(wert);
        if (aufruf.Seite == 0) {
            return Falsch("\"" + wert + "\" ist keine Seitennummer von 1 bis 10");
        }
    }
    return aufruf;
}

} // namespace pelmark
