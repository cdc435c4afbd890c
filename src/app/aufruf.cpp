#include "app/aufruf.h"
#include "app/schablonen_aufruf.h"

#include <charconv>
#include <optional>
#include <utility>

#ifndef PELMARK_VERSION
#error "PELMARK_VERSION comes from the project version in CMakeLists.txt"
#endif

namespace pelmark {

namespace {

constexpr int Seitenzahl = 11;

constexpr const char* Gebrauch =
    "Aufruf: pelmark [OPTION]\n"
    "Pelmark - Tabellen für den Rohrbauer.\n"
    "\n"
    "  --seite N    mit der Seite N (1 bis 11) beginnen\n"
    "  -h, --help   diese Hilfe zeigen und beenden\n"
    "  --version    die Version zeigen und beenden\n"
    "  --massblatt AUSWAHL --csv DATEI | --pdf DATEI\n"
    "               das Maßblatt der Auswahl (z. B. \"DN 100 PN 16\", \"IPE 200\")\n"
    "               als Tabelle und/oder PDF schreiben, ohne Fenster\n"
    "               (--csv - schreibt die Tabelle auf die Standardausgabe)\n"
    "  --etage GRÖSSE --versatz H --winkel α | --laenge LAUF\n"
    "          [--seitenversatz S] [--spalt SPALT] --csv DATEI|- | --pdf DATEI\n"
    "               das Zuschnittblatt einer Etage (z. B. \"DN 100\") schreiben;\n"
    "               \"-\" schreibt die Tabelle auf die Standardausgabe\n"
    "  --firma ORDNER  die Firmentabellen aus ORDNER über die ausgelieferten legen\n"
    "               (sonst PELMARK_FIRMA oder firma= in pelmark.conf)\n"
    "  --pruefen    jede Tabelle des Firmenordners laden und je Datei melden,\n"
    "               was falsch ist oder wie viele Zellen abweichen\n"
    "  --stutzen \"DN 50 auf DN 100\" [--winkel 90] [--aussermitte 0] [--teilung 16]\n"
    "  --segmentbogen \"DN 200\" [--radius R] [--winkel 90] [--teile 4] [--teilung 16]\n"
    "               mit --csv DATEI|- und/oder --pdf DATEI: Ordinaten und Schablone 1:1\n"
    "\n"
    "Ohne Option startet Pelmark auf der ersten Seite. Welcher Programmordner\n"
    "gilt, zeigt \"Programminfo\" auf der Seite \"Optionen\".\n";

Aufruf Falsch(const std::string& grund) {
    return {Aufrufart::falsch, 0, "pelmark: " + grund + "\n\n" + Gebrauch, 2, {}, {}, {}, {}};
}

// 1 to 10, or 0 when the text is not such a number.
int Seitennummer(const std::string& text) {
    int nummer = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), nummer);
    const bool ganz = fehler == std::errc() && ende == text.data() + text.size();
    return ganz && nummer >= 1 && nummer <= Seitenzahl ? nummer : 0;
}

// "--name WERT" or "--name=WERT" at argument i: the value (i moves past it),
// or nothing when the argument is another option.
std::optional<std::string> Wert_von(const std::vector<std::string>& argumente, size_t& i,
                                    const std::string& name) {
    const std::string& argument = argumente[i];
    if (argument == name && i + 1 < argumente.size()) {
        return argumente[++i];
    }
    if (argument.rfind(name + "=", 0) == 0) {
        return argument.substr(name.size() + 1);
    }
    return std::nullopt;
}

// Takes "--massblatt", "--csv" or "--pdf" at argument i; false for any other.
bool Blattangabe(const std::vector<std::string>& argumente, size_t& i, Aufruf& aufruf) {
    const std::pair<const char*, std::string Aufruf::*> angaben[] = {
        {"--massblatt", &Aufruf::Auswahl}, {"--csv", &Aufruf::Csv}, {"--pdf", &Aufruf::Pdf}};
    for (const auto& [name, feld] : angaben) {
        if (auto wert = Wert_von(argumente, i, name)) {
            aufruf.*feld = *wert;
            return true;
        }
    }
    return false;
}

} // namespace

std::string Versionstext() {
    return std::string("Pelmark ") + PELMARK_VERSION;
}

Aufruf Aufruf_lesen(const std::vector<std::string>& argumente) {
    if (auto schablone = Schablonenaufruf(argumente, Gebrauch)) {
        return *schablone;
    }
    Aufruf aufruf;
    for (size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        if (argument == "--help" || argument == "-h") {
            return {Aufrufart::hilfe, 0, Gebrauch, 0, {}, {}, {}, {}};
        }
        if (argument == "--version") {
            return {Aufrufart::version, 0, Versionstext() + "\n", 0, {}, {}, {}, {}};
        }
        if (Blattangabe(argumente, i, aufruf) || Etagenangabe(argumente, i, aufruf.Etage)) {
            continue;
        }
        std::string wert;
        if (argument == "--seite" && i + 1 < argumente.size()) {
            wert = argumente[++i];
        } else if (argument.rfind("--seite=", 0) == 0) {
            wert = argument.substr(8);
        } else if (argument == "--seite") {
            return Falsch("--seite braucht eine Seitennummer von 1 bis 11");
        } else {
            return Falsch("unbekannte Angabe \"" + argument + "\"");
        }
        aufruf.Seite = Seitennummer(wert);
        if (aufruf.Seite == 0) {
            return Falsch("\"" + wert + "\" ist keine Seitennummer von 1 bis 11");
        }
    }
    const bool ziel = !aufruf.Csv.empty() || !aufruf.Pdf.empty();
    if (aufruf.Etage != Etagenaufruf{}) {
        const std::string fehler = aufruf.Auswahl.empty()
                                       ? Etagenfehler(aufruf.Etage, ziel)
                                       : "--massblatt und --etage schließen einander aus";
        aufruf.Art = fehler.empty() ? Aufrufart::etage : aufruf.Art;
        return fehler.empty() ? aufruf : Falsch(fehler);
    }
    if (aufruf.Auswahl.empty() != !ziel) {
        return Falsch(ziel ? "--csv und --pdf gehören zu --massblatt"
                           : "--massblatt braucht eine Auswahl und --csv oder --pdf");
    }
    if (ziel) {
        aufruf.Art = Aufrufart::massblatt;
    }
    return aufruf;
}

} // namespace pelmark
