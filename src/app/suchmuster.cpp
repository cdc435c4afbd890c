// Each part is read by hand, a character at a time: a numbers-and-units
// grammar this small needs no regular expressions, and those cost the browser
// edition a noticeable part of its first search.
#include "app/suchmuster.h"

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace pelmark {

namespace {

bool Ziffer(char c) {
    return c >= '0' && c <= '9';
}

bool Buchstabe(char c) {
    return c >= 'a' && c <= 'z';
}

bool Leer(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A position in the input; every step either moves on or leaves it as it was.
struct Leser {
    std::string_view text;
    std::size_t pos = 0;

    char Zeichen(std::size_t voraus = 0) const {
        return pos + voraus < text.size() ? text[pos + voraus] : '\0';
    }
    bool Wort(std::string_view wort) {
        if (text.substr(pos).starts_with(wort)) {
            pos += wort.size();
            return true;
        }
        return false;
    }
    // The word with no letter right after it.
    bool Wort_allein(std::string_view wort) {
        if (text.substr(pos).starts_with(wort) && !Buchstabe(Zeichen(wort.size()))) {
            pos += wort.size();
            return true;
        }
        return false;
    }
    bool Eines_von(std::initializer_list<std::string_view> woerter) {
        for (std::string_view wort : woerter) {
            if (Wort(wort)) {
                return true;
            }
        }
        return false;
    }
    void Leerraum() {
        while (Leer(Zeichen())) {
            ++pos;
        }
    }
    // One or more digits.
    bool Ziffern(std::string& teil) {
        const std::size_t anfang = pos;
        while (Ziffer(Zeichen())) {
            ++pos;
        }
        teil = text.substr(anfang, pos - anfang);
        return pos > anfang;
    }
    // Digits with a decimal point or comma and more digits, or without.
    bool Zahl(std::string& teil) {
        const std::size_t anfang = pos;
        if (!Ziffern(teil)) {
            return false;
        }
        if ((Zeichen() == '.' || Zeichen() == ',') && Ziffer(Zeichen(1))) {
            ++pos;
            Ziffern(teil);
        }
        teil = text.substr(anfang, pos - anfang);
        return true;
    }
    bool Ende_des_Worts() const { return !Buchstabe(Zeichen()); }
    bool Ende_von_Wort_und_Zahl() const { return !Buchstabe(Zeichen()) && !Ziffer(Zeichen()); }
    bool Mal() { return Eines_von({"x", "*", "\xC3\x97"}); }
};

using Muster = std::function<bool(Leser&, Suchteil&)>;

// "dn 150", "pn 40", "m 20": a word, blanks and a number.
Muster Wort_und_Ziffern(std::string_view wort, bool frei_dahinter) {
    return [wort, frei_dahinter](Leser& l, Suchteil& t) {
        if (!l.Wort(wort)) {
            return false;
        }
        l.Leerraum();
        return l.Ziffern(t.Teile[0]) && (!frei_dahinter || l.Ende_von_Wort_und_Zahl());
    };
}

// "6", "1 1/2", "1-1/2": a whole number, with a fraction after it where asked.
bool Zollmass(Leser& l, std::string& teil, bool mit_bruch_teil) {
    const std::size_t anfang = l.pos;
    if (!l.Ziffern(teil)) {
        return false;
    }
    if (mit_bruch_teil && (l.Zeichen() == ' ' || l.Zeichen() == '-') && Ziffer(l.Zeichen(1)) &&
        l.Zeichen(2) == '/' && Ziffer(l.Zeichen(3))) {
        l.pos += 4;
    }
    teil = l.text.substr(anfang, l.pos - anfang);
    return true;
}

bool Nps(Leser& l, Suchteil& t) {
    if (!l.Wort("nps")) {
        return false;
    }
    l.Leerraum();
    if (!Zollmass(l, t.Teile[0], true)) {
        return false;
    }
    l.Leerraum();
    l.Wort("\"");
    return true;
}

bool Klasse(Leser& l, Suchteil& t) {
    const Leser anfang = l;
    for (std::string_view wort : {"class", "cl.", "cl"}) {
        l = anfang;
        if (l.Wort(wort)) {
            l.Leerraum();
            if (l.Ziffern(t.Teile[0])) {
                return true;
            }
        }
    }
    return false;
}

bool Pfund(Leser& l, Suchteil& t) {
    if (!l.Ziffern(t.Teile[0])) {
        return false;
    }
    l.Leerraum();
    if (l.Wort("#")) {
        return l.Ende_des_Worts();
    }
    if (!l.Wort("lb")) {
        return false;
    }
    l.Wort("s");
    return l.Ende_des_Worts();
}

bool Dampf_vorweg(Leser& l) {
    l.Wort("satt");
    return l.Wort("dampf");
}

bool Dampf_in_bar(Leser& l, Suchteil& t) {
    const Leser anfang = l;
    if (Dampf_vorweg(l)) {
        l.Leerraum();
    } else {
        l = anfang;
    }
    if (!l.Zahl(t.Teile[0])) {
        return false;
    }
    l.Leerraum();
    return l.Wort("bar") && l.Ende_des_Worts();
}

bool Dampf(Leser& l, Suchteil& t) {
    if (!Dampf_vorweg(l)) {
        return false;
    }
    l.Leerraum();
    return l.Zahl(t.Teile[0]);
}

bool Temperatur(Leser& l, Suchteil& t) {
    if (!l.Ziffern(t.Teile[0])) {
        return false;
    }
    l.Leerraum();
    if (l.Wort("\xC2\xB0")) {
        l.Leerraum();
        l.Wort("c");
        return true;
    }
    return l.Wort("grad") && l.Ende_des_Worts();
}

// Inches with their unit: 6", 4 zoll, 2 in, 1/2".
bool Zoll(Leser& l, Suchteil& t) {
    const Leser anfang = l;
    const auto einheit = [&l] {
        l.Leerraum();
        return l.Wort("\"") || l.Wort_allein("zoll") || l.Wort_allein("in");
    };
    for (const bool mit_bruch_teil : {true, false}) {
        l = anfang;
        if (Zollmass(l, t.Teile[0], mit_bruch_teil) && einheit()) {
            return true;
        }
    }
    l = anfang;
    if (Ziffer(l.Zeichen()) && l.Zeichen(1) == '/' && Ziffer(l.Zeichen(2))) {
        t.Teile[0] = l.text.substr(l.pos, 3);
        l.pos += 3;
        return einheit();
    }
    return false;
}

bool Winkel(Leser& l, Suchteil& t) {
    if (!l.Wort("l")) {
        return false;
    }
    l.Leerraum();
    if (!l.Zahl(t.Teile[0])) {
        return false;
    }
    l.Leerraum();
    if (!l.Mal()) {
        return false;
    }
    l.Leerraum();
    if (!l.Zahl(t.Teile[1])) {
        return false;
    }
    Leser weiter = l;
    weiter.Leerraum();
    if (weiter.Mal()) {
        weiter.Leerraum();
        if (weiter.Zahl(t.Teile[2])) {
            l = weiter;
            t.Drei_Masse = true;
        }
    }
    return true;
}

bool Profil(Leser& l, Suchteil& t) {
    const Leser anfang = l;
    for (std::string_view art : {"ipe", "hea", "heb", "hem", "upn", "inp", "u", "i", "t"}) {
        l = anfang;
        if (l.Wort(art)) {
            l.Leerraum();
            if (l.Ziffern(t.Teile[1]) && l.Ende_von_Wort_und_Zahl()) {
                t.Teile[0] = art;
                return true;
            }
        }
    }
    return false;
}

bool Etage(Leser& l, Suchteil&) {
    l.Wort("raum");
    return l.Wort("etage") && l.Ende_des_Worts();
}

} // namespace

std::optional<Suchteil> Lies_Suchteil(std::string_view rest) {
    static const std::vector<std::pair<Suchart, Muster>> muster = {
        {Suchart::DN, Wort_und_Ziffern("dn", false)},
        {Suchart::PN, Wort_und_Ziffern("pn", false)},
        {Suchart::NPS, Nps},
        {Suchart::Klasse, Klasse},
        {Suchart::Klasse, Pfund},
        {Suchart::Dampf, Dampf_in_bar},
        {Suchart::Dampf, Dampf},
        {Suchart::Temperatur, Temperatur},
        {Suchart::NPS, Zoll},
        {Suchart::Winkel, Winkel},
        {Suchart::Profil, Profil},
        {Suchart::Schraube, Wort_und_Ziffern("m", true)},
        {Suchart::Etage, Etage},
    };
    for (const auto& [art, lies] : muster) {
        Leser l{rest};
        Suchteil t;
        t.Art = art;
        if (lies(l, t)) {
            t.Laenge = l.pos;
            return t;
        }
    }
    return std::nullopt;
}

} // namespace pelmark
