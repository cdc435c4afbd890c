#include "store/nennweiten.h"

#include "store/zahlen.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace pelmark {

namespace {

// Fractions of an inch that name sizes below NPS 8.
std::optional<double> Zoll(std::string_view text) {
    double summe = 0;
    bool gelesen = false;
    while (!text.empty()) {
        const size_t blank = text.find(' ');
        const std::string_view teil = text.substr(0, blank);
        const size_t bruch = teil.find('/');
        if (bruch == std::string_view::npos) {
            const auto ganz = Lies_Ganzzahl(teil);
            if (!ganz) {
                return std::nullopt;
            }
            summe += *ganz;
        } else {
            const auto z = Lies_Ganzzahl(teil.substr(0, bruch));
            const auto n = Lies_Ganzzahl(teil.substr(bruch + 1));
            if (!z || !n || *n == 0) {
                return std::nullopt;
            }
            summe += static_cast<double>(*z) / *n;
        }
        gelesen = true;
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    }
    return gelesen ? std::optional(summe) : std::nullopt;
}

constexpr std::array<std::pair<double, int>, 15> Kleine_Groessen = {{
    {0.125, 6},
    {0.25, 8},
    {0.375, 10},
    {0.5, 15},
    {0.75, 20},
    {1, 25},
    {1.25, 32},
    {1.5, 40},
    {2, 50},
    {2.5, 65},
    {3, 80},
    {3.5, 90},
    {4, 100},
    {5, 125},
    {6, 150},
}};

} // namespace

std::optional<int> DN_zu_NPS(std::string_view nps) {
    const auto zoll = Zoll(nps);
    if (!zoll) {
        return std::nullopt;
    }
    if (*zoll >= 8 && *zoll == std::floor(*zoll)) {
        return static_cast<int>(*zoll) * 25;
    }
    for (const auto& [z, dn] : Kleine_Groessen) {
        if (z == *zoll) {
            return dn;
        }
    }
    return std::nullopt;
}

std::optional<int> DN_von_Eintrag(std::string_view eintrag) {
    if (eintrag.rfind("DN ", 0) == 0) {
        const auto dn = Lies_Ganzzahl(eintrag.substr(3));
        return dn && *dn > 0 ? std::optional<int>(static_cast<int>(*dn)) : std::nullopt;
    }
    if (eintrag.rfind("NPS ", 0) == 0) {
        eintrag.remove_prefix(4);
    }
    return DN_zu_NPS(eintrag);
}

int Zeile_mit_DN(const Tabelle& tabelle, int dn) {
    const std::string name = "DN " + std::to_string(dn);
    for (int r = 1; r < tabelle.Inhalt.Zeilen(); ++r) {
        if (tabelle.Inhalt(0, r) == name) {
            return r;
        }
    }
    return -1;
}

int Din_Zeile_fuer_Ansi(const Tabellenspeicher& s, const Tabelle& din_tabelle, int ansi_zeile) {
    if (ansi_zeile < 1 || ansi_zeile >= s.ANSI_Rohre.Inhalt.Zeilen()) {
        return -1;
    }
    const auto dn = DN_zu_NPS(s.ANSI_Rohre.Inhalt(0, ansi_zeile));
    return dn ? Zeile_mit_DN(din_tabelle, *dn) : -1;
}

} // namespace pelmark
