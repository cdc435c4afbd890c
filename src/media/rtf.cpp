#include "media/rtf.h"

#include "store/textdatei.h"
#include "store/utf8.h"

#include <cctype>
#include <charconv>

namespace pelmark {

namespace {

bool Ist_Ziel(std::string_view wort) {
    static constexpr std::string_view ziele[] = {
        "fonttbl", "colortbl",  "stylesheet",        "info",    "pict",      "header",
        "footer",  "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl"};
    for (auto z : ziele) {
        if (wort == z) {
            return true;
        }
    }
    return false;
}

struct Leser {
    std::string_view rtf;
    size_t pos = 0;
    std::vector<std::string> absaetze{std::string()};
    std::vector<bool> stapel{false}; // per group: skipped
    int ueberspringen = 0;           // characters to skip after \uN
    int uc = 1;

    bool Verborgen() const { return stapel.back(); }
    void Text(char32_t z) {
        if (Verborgen()) {
            return;
        }
        if (ueberspringen > 0) {
            --ueberspringen;
            return;
        }
        Haenge_Utf8_an(absaetze.back(), z);
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
        if (Ist_Ziel(wort)) {
            stapel.back() = true;
        } else if (wort == "par" || wort == "line") {
            if (!Verborgen()) {
                absaetze.emplace_back();
            }
        } else if (wort == "tab" || wort == "cell") {
            Text('\t');
        } else if (wort == "row") {
            if (!Verborgen()) {
                absaetze.emplace_back();
            }
        } else if (wort == "uc" && hat_zahl) {
            uc = zahl;
        } else if (wort == "u" && hat_zahl) {
            Text(static_cast<char32_t>(zahl < 0 ? zahl + 65536 : zahl));
            ueberspringen = uc;
        }
    }

    void Steuerzeichen() {
        const char c = rtf[pos++];
        if (c == '\'' && pos + 2 <= rtf.size()) {
            int code = 0;
            std::from_chars(rtf.data() + pos, rtf.data() + pos + 2, code, 16);
            pos += 2;
            const std::string zeichen =
                Windows1252_zu_Utf8(std::string(1, static_cast<char>(code)));
            if (!Verborgen() && ueberspringen == 0) {
                absaetze.back() += zeichen;
            } else if (ueberspringen > 0) {
                --ueberspringen;
            }
        } else if (c == '*') {
            stapel.back() = true;
        } else if (c == '\\' || c == '{' || c == '}') {
            Text(static_cast<unsigned char>(c));
        } else if (c == '~') {
            Text(0xA0);
        } else if (c == '\n' || c == '\r') {
            if (!Verborgen()) {
                absaetze.emplace_back();
            }
        }
    }

    void Lies() {
        while (pos < rtf.size()) {
            const char c = rtf[pos];
            if (c == '{') {
                stapel.push_back(Verborgen());
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

std::vector<std::string> Rtf_Absaetze(std::string_view rtf) {
    if (rtf.substr(0, 5) != "{\\rtf") {
        // Not rich text: the plain lines.
        return Teile_Zeilen(Dekodiere_Text(rtf));
    }
    Leser leser{rtf};
    leser.Lies();
    auto& a = leser.absaetze;
    while (!a.empty() && a.back().empty()) {
        a.pop_back();
    }
    return a;
}

} // namespace pelmark
