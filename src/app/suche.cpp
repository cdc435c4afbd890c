// The search field's reading and its application. The reading is a row of
// patterns tried at the current position; the whole input must be used up.
// Entries are matched by a key (lower case, blanks removed), so "dn150" finds
// "DN 150" and "l 100x10" finds "L 100x100x10".
#include "app/suche.h"

#include <algorithm>
#include <cctype>
#include <regex>
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

enum class Art { DN, PN, NPS, Klasse, Profil, Winkel, Schraube, Dampf, Temperatur, Etage };

// A pattern is compiled the first time an input reaches it: most inputs
// are read by the first few, and compiling all of them costs the browser
// edition a noticeable part of its start.
class Muster {
  public:
    Muster(Art was, const char* text) : Was(was), text_(text) {}
    Art Was;
    const std::regex& Ausdruck() const {
        if (!ausdruck_) {
            ausdruck_.emplace(text_, std::regex::ECMAScript);
        }
        return *ausdruck_;
    }

  private:
    const char* text_;
    mutable std::optional<std::regex> ausdruck_;
};

const std::vector<Muster>& Alle_Muster() {
    static const std::vector<Muster> muster = {
        {Art::DN, "dn\\s*(\\d+)"},
        {Art::PN, "pn\\s*(\\d+)"},
        {Art::NPS, "nps\\s*(\\d+(?:[ -]\\d/\\d)?|\\d/\\d)\\s*\"?"},
        {Art::Klasse, "(?:class|cl\\.?)\\s*(\\d+)"},
        {Art::Klasse, "(\\d+)\\s*(?:lbs?|#)(?![a-z])"},
        {Art::Dampf, "(?:(?:satt)?dampf\\s*)?(\\d+(?:[.,]\\d+)?)\\s*bar(?![a-z])"},
        {Art::Dampf, "(?:satt)?dampf\\s*(\\d+(?:[.,]\\d+)?)"},
        {Art::Temperatur, "(\\d+)\\s*(?:\xC2\xB0\\s*c?|grad(?![a-z]))"},
        {Art::NPS, "(\\d+(?:[ -]\\d/\\d)?|\\d/\\d)\\s*(?:\"|zoll(?![a-z])|in(?![a-z]))"},
        {Art::Winkel, "l\\s*(\\d+(?:[.,]\\d+)?)\\s*(?:x|\\*|\xC3\x97)\\s*(\\d+(?:[.,]\\d+)?)"
                      "(?:\\s*(?:x|\\*|\xC3\x97)\\s*(\\d+(?:[.,]\\d+)?))?"},
        {Art::Profil, "(ipe|hea|heb|hem|upn|inp|u|i|t)\\s*(\\d+)(?![0-9a-z])"},
        {Art::Schraube, "m\\s*(\\d+)(?![0-9a-z])"},
        {Art::Etage, "(?:raum)?etage(?![a-z])"},
    };
    return muster;
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

bool Uebernimm(Suchziel& z, Art was, const std::smatch& m) {
    using N = Suchziel::Norm;
    switch (was) {
    case Art::DN:
        return Norm_setzen(z, N::DIN) && Setze(z.Nennweite, "DN " + m.str(1));
    case Art::PN:
        return Norm_setzen(z, N::DIN) && Setze(z.Druckstufe, "PN " + m.str(1));
    case Art::NPS: {
        std::string groesse = m.str(1);
        std::replace(groesse.begin(), groesse.end(), '-', ' ');
        return Norm_setzen(z, N::ANSI) && Setze(z.Nennweite, groesse);
    }
    case Art::Klasse:
        return Norm_setzen(z, N::ANSI) && Setze(z.Druckstufe, "Class " + m.str(1));
    case Art::Profil: {
        std::string art = m.str(1);
        art = art == "u" ? "upn" : art == "i" ? "inp" : art;
        std::transform(art.begin(), art.end(), art.begin(), ::toupper);
        return Setze(z.Profil, art + " " + m.str(2));
    }
    case Art::Winkel: {
        const std::string a = Mit_Komma(m.str(1));
        const std::string b = Mit_Komma(m.str(2));
        // "L 100x10" is the equal angle 100x100x10.
        return Setze(z.Profil, m[3].matched ? "L " + a + "x" + b + "x" + Mit_Komma(m.str(3))
                                            : "L " + a + "x" + a + "x" + b);
    }
    case Art::Schraube:
        return Setze(z.Schraube, m.str(1));
    case Art::Dampf:
        return Setze(z.Dampfdruck, m.str(1));
    case Art::Temperatur:
        return Setze(z.Temperatur, m.str(1) + " \xC2\xB0"
                                              "C");
    case Art::Etage:
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
    auto pos = s.cbegin();
    while (true) {
        while (pos != s.cend() && *pos == ' ') {
            ++pos;
        }
        if (pos == s.cend()) {
            break;
        }
        bool gefunden = false;
        for (const Muster& muster : Alle_Muster()) {
            std::smatch m;
            if (std::regex_search(pos, s.cend(), m, muster.Ausdruck(),
                                  std::regex_constants::match_continuous)) {
                if (!Uebernimm(ziel, muster.Was, m)) {
                    return {std::nullopt,
                            Nicht_erkannt(eingabe) + ": widersprüchliche oder doppelte Angaben"};
                }
                pos = m[0].second;
                gefunden = etwas = true;
                break;
            }
        }
        if (!gefunden) {
            return {std::nullopt, Nicht_erkannt(eingabe)};
        }
    }
    if (!etwas) {
        return {std::nullopt, "Bitte eine Nennweite, Druckstufe, ein Profil, eine Schraube, "
                              "einen Dampfdruck oder eine Temperatur eingeben"};
    }
    return {ziel, {}};
}

} // namespace pelmark
