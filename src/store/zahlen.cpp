#include "store/zahlen.h"

#include "store/dezimalziffern.h"
#include "store/fehler.h"
#include "store/grosszahl.h"
#include "store/kuerzeste_form.h"
#include "store/text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelmark {

namespace {

bool Ist_Ziffer(char c) {
    return c >= '0' && c <= '9';
}

// Checks the number syntax at s (sign, digits, separator, fraction, exponent)
// and copies it into puffer with "." as separator and without a "+" sign.
// Returns the position after the number, or npos when there is no number.
size_t Zahlsyntax(std::string_view s, size_t pos, char dezimal, std::string& puffer) {
    puffer.clear();
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        if (s[pos] == '-') {
            puffer += '-';
        }
        ++pos;
    }
    int ziffern = 0;
    for (; pos < s.size() && Ist_Ziffer(s[pos]); ++pos, ++ziffern) {
        puffer += s[pos];
    }
    if (pos < s.size() && s[pos] == dezimal) {
        puffer += '.';
        for (++pos; pos < s.size() && Ist_Ziffer(s[pos]); ++pos, ++ziffern) {
            puffer += s[pos];
        }
    }
    if (ziffern == 0) {
        return std::string_view::npos;
    }
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        puffer += 'e';
        ++pos;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
            puffer += s[pos++];
        }
        if (pos >= s.size() || !Ist_Ziffer(s[pos])) {
            return std::string_view::npos;
        }
        for (; pos < s.size() && Ist_Ziffer(s[pos]); ++pos) {
            puffer += s[pos];
        }
    }
    return pos;
}

// A value of at most 19 digits times an exact power of ten is one correctly
// rounded step. Where long double is wider than the extended format, that
// result is rounded again to 64 bits, which gives the nearest 64-bit value
// unless it lay right at the middle between two (then the exact way decides).
std::optional<Extended> Wandle_schnell(std::string_view ziffern, long exponent10, bool negativ) {
    if (ziffern.size() > 19 || exponent10 < -27 || exponent10 > 27) {
        return std::nullopt;
    }
    std::uint64_t d = 0;
    for (const char c : ziffern) {
        d = d * 10 + static_cast<std::uint64_t>(c - '0');
    }
    Extended p = 1;
    for (long i = exponent10 < 0 ? -exponent10 : exponent10; i > 0; --i) {
        p *= 10;
    }
    Extended betrag = exponent10 < 0 ? static_cast<Extended>(d) / p : static_cast<Extended>(d) * p;
    if (std::numeric_limits<Extended>::digits != 64 && betrag != 0) {
        const Binaer64 b = Auf_64_Bit(betrag);
        if (b.knapp) {
            return std::nullopt;
        }
        betrag = std::ldexp(static_cast<Extended>(b.mantisse), b.exponent);
    }
    return negativ ? -betrag : betrag;
}

// The text Zahlsyntax wrote, as the nearest extended value. Too small to
// hold is zero; too large is no number the program can use.
std::optional<Extended> Wandle(const std::string& puffer) {
    std::string_view s = puffer;
    const bool negativ = !s.empty() && s.front() == '-';
    if (negativ) {
        s.remove_prefix(1);
    }
    const auto e = s.find('e');
    long exponent10 = 0;
    if (e != std::string_view::npos) {
        std::string_view ex = s.substr(e + 1);
        const bool minus = !ex.empty() && ex.front() == '-';
        if (!ex.empty() && (ex.front() == '-' || ex.front() == '+')) {
            ex.remove_prefix(1);
        }
        for (const char c : ex) {
            exponent10 = std::min(exponent10 * 10 + (c - '0'), 100000000L);
        }
        exponent10 = minus ? -exponent10 : exponent10;
        s = s.substr(0, e);
    }
    std::string ziffern;
    ziffern.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '.') {
            exponent10 -= static_cast<long>(s.size() - 1 - i);
        } else {
            ziffern += s[i];
        }
    }
    // Trailing zeros only scale.
    while (ziffern.size() > 1 && ziffern.back() == '0') {
        ziffern.pop_back();
        ++exponent10;
    }
    const auto start = std::min(ziffern.find_first_not_of('0'), ziffern.size());
    const std::string_view bedeutend = std::string_view(ziffern).substr(start);
    if (auto wert = Wandle_schnell(bedeutend, exponent10, negativ)) {
        return wert;
    }
    return Dezimal_zu_Extended(bedeutend, exponent10, negativ);
}

size_t Ueberspringe_Leerzeichen(std::string_view s, size_t pos) {
    while (pos < s.size() && s[pos] == ' ') {
        ++pos;
    }
    return pos;
}

bool Alles_null(const std::string& ziffern) {
    return ziffern.find_first_not_of('0') == std::string::npos;
}

std::string Nicht_endlich(Extended wert) {
    if (std::isnan(wert)) {
        return "NAN";
    }
    return wert < 0 ? "-INF" : "INF";
}

// Writes digits (leading digit at decimal exponent 'exponent') with exactly
// 'stellen' decimals; the digits must reach that far.
std::string Setze_Festkomma(const Dezimalziffern& z, int stellen, char dezimal) {
    const int vorkomma = z.exponent + 1;
    std::string ganz;
    std::string bruch;
    if (vorkomma <= 0) {
        ganz = "0";
        bruch = std::string(static_cast<size_t>(-vorkomma), '0') + z.ziffern;
    } else {
        ganz = z.ziffern.substr(0, static_cast<size_t>(vorkomma));
        ganz.append(static_cast<size_t>(vorkomma) - ganz.size(), '0');
        if (static_cast<int>(z.ziffern.size()) > vorkomma) {
            bruch = z.ziffern.substr(static_cast<size_t>(vorkomma));
        }
    }
    bruch.resize(static_cast<size_t>(stellen), '0');
    std::string text;
    text.reserve(ganz.size() + bruch.size() + 2);
    if (z.negativ && !(Alles_null(ganz) && Alles_null(bruch))) {
        text.push_back('-');
    }
    text.append(ganz);
    if (stellen > 0) {
        text += dezimal;
        text += bruch;
    }
    return text;
}

// d,ddddE+x: the digits as mantissa, exponent without leading zeros.
std::string Setze_Exponent(const Dezimalziffern& z, char dezimal, bool mit_plus) {
    std::string text(z.negativ ? 1 : 0, '-');
    text += z.ziffern.empty() ? '0' : z.ziffern[0];
    if (z.ziffern.size() > 1) {
        text += dezimal;
        text += z.ziffern.substr(1);
    }
    text += 'E';
    if (z.exponent < 0) {
        text += '-';
    } else if (mit_plus) {
        text += '+';
    }
    text += std::to_string(std::abs(z.exponent));
    return text;
}

void Streiche_Endnullen(std::string& ziffern) {
    while (ziffern.size() > 1 && ziffern.back() == '0') {
        ziffern.pop_back();
    }
}

} // namespace

std::optional<Extended> Lies_Zahl_Punkt(std::string_view text) {
    std::string puffer;
    const size_t ende = Zahlsyntax(text, Ueberspringe_Leerzeichen(text, 0), '.', puffer);
    if (ende != text.size()) {
        return std::nullopt;
    }
    return Wandle(puffer);
}

std::optional<Extended> Lies_Zahl_streng(std::string_view text) {
    return Lies_Zahl_Punkt(Komma_zu_Punkt(text));
}

Extended Zelle_zu_Zahl(std::string_view text, char dezimal) {
    std::string puffer;
    size_t ende = Zahlsyntax(text, Ueberspringe_Leerzeichen(text, 0), dezimal, puffer);
    if (ende != std::string_view::npos) {
        ende = Ueberspringe_Leerzeichen(text, ende);
    }
    std::optional<Extended> wert;
    if (ende == text.size()) {
        wert = Wandle(puffer);
    }
    if (!wert) {
        throw Fehler(meldung::Kein_Gleitkommawert(std::string(text)));
    }
    return *wert;
}

std::optional<std::int32_t> Lies_Ganzzahl(std::string_view text) {
    size_t pos = Ueberspringe_Leerzeichen(text, 0);
    bool negativ = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negativ = text[pos++] == '-';
    }
    int basis = 10;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        basis = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        basis = 16;
        pos += 2;
    }
    if (pos >= text.size()) {
        return std::nullopt;
    }
    std::uint64_t wert = 0;
    for (; pos < text.size(); ++pos) {
        int ziffer = 0;
        const char c = text[pos];
        if (Ist_Ziffer(c)) {
            ziffer = c - '0';
        } else if (basis == 16 && c >= 'a' && c <= 'f') {
            ziffer = c - 'a' + 10;
        } else if (basis == 16 && c >= 'A' && c <= 'F') {
            ziffer = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        wert = wert * static_cast<std::uint64_t>(basis) + static_cast<std::uint64_t>(ziffer);
        if (wert > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    if (basis == 16) {
        // Hexadecimal covers the full 32 bits, as two's complement.
        const auto bits = static_cast<std::uint32_t>(wert);
        const auto vorzeichenlos = static_cast<std::int64_t>(static_cast<std::int32_t>(bits));
        return static_cast<std::int32_t>(negativ ? -vorzeichenlos : vorzeichenlos);
    }
    const std::int64_t mit_vorzeichen =
        negativ ? -static_cast<std::int64_t>(wert) : static_cast<std::int64_t>(wert);
    if (mit_vorzeichen < std::numeric_limits<std::int32_t>::min() ||
        mit_vorzeichen > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(mit_vorzeichen);
}

std::string Festkomma(Extended wert, int stellen, char dezimal) {
    if (!std::isfinite(wert)) {
        return Nicht_endlich(wert);
    }
    Dezimalziffern z = Zerlege(wert, 18);
    Runde_auf(z, z.exponent + 1 + stellen);
    return Setze_Festkomma(z, stellen, dezimal);
}

std::string Allgemein(Extended wert, char dezimal) {
    if (!std::isfinite(wert)) {
        return Nicht_endlich(wert);
    }
    if (wert == 0) {
        return "0";
    }
    Dezimalziffern z = Zerlege(wert, 18);
    Runde_auf(z, 15);
    Streiche_Endnullen(z.ziffern);
    if (z.exponent >= 15 || z.exponent < -4) {
        return Setze_Exponent(z, dezimal, false);
    }
    const int nachkomma = std::max(0, static_cast<int>(z.ziffern.size()) - (z.exponent + 1));
    return Setze_Festkomma(z, nachkomma, dezimal);
}

std::string Fuenfstellig(Extended wert, char dezimal) {
    if (!std::isfinite(wert)) {
        return Nicht_endlich(wert);
    }
    Dezimalziffern z = Zerlege(wert, 18);
    Runde_auf(z, 5);
    if (wert < 0.000001L || wert > 1000000.0L) {
        return Setze_Exponent(z, dezimal, true);
    }
    if (z.exponent + 1 > 5) {
        Streiche_Endnullen(z.ziffern);
        return Setze_Exponent(z, dezimal, true);
    }
    Runde_auf(z, z.exponent + 1 + 5);
    return Setze_Festkomma(z, 5, dezimal);
}

std::string Kurzform(double wert) {
    return Kuerzeste_Form(wert);
}

} // namespace pelmark
