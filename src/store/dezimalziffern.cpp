#include "store/dezimalziffern.h"

#include "store/grosszahl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pelmark {

namespace {

__extension__ typedef unsigned __int128 u128;

// Fast path for m * 2^e with -120 <= e <= 0: the exact decimal expansion
// comes from 128-bit integer steps.
bool Ziffern_schnell(Binaer64 b, int stellen, Exakte_Ziffern& z) {
    if (b.exponent > 0 || b.exponent < -120) {
        return false;
    }
    const int schieben = -b.exponent;
    const u128 maske = (u128(1) << schieben) - 1;
    std::uint64_t ganz = schieben >= 64 ? 0 : (b.mantisse >> schieben);
    u128 rest = u128(b.mantisse) & maske;
    z.dezimalexponent = -1;
    while (ganz != 0) {
        z.ziffern += static_cast<char>('0' + ganz % 10);
        ganz /= 10;
        ++z.dezimalexponent;
    }
    std::reverse(z.ziffern.begin(), z.ziffern.end());
    // Fraction digits, leading zeros skipped while nothing significant came yet.
    while (static_cast<int>(z.ziffern.size()) < stellen && rest != 0) {
        rest *= 10;
        const char ziffer = static_cast<char>('0' + static_cast<int>(rest >> schieben));
        rest &= maske;
        if (z.ziffern.empty() && ziffer == '0') {
            --z.dezimalexponent;
            continue;
        }
        z.ziffern += ziffer;
    }
    z.klebrig = rest != 0;
    return true;
}

// Rounds the exact digits to 'stellen', nearest with ties to even.
void Runde_gerade(Exakte_Ziffern& e, int stellen) {
    auto& d = e.ziffern;
    const auto n = static_cast<size_t>(stellen);
    if (d.size() <= n) {
        d.append(n - d.size(), '0');
        return;
    }
    bool klebrig = e.klebrig || d.find_first_not_of('0', n + 1) != std::string::npos;
    const char naechste = d[n];
    d.resize(n);
    const bool auf = naechste > '5' || (naechste == '5' && (klebrig || (d[n - 1] - '0') % 2 == 1));
    if (!auf) {
        return;
    }
    size_t i = n;
    for (; i > 0 && d[i - 1] == '9'; --i) {
        d[i - 1] = '0';
    }
    if (i > 0) {
        ++d[i - 1];
    } else {
        d[0] = '1';
        ++e.dezimalexponent;
    }
}

} // namespace

Dezimalziffern Zerlege(Extended wert, int stellen) {
    Dezimalziffern z;
    z.negativ = std::signbit(wert);
    if (wert == 0) {
        z.ziffern.assign(static_cast<size_t>(stellen), '0');
        return z;
    }
    const Binaer64 b = Auf_64_Bit(wert);
    Exakte_Ziffern e;
    if (!Ziffern_schnell(b, stellen + 1, e)) {
        e = Ziffern_von(b, stellen + 1);
    }
    Runde_gerade(e, stellen);
    z.ziffern = std::move(e.ziffern);
    z.exponent = e.dezimalexponent;
    return z;
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
