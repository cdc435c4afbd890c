#include "grid/grossschreibung.h"

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

void Schreibe_Utf8(std::string& ziel, char32_t z) {
    if (z < 0x80) {
        ziel += static_cast<char>(z);
    } else if (z < 0x800) {
        ziel += static_cast<char>(0xC0 | (z >> 6));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        ziel += static_cast<char>(0xE0 | (z >> 12));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (z >> 18));
        ziel += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    }
}

// Length of the UTF-8 sequence at text[i] and its character, or 0 when the
// bytes form no valid sequence.
size_t Lies_Utf8(std::string_view text, size_t i, char32_t& z) {
    const auto b = static_cast<unsigned char>(text[i]);
    const size_t laenge = b < 0x80             ? 1
                          : (b & 0xE0) == 0xC0 ? 2
                          : (b & 0xF0) == 0xE0 ? 3
                          : (b & 0xF8) == 0xF0 ? 4
                                               : 0;
    if (laenge == 0 || i + laenge > text.size()) {
        return 0;
    }
    z = laenge == 1 ? b : b & (0x7F >> laenge);
    for (size_t k = 1; k < laenge; ++k) {
        const auto f = static_cast<unsigned char>(text[i + k]);
        if ((f & 0xC0) != 0x80) {
            return 0;
        }
        z = (z << 6) | (f & 0x3F);
    }
    return laenge;
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
        char32_t z = 0;
        const size_t laenge = Lies_Utf8(text, i, z);
        if (laenge == 0) {
            gross += text[i++];
            continue;
        }
        if (laenge == 1) {
            gross += z >= U'a' && z <= U'z' ? static_cast<char>(z - 0x20) : static_cast<char>(z);
        } else {
            Schreibe_Utf8(gross, Grossbuchstabe(z));
        }
        i += laenge;
    }
    return gross;
}

} // namespace pelmark
