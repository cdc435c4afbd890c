#include "store/grosszahl.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace pelmark {

namespace {

__extension__ typedef unsigned __int128 u128;

// An unsigned integer of any size, 32-bit words, the lowest first.
struct Grosszahl {
    std::vector<std::uint32_t> w;

    bool null() const { return w.empty(); }
    void kuerze() {
        while (!w.empty() && w.back() == 0) {
            w.pop_back();
        }
    }
    int bits() const {
        if (w.empty()) {
            return 0;
        }
        return static_cast<int>(w.size() - 1) * 32 + 32 - __builtin_clz(w.back());
    }
    bool bit(int i) const {
        const auto wort = static_cast<size_t>(i / 32);
        return wort < w.size() && ((w[wort] >> (i % 32)) & 1u) != 0;
    }
    void mal_plus(std::uint32_t faktor, std::uint32_t summand) {
        std::uint64_t uebertrag = summand;
        for (auto& x : w) {
            const std::uint64_t p = std::uint64_t(x) * faktor + uebertrag;
            x = static_cast<std::uint32_t>(p);
            uebertrag = p >> 32;
        }
        if (uebertrag != 0) {
            w.push_back(static_cast<std::uint32_t>(uebertrag));
        }
    }
    // Divides by d and returns the remainder.
    std::uint32_t teile(std::uint32_t d) {
        std::uint64_t rest = 0;
        for (size_t i = w.size(); i-- > 0;) {
            const std::uint64_t a = (rest << 32) | w[i];
            w[i] = static_cast<std::uint32_t>(a / d);
            rest = a % d;
        }
        kuerze();
        return static_cast<std::uint32_t>(rest);
    }
    void links(int n) {
        if (w.empty() || n == 0) {
            return;
        }
        const auto woerter = static_cast<size_t>(n / 32);
        const int rest = n % 32;
        w.insert(w.begin(), woerter, 0u);
        if (rest != 0) {
            std::uint32_t uebertrag = 0;
            for (size_t i = woerter; i < w.size(); ++i) {
                const std::uint32_t neu = (w[i] << rest) | uebertrag;
                uebertrag = w[i] >> (32 - rest);
                w[i] = neu;
            }
            if (uebertrag != 0) {
                w.push_back(uebertrag);
            }
        }
    }
    void rechts1() {
        for (size_t i = 0; i < w.size(); ++i) {
            w[i] = (w[i] >> 1) | (i + 1 < w.size() ? (w[i + 1] << 31) : 0u);
        }
        kuerze();
    }
    int vergleiche(const Grosszahl& b) const {
        if (w.size() != b.w.size()) {
            return w.size() < b.w.size() ? -1 : 1;
        }
        for (size_t i = w.size(); i-- > 0;) {
            if (w[i] != b.w[i]) {
                return w[i] < b.w[i] ? -1 : 1;
            }
        }
        return 0;
    }
    void minus(const Grosszahl& b) { // *this >= b
        std::int64_t borgen = 0;
        for (size_t i = 0; i < w.size(); ++i) {
            std::int64_t d = std::int64_t(w[i]) - borgen - (i < b.w.size() ? b.w[i] : 0);
            borgen = d < 0 ? 1 : 0;
            w[i] = static_cast<std::uint32_t>(d + (borgen << 32));
        }
        kuerze();
    }
    static Grosszahl von(std::uint64_t x) {
        Grosszahl g;
        g.w = {static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(x >> 32)};
        g.kuerze();
        return g;
    }
    static Grosszahl zehn_hoch(long n) {
        Grosszahl g = von(1);
        for (; n >= 9; n -= 9) {
            g.mal_plus(1000000000u, 0);
        }
        for (; n > 0; --n) {
            g.mal_plus(10u, 0);
        }
        return g;
    }
};

// Rounds q (with 'klebrig' for bits below it) to 64 bits, ties to even, and
// builds the value q * 2^exponent.
Extended Baue(u128 q, bool klebrig, long exponent) {
    int laenge = 0;
    for (u128 t = q; t != 0; t >>= 1) {
        ++laenge;
    }
    if (laenge > 64) {
        const int weg = laenge - 64;
        const u128 halb = u128(1) << (weg - 1);
        const u128 rest = q & ((u128(1) << weg) - 1);
        q >>= weg;
        exponent += weg;
        if (rest > halb || (rest == halb && (klebrig || (q & 1) != 0))) {
            ++q;
        }
    }
    const auto m = static_cast<std::uint64_t>(q >> (q >> 64 != 0 ? 1 : 0));
    if (q >> 64 != 0) {
        ++exponent;
    }
    // Far outside the format's range the result is infinite or zero anyway.
    exponent = std::clamp(exponent, -20000L, 20000L);
    return std::ldexp(static_cast<Extended>(m), static_cast<int>(exponent));
}

// The top bits of d / n (at least 66 of them) and whether a remainder is left.
Extended Teile_gerundet(Grosszahl d, const Grosszahl& n) {
    const int s = std::max(0, n.bits() - d.bits() + 66);
    d.links(s);
    int stelle = d.bits() - n.bits();
    Grosszahl teiler = n;
    teiler.links(stelle);
    u128 q = 0;
    for (; stelle >= 0; --stelle) {
        q <<= 1;
        if (d.vergleiche(teiler) >= 0) {
            d.minus(teiler);
            q |= 1;
        }
        teiler.rechts1();
    }
    return Baue(q, !d.null(), -s);
}

// An integer rounded to 64 bits.
Extended Obere_Bits(const Grosszahl& p) {
    const int laenge = p.bits();
    const int weg = std::max(0, laenge - 66);
    u128 q = 0;
    for (int i = laenge - 1; i >= weg; --i) {
        q = (q << 1) | (p.bit(i) ? 1 : 0);
    }
    bool klebrig = false;
    for (int i = 0; i < weg && !klebrig; ++i) {
        klebrig = p.bit(i);
    }
    return Baue(q, klebrig, weg);
}

} // namespace

std::optional<Extended> Dezimal_zu_Extended(std::string_view ziffern, long exponent10,
                                            bool negativ) {
    const auto start = std::min(ziffern.find_first_not_of('0'), ziffern.size());
    ziffern.remove_prefix(start);
    // Beyond 800 digits only whether any non-zero digit follows counts.
    bool klebrig = false;
    if (ziffern.size() > 800) {
        klebrig = ziffern.find_first_not_of('0', 800) != std::string_view::npos;
        exponent10 += static_cast<long>(ziffern.size() - 800);
        ziffern = ziffern.substr(0, 800);
    }
    const Extended vorzeichen = negativ ? -1.0L : 1.0L;
    if (ziffern.empty()) {
        return vorzeichen * 0.0L;
    }
    const long groesse = exponent10 + static_cast<long>(ziffern.size());
    if (groesse > 4934) {
        return std::nullopt;
    }
    if (groesse < -4952) {
        return vorzeichen * 0.0L;
    }
    Grosszahl d;
    for (const char c : ziffern) {
        d.mal_plus(10u, static_cast<std::uint32_t>(c - '0'));
    }
    if (klebrig) {
        d.mal_plus(10u, 1u);
        --exponent10;
    }
    Extended wert = 0;
    if (exponent10 >= 0) {
        Grosszahl n = Grosszahl::zehn_hoch(exponent10);
        Grosszahl p;
        p.w.assign(d.w.size() + n.w.size(), 0u);
        for (size_t i = 0; i < d.w.size(); ++i) {
            std::uint64_t uebertrag = 0;
            for (size_t j = 0; j < n.w.size(); ++j) {
                const std::uint64_t t = std::uint64_t(d.w[i]) * n.w[j] + p.w[i + j] + uebertrag;
                p.w[i + j] = static_cast<std::uint32_t>(t);
                uebertrag = t >> 32;
            }
            p.w[i + n.w.size()] = static_cast<std::uint32_t>(uebertrag);
        }
        p.kuerze();
        wert = Obere_Bits(p);
    } else {
        wert = Teile_gerundet(d, Grosszahl::zehn_hoch(-exponent10));
    }
    if (std::isinf(wert)) {
        return std::nullopt;
    }
    // Below the smallest normal value the reading gives zero, as the C library's does.
    if (wert < std::ldexp(1.0L, -16382)) {
        return vorzeichen * 0.0L;
    }
    return vorzeichen * wert;
}

Binaer64 Auf_64_Bit(Extended wert) {
    int exponent2 = 0;
    const Extended mantisse = std::frexp(std::fabs(wert), &exponent2);
    const Extended skaliert = std::ldexp(mantisse, 64);
    Extended ganz = std::floor(skaliert);
    const Extended rest = skaliert - ganz; // non-zero only where long double is wider
    // ganz lies below 2^64, so its lowest bit tells an odd one: the compiler
    // computes the condition ahead of the test for the middle, and fmod on a
    // wider long double is a long loop in software.
    if (rest > 0.5L || (rest == 0.5L && (static_cast<std::uint64_t>(ganz) & 1u) != 0)) {
        ganz += 1;
    }
    Binaer64 b;
    b.knapp = std::fabs(rest - 0.5L) <= std::ldexp(1.0L, -47);
    b.exponent = exponent2 - 64;
    if (ganz >= std::ldexp(1.0L, 64)) {
        ganz = std::ldexp(1.0L, 63);
        ++b.exponent;
    }
    b.mantisse = static_cast<std::uint64_t>(ganz);
    return b;
}

Exakte_Ziffern Ziffern_von(Binaer64 wert, int stellen) {
    Exakte_Ziffern z;
    Grosszahl ganz = Grosszahl::von(wert.mantisse);
    Grosszahl bruch;
    const int schieben = wert.exponent < 0 ? -wert.exponent : 0;
    if (wert.exponent >= 0) {
        ganz.links(wert.exponent);
    } else {
        // The whole part is mantisse >> schieben, the fraction its low bits.
        bruch = ganz;
        ganz = Grosszahl{};
        if (schieben < 64) {
            ganz = Grosszahl::von(wert.mantisse >> schieben);
            bruch = Grosszahl::von(wert.mantisse & ((std::uint64_t(1) << schieben) - 1));
        }
    }
    // Whole part digits, from the lowest.
    std::string rueckwaerts;
    while (!ganz.null()) {
        rueckwaerts += static_cast<char>('0' + ganz.teile(10u));
    }
    z.ziffern.assign(rueckwaerts.rbegin(), rueckwaerts.rend());
    z.dezimalexponent = static_cast<int>(z.ziffern.size()) - 1;
    // Fraction digits: times ten, the bits above 'schieben' are the digit.
    Grosszahl eins = Grosszahl::von(1);
    eins.links(schieben);
    while (static_cast<int>(z.ziffern.size()) < stellen && !bruch.null()) {
        bruch.mal_plus(10u, 0);
        std::uint32_t ziffer = 0;
        while (bruch.vergleiche(eins) >= 0) {
            bruch.minus(eins);
            ++ziffer;
        }
        if (z.ziffern.empty() && ziffer == 0) {
            --z.dezimalexponent;
            continue;
        }
        z.ziffern += static_cast<char>('0' + ziffer);
    }
    z.klebrig = !bruch.null();
    return z;
}

} // namespace pelmark
