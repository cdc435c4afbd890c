// Reading the template options of the command line.
#include "app/schablonen_aufruf.h"

#include "store/zahlen.h"

#include <algorithm>

namespace pelmark {

namespace {

std::optional<std::string> Wert(const std::vector<std::string>& a, size_t& i,
                                const std::string& name) {
    if (a[i] == name && i + 1 < a.size()) {
        return a[++i];
    }
    if (a[i].rfind(name + "=", 0) == 0) {
        return a[i].substr(name.size() + 1);
    }
    return std::nullopt;
}

std::optional<double> Zahl(const std::string& text) {
    const auto z = Lies_Zahl_streng(text);
    return z ? std::optional<double>(static_cast<double>(*z)) : std::nullopt;
}

// Reads one "--name WERT" into the order; false when the name is not one of them.
bool Angabe(const std::vector<std::string>& a, size_t& i, Schablonenauftrag& s,
            std::string& fehler) {
    const std::pair<const char*, std::optional<double> Schablonenauftrag::*> zahlen[] = {
        {"--winkel", &Schablonenauftrag::Winkel},
        {"--aussermitte", &Schablonenauftrag::Aussermitte},
        {"--radius", &Schablonenauftrag::Radius}};
    for (const auto& [name, feld] : zahlen) {
        if (auto w = Wert(a, i, name)) {
            s.*feld = Zahl(*w);
            if (!(s.*feld)) {
                fehler = std::string(name) + ": \"" + *w + "\" ist keine Zahl";
            }
            return true;
        }
    }
    const std::pair<const char*, int Schablonenauftrag::*> ganze[] = {
        {"--teilung", &Schablonenauftrag::Teilung}, {"--teile", &Schablonenauftrag::Teile}};
    for (const auto& [name, feld] : ganze) {
        if (auto w = Wert(a, i, name)) {
            const auto z = Lies_Ganzzahl(*w);
            s.*feld = z ? *z : 0;
            if (!z) {
                fehler = std::string(name) + ": \"" + *w + "\" ist keine ganze Zahl";
            }
            return true;
        }
    }
    const std::pair<const char*, std::string Schablonenauftrag::*> texte[] = {
        {"--stutzen", &Schablonenauftrag::Groesse},
        {"--segmentbogen", &Schablonenauftrag::Groesse},
        {"--csv", &Schablonenauftrag::Csv},
        {"--pdf", &Schablonenauftrag::Pdf}};
    for (const auto& [name, feld] : texte) {
        if (auto w = Wert(a, i, name)) {
            s.*feld = *w;
            return true;
        }
    }
    return false;
}

std::string Pruefen(const Schablonenauftrag& s) {
    if (s.Groesse.empty()) {
        return s.Segmentbogen ? "--segmentbogen braucht eine Größe (z. B. \"DN 200\")"
                              : "--stutzen braucht die Größen (z. B. \"DN 50 auf DN 100\")";
    }
    if (s.Csv.empty() && s.Pdf.empty()) {
        return "--csv oder --pdf fehlt";
    }
    if (s.Segmentbogen && s.Aussermitte) {
        return "--aussermitte gehört zu --stutzen";
    }
    if (!s.Segmentbogen && s.Radius) {
        return "--radius gehört zu --segmentbogen";
    }
    return {};
}

} // namespace

std::optional<Schablonenlesung> Schablonenauftrag_lesen(const std::vector<std::string>& argumente) {
    const auto ist = [&](const char* name) {
        return std::any_of(argumente.begin(), argumente.end(), [name](const std::string& a) {
            return a == name || a.rfind(std::string(name) + "=", 0) == 0;
        });
    };
    const bool stutzen = ist("--stutzen");
    const bool bogen = ist("--segmentbogen");
    if (!stutzen && !bogen) {
        return std::nullopt;
    }
    if (stutzen && bogen) {
        return Schablonenlesung{std::nullopt, "--stutzen und --segmentbogen schließen sich aus"};
    }
    Schablonenauftrag s;
    s.Segmentbogen = bogen;
    std::string fehler;
    for (size_t i = 0; i < argumente.size() && fehler.empty(); ++i) {
        if (!Angabe(argumente, i, s, fehler)) {
            fehler = "unbekannte Angabe \"" + argumente[i] + "\"";
        }
    }
    if (fehler.empty()) {
        fehler = Pruefen(s);
    }
    if (!fehler.empty()) {
        return Schablonenlesung{std::nullopt, fehler};
    }
    return Schablonenlesung{s, {}};
}

std::optional<Aufruf> Schablonenaufruf(const std::vector<std::string>& argumente,
                                       const std::string& gebrauch) {
    const auto lesung = Schablonenauftrag_lesen(argumente);
    if (!lesung) {
        return std::nullopt;
    }
    if (!lesung->Auftrag) {
        return Aufruf{Aufrufart::falsch,
                      0,
                      "pelmark: " + lesung->Meldung + "\n\n" + gebrauch,
                      2,
                      {},
                      {},
                      {},
                      {}};
    }
    return Aufruf{Aufrufart::schablone, 0, {}, 0, {}, {}, {}, {}};
}

} // namespace pelmark
