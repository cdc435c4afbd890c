#include "media/rtf.h"

#include "media/rtf_html.h"
#include "store/textdatei.h"
#include "store/utf8.h"

#include <cctype>
#include <charconv>

namespace pelmark {

namespace {

bool Ist_Ziel(std::string_view wort) {
    static constexpr std::string_view ziele[] = {
        "colortbl",  "stylesheet",        "info",    "pict",      "header",  "footer",
        "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl"};
    for (auto z : ziele) {
        if (wort == z) {
            return true;
        }
    }
    return false;
}

// Per group: skipped, inside the font table, and the character format.
struct Gruppe {
    bool Verborgen = false;
    bool Schrifttabelle = false;
    Zeichenformat Format;
};

struct Leser {
    explicit Leser(std::string_view text) : rtf(text) {}

    std::string_view rtf;
    size_t pos = 0;
    std::vector<std::string> absaetze{std::string()};
    std::vector<Gruppe> stapel{Gruppe{}};
    Html_Schreiber html;
    int ueberspringen = 0; // characters to skip after \uN
    int uc = 1;
    int schrift_nummer = 0; // the font being declared in the font table

    Gruppe& Oben() { return stapel.back(); }
    bool Verborgen() const { return stapel.back().Verborgen || stapel.back().Schrifttabelle; }

    void Zeichen(const std::string& utf8) {
        if (Oben().Schrifttabelle) {
            html.Schriftname(schrift_nummer, utf8);
            return;
        }
        if (Verborgen()) {
            return;
        }
        if (ueberspringen > 0) {
            --ueberspringen;
            return;
        }
        absaetze.back() += utf8;
        html.Text(utf8, Oben().Format);
    }
    void Text(char32_t z) {
        std::string utf8;
        Haenge_Utf8_an(utf8, z);
        Zeichen(utf8);
    }
    void Absatzende() {
        if (!Verborgen()) {
            absaetze.emplace_back();
            html.Absatzende();
        }
    }

    bool Zeichenformat_setzen(std::string_view wort, bool hat_zahl, int zahl) {
        Zeichenformat& f = Oben().Format;
        const bool an = !hat_zahl || zahl != 0;
        if (wort == "b") {
            f.Fett = an;
        } else if (wort == "i") {
            f.Kursiv = an;
        } else if (wort == "ul") {
            f.Unterstrichen = an;
        } else if (wort == "ulnone") {
            f.Unterstrichen = false;
        } else if (wort == "fs" && hat_zahl) {
            f.Halbpunkte = zahl;
        } else if (wort == "f" && hat_zahl) {
            if (Oben().Schrifttabelle) {
                schrift_nummer = zahl;
            } else {
                f.Schrift = zahl;
            }
        } else if (wort == "plain") {
            f = Zeichenformat{};
        } else {
            return false;
        }
        return true;
    }

    bool Absatzformat_setzen(std::string_view wort, bool hat_zahl, int zahl) {
        Absatzformat& a = html.Absatz;
        if (wort == "pard") {
            a = Absatzformat{};
        } else if (wort == "li" && hat_zahl) {
            a.Links = zahl;
        } else if (wort == "fi" && hat_zahl) {
            a.Erste = zahl;
        } else if (wort == "sa" && hat_zahl) {
            a.Danach = zahl;
        } else if (wort == "qc") {
            a.Zentriert = true;
        } else if (wort == "intbl") {
            a.In_Tabelle = true;
        } else {
            return false;
        }
        return true;
    }

    void Steuerwort() {
        const size_t anfang = pos;
        while (pos < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[pos]))) {
            ++pos;
        }
        const std::string_view wort = rtf.substr(anfang, pos - anfang);
        int zahl = 0;
        bool hat_zahl = false;
        if (pos < rtf.size() &&
            (rtf[pos] == '-' || std::isdigit(static_cast<unsigned char>(rtf[pos])))) {
            const auto [ende, fehler] =
                std::from_chars(rtf.data() + pos, rtf.data() + rtf.size(), zahl);
            hat_zahl = fehler == std::errc();
            pos = static_cast<size_t>(ende - rtf.data());
        }
        if (pos < rtf.size() && rtf[pos] == ' ') {
            ++pos;
        }
        Wort_ausfuehren(wort, hat_zahl, zahl);
    }

    void Wort_ausfuehren(std::string_view wort, bool hat_zahl, int zahl) {
        if (Ist_Ziel(wort)) {
            Oben().Verborgen = true;
        } else if (wort == "fonttbl") {
            Oben().Schrifttabelle = true;
        } else if (wort == "fmodern" && Oben().Schrifttabelle) {
            html.Feste_Schrift(schrift_nummer);
        } else if (wort == "par" || wort == "line") {
            Absatzende();
        } else if (wort == "tab") {
            Text('\t');
        } else if (wort == "cell") {
            if (!Verborgen()) {
                absaetze.back() += '\t';
                html.Zellenende();
            }
        } else if (wort == "row") {
            if (!Verborgen()) {
                absaetze.emplace_back();
                html.Zeilenende();
            }
        } else if (wort == "uc" && hat_zahl) {
            uc = zahl;
        } else if (wort == "u" && hat_zahl) {
            Text(static_cast<char32_t>(zahl < 0 ? zahl + 65536 : zahl));
            ueberspringen = uc;
        } else if (!Zeichenformat_setzen(wort, hat_zahl, zahl)) {
            Absatzformat_setzen(wort, hat_zahl, zahl);
        }
    }

    void Steuerzeichen() {
        const char c = rtf[pos++];
        if (c == '\'' && pos + 2 <= rtf.size()) {
            int code = 0;
            std::from_chars(rtf.data() + pos, rtf.data() + pos + 2, code, 16);
            pos += 2;
            Zeichen(Windows1252_zu_Utf8(std::string(1, static_cast<char>(code))));
        } else if (c == '*') {
            Oben().Verborgen = true;
        } else if (c == '\\' || c == '{' || c == '}') {
            Text(static_cast<unsigned char>(c));
        } else if (c == '~') {
            Text(0xA0);
        } else if (c == '\n' || c == '\r') {
            Absatzende();
        }
    }

    void Lies() {
        while (pos < rtf.size()) {
            const char c = rtf[pos];
            if (c == '{') {
                stapel.push_back(stapel.back());
                ++pos;
            } else if (c == '}') {
                if (stapel.size() > 1) {
                    stapel.pop_back();
                }
                ++pos;
            } else if (c == '\\') {
                ++pos;
                if (pos < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[pos]))) {
                    Steuerwort();
                } else if (pos < rtf.size()) {
                    Steuerzeichen();
                }
            } else if (c == '\r' || c == '\n') {
                ++pos;
            } else {
                Text(static_cast<unsigned char>(c));
                ++pos;
            }
        }
    }
};

} // namespace

Rtf_Dokument Rtf_lesen(std::string_view rtf) {
    Rtf_Dokument dokument;
    if (rtf.substr(0, 5) != "{\\rtf") {
        // Not rich text: the plain lines.
        dokument.Absaetze = Teile_Zeilen(Dekodiere_Text(rtf));
        dokument.Html = Html_aus_Zeilen(dokument.Absaetze);
        return dokument;
    }
    Leser leser{rtf};
    leser.Lies();
    auto& a = leser.absaetze;
    while (!a.empty() && a.back().empty()) {
        a.pop_back();
    }
    dokument.Absaetze = std::move(a);
    dokument.Html = leser.html.Ergebnis();
    return dokument;
}

std::vector<std::string> Rtf_Absaetze(std::string_view rtf) {
    return Rtf_lesen(rtf).Absaetze;
}

} // namespace pelmark
