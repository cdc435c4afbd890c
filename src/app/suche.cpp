// The search field's reading and its application. The reading is a row of
// patterns tried at the current position; the whole input must be used up.
// Entries are matched by a key (lower case, blanks removed), so "dn150" finds
// "DN 150" and "l 100x10" finds "L 100x100x10".
#include "app/suche.h"

#include "app/suchmuster.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace pelmark {

namespace {

// Lower case; a comma between digits stays (decimal), any other is a blank;
// typographic inch marks become '"'.
std::string Normiert(std::string_view eingabe) {
    std::string s;
    for (size_t i = 0; i < eingabe.size(); ++i) {
        const char c = eingabe[i];
        const bool ziffer_davor = i > 0 && std::isdigit(static_cast<unsigned char>(eingabe[i - 1]));
        const bool ziffer_danach =
            i + 1 < eingabe.size() && std::isdigit(static_cast<unsigned char>(eingabe[i + 1]));
        if ((c == ',' || c == ';') && !(c == ',' && ziffer_davor && ziffer_danach)) {
            s += ' ';
        } else if (c == '\t') {
            s += ' ';
        } else {
            s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    for (const char* zoll : {"\xE2\x80\xB3", "\xE2\x80\x9D", "\xE2\x80\x9C", "''"}) {
        for (size_t pos = s.find(zoll); pos != std::string::npos; pos = s.find(zoll)) {
            s.replace(pos, std::string_view(zoll).size(), "\"");
        }
    }
    return s;
}

std::string Mit_Komma(std::string zahl) {
    std::replace(zahl.begin(), zahl.end(), '.', ',');
    return zahl;
}

// Sets one part of the target; false when the input names that part twice.
bool Setze(std::string& teil, std::string wert) {
    if (!teil.empty()) {
        return false;
    }
    teil = std::move(wert);
    return true;
}

bool Norm_setzen(Suchziel& z, Suchziel::Norm norm) {
    if (z.Standard != Suchziel::Norm::offen && z.Standard != norm) {
        return false;
    }
    z.Standard = norm;
    return true;
}

bool Uebernimm(Suchziel& z, const Suchteil& t) {
    using N = Suchziel::Norm;
    const auto& teil = t.Teile;
    switch (t.Art) {
    case Suchart::DN:
        return Norm_setzen(z, N::DIN) && Setze(z.Nennweite, "DN " + teil[0]);
    case Suchart::PN:
        return Norm_setzen(z, N::DIN) && Setze(z.Druckstufe, "PN " + teil[0]);
    case Suchart::NPS: {
        std::string groesse = teil[0];
        std::replace(groesse.begin(), groesse.end(), '-', ' ');
        return Norm_setzen(z, N::ANSI) && Setze(z.Nennweite, groesse);
    }
    case Suchart::Klasse:
        return Norm_setzen(z, N::ANSI) && Setze(z.Druckstufe, "Class " + teil[0]);
    case Suchart::Profil: {
        std::string art = teil[0] == "u" ? "upn" : teil[0] == "i" ? "inp" : teil[0];
        std::transform(art.begin(), art.end(), art.begin(), ::toupper);
        return Setze(z.Profil, art + " " + teil[1]);
    }
    case Suchart::Winkel: {
        const std::string a = Mit_Komma(teil[0]);
        const std::string b = Mit_Komma(teil[1]);
        // "L 100x10" is the equal angle 100x100x10.
        return Setze(z.Profil, t.Drei_Masse ? "L " + a + "x" + b + "x" + Mit_Komma(teil[2])
                                            : "L " + a + "x" + a + "x" + b);
    }
    case Suchart::Schraube:
        return Setze(z.Schraube, teil[0]);
    case Suchart::Dampf:
        return Setze(z.Dampfdruck, teil[0]);
    case Suchart::Temperatur:
        return Setze(z.Temperatur, teil[0] + " \xC2\xB0"
                                             "C");
    case Suchart::Etage:
        return !std::exchange(z.Etage, true);
    }
    return false;
}

std::string Nicht_erkannt(std::string_view eingabe) {
    return "\xE2\x80\x9E" + std::string(eingabe) + "\xE2\x80\x9C nicht erkannt";
}

} // namespace

Suchlesung Suche_lesen(std::string_view eingabe) {
    const std::string s = Normiert(eingabe);
    Suchziel ziel;
    bool etwas = false;
    size_t pos = 0;
    while (true) {
        while (pos < s.size() && s[pos] == ' ') {
            ++pos;
        }
        if (pos == s.size()) {
            break;
        }
        const std::optional<Suchteil> teil = Lies_Suchteil(std::string_view(s).substr(pos));
        if (!teil) {
            return {std::nullopt, Nicht_erkannt(eingabe)};
        }
        if (!Uebernimm(ziel, *teil)) {
            return {std::nullopt,
                    Nicht_erkannt(eingabe) + ": widersprüchliche oder doppelte Angaben"};
        }
        pos += teil->Laenge;
        etwas = true;
    }
    if (!etwas) {
        return {std::nullopt, "Bitte eine Nennweite, Druckstufe, ein Profil, eine Schraube, "
                              "einen Dampfdruck oder eine Temperatur eingeben"};
    }
    return {ziel, {}};
}

} // namespace pelmark
