#include "grid/grossschreibung.h"

#include "store/utf8.h"

namespace pelmark {

namespace {

// Latin Extended-A: pairs of capital (even) and small (odd) letter, except
// the stretches U+0139..U+0148 and U+0179..U+017E where the capital is odd.
char32_t Latein_erweitert(char32_t z) {
    const bool ungerade_gross = (z >= 0x139 && z <= 0x148) || (z >= 0x179 && z <= 0x17E);
    if (ungerade_gross) {
        return z % 2 == 0 ? z - 1 : z;
    }
    if ((z >= 0x100 && z <= 0x137) || (z >= 0x14A && z <= 0x177)) {
        return z % 2 == 1 ? z - 1 : z;
    }
    return z;
}

} // namespace

char32_t Grossbuchstabe(char32_t z) {
    if (z >= U'a' && z <= U'z') {
        return z - 0x20;
    }
    if (z >= 0xE0 && z <= 0xFE && z != 0xF7) {
        return z - 0x20;
    }
    if (z == 0xFF) {
        return 0x178;
    }
    if (z >= 0x100 && z <= 0x17E) {
        return Latein_erweitert(z);
    }
    if (z >= 0x3B1 && z <= 0x3C9) {
        return z == 0x3C2 ? 0x3A3 : z - 0x20;
    }
    if (z >= 0x430 && z <= 0x44F) {
        return z - 0x20;
    }
    if (z >= 0x450 && z <= 0x45F) {
        return z - 0x50;
    }
    return z;
}

std::string Grossbuchstaben(std::string_view text) {
    std::string gross;
    gross.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            gross += b >= 'a' && b <= 'z' ? static_cast<char>(b - 0x20) : static_cast<char>(b);
            ++i;
        } else {
            const size_t anfang = i;
            const char32_t z = Naechstes_Utf8(text, i);
            if (z == Ersatzzeichen && text.substr(anfang, 3) != "\xEF\xBF\xBD") {
                // A byte that begins no valid sequence is kept as it is.
                gross += text[anfang];
                i = anfang + 1;
            } else {
                Haenge_Utf8_an(gross, Grossbuchstabe(z));
            }
        }
    }
    return gross;
}

} // namespace pelmark
