#include "app/aufruf_etage.h"

#include <utility>

namespace pelmark {

bool Etagenangabe(const std::vector<std::string>& argumente, size_t& i, Etagenaufruf& etage) {
    const std::pair<const char*, std::string Etagenaufruf::*> angaben[] = {
        {"--etage", &Etagenaufruf::Auswahl},
        {"--versatz", &Etagenaufruf::Versatz},
        {"--winkel", &Etagenaufruf::Winkel},
        {"--laenge", &Etagenaufruf::Laenge},
        {"--seitenversatz", &Etagenaufruf::Seitenversatz},
        {"--spalt", &Etagenaufruf::Spalt}};
    const std::string& argument = argumente[i];
    for (const auto& [name, feld] : angaben) {
        const std::string gleich = std::string(name) + "=";
        if (argument == name && i + 1 < argumente.size()) {
            etage.*feld = argumente[++i];
            return true;
        }
        if (argument.rfind(gleich, 0) == 0) {
            etage.*feld = argument.substr(gleich.size());
            return true;
        }
    }
    return false;
}

std::string Etagenfehler(const Etagenaufruf& etage, bool mit_ziel) {
    if (etage.Auswahl.empty()) {
        return "--versatz, --winkel, --laenge, --seitenversatz und --spalt gehören zu --etage";
    }
    if (etage.Versatz.empty()) {
        return "--etage braucht --versatz";
    }
    if (etage.Winkel.empty() == etage.Laenge.empty()) {
        return "--etage braucht --winkel oder --laenge, nicht beide";
    }
    if (!mit_ziel) {
        return "--etage braucht --csv oder --pdf";
    }
    return {};
}

} // namespace pelmark
