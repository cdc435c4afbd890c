#include "store/dezimalziffern.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace pelmark {

namespace {

__extension__ typedef unsigned __int128 u128;

bool Ist_Ziffer(char c) {
    return c >= '0' && c <= '9';
}

// General path: the library's exact conversion.
Dezimalziffern Zerlege_allgemein(Extended wert, int stellen) {
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert,
                                              std::chars_format::scientific, stellen - 1);
    (void)fehler;
    Dezimalziffern z;
    const char* p = puffer;
    if (*p == '-') {
        z.negativ = true;
        ++p;
    }
    for (; p < ende && *p != 'e'; ++p) {
        if (Ist_Ziffer(*p)) {
            z.ziffern += *p;
        }
    }
    if (p < ende) {
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), ende, z.exponent);
    }
    return z;
}

// Fast path for values m * 2^e with a 64-bit m and -120 <= e <= 0: the exact
// decimal expansion comes from 128-bit integer steps.
bool Zerlege_schnell(Extended wert, int stellen, Dezimalziffern& z) {
    int exponent2 = 0;
    const Extended mantisse = std::frexp(std::fabs(wert), &exponent2);
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantisse, 64));
    const int e = exponent2 - 64;
    if (e > 0 || e < -120 || m == 0) {
        return false;
    }
    const int schieben = -e;
    const u128 maske = (u128(1) << schieben) - 1;
    const std::uint64_t ganz = schieben >= 64 ? 0 : (m >> schieben);
    u128 rest = u128(m) & maske;

    char puffer[40];
    int laenge = 0;
    int dezimalexponent = -1;
    if (ganz != 0) {
        const auto [ende, fehler] = std::to_chars(puffer, puffer + 20, ganz);
        (void)fehler;
        laenge = static_cast<int>(ende - puffer);
        dezimalexponent = laenge - 1;
    }
    // Fraction digits, leading zeros skipped while nothing significant came yet.
    while (laenge < stellen + 1 && rest != 0) {
        rest *= 10;
        const char ziffer = static_cast<char>('0' + static_cast<int>(rest >> schieben));
        rest &= maske;
        if (laenge == 0 && ziffer == '0') {
            --dezimalexponent;
            continue;
        }
        puffer[laenge++] = ziffer;
    }
    bool klebrig = rest != 0;
    // Round to 'stellen' digits, nearest with ties to even.
    if (laenge > stellen) {
        for (int i = stellen + 1; i < laenge; ++i) {
            klebrig = klebrig || puffer[i] != '0';
        }
        const char naechste = puffer[stellen];
        laenge = stellen;
        const bool auf = naechste > '5' ||
                         (naechste == '5' && (klebrig || (puffer[stellen - 1] - '0') % 2 == 1));
        if (auf) {
            int i = laenge - 1;
            for (; i >= 0 && puffer[i] == '9'; --i) {
                puffer[i] = '0';
            }
            if (i >= 0) {
                ++puffer[i];
            } else {
                puffer[0] = '1';
                ++dezimalexponent;
            }
        }
    }
    z.negativ = std::signbit(wert);
    z.ziffern.assign(puffer, static_cast<size_t>(laenge));
    z.ziffern.append(static_cast<size_t>(stellen - laenge), '0');
    z.exponent = dezimalexponent;
    return true;
}

} // namespace

Dezimalziffern Zerlege(Extended wert, int stellen) {
    Dezimalziffern z;
    if (wert != 0 && Zerlege_schnell(wert, stellen, z)) {
        return z;
    }
    return Zerlege_allgemein(wert, stellen);
}

void Runde_auf(Dezimalziffern& z, int anzahl) {
    if (anzahl < 0) {
        z.ziffern.clear();
        return;
    }
    if (anzahl >= static_cast<int>(z.ziffern.size())) {
        z.ziffern.append(static_cast<size_t>(anzahl) - z.ziffern.size(), '0');
        return;
    }
    const bool auf = z.ziffern[static_cast<size_t>(anzahl)] >= '5';
    z.ziffern.resize(static_cast<size_t>(anzahl));
    if (!auf) {
        return;
    }
    int i = anzahl - 1;
    for (; i >= 0 && z.ziffern[static_cast<size_t>(i)] == '9'; --i) {
        z.ziffern[static_cast<size_t>(i)] = '0';
    }
    if (i >= 0) {
        ++z.ziffern[static_cast<size_t>(i)];
    } else {
        z.ziffern.insert(z.ziffern.begin(), '1');
        ++z.exponent;
    }
}

} // namespace pelmark
