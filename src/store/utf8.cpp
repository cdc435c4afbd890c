#include "store/utf8.h"

namespace pelmark {

void Haenge_Utf8_an(std::string& ziel, char32_t z) {
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

char32_t Naechstes_Utf8(std::string_view s, size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos++]);
    if (b0 < 0x80) {
        return b0;
    }
    int folge = 0;
    char32_t z = 0;
    if ((b0 & 0xE0) == 0xC0) {
        folge = 1;
        z = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        folge = 2;
        z = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        folge = 3;
        z = b0 & 0x07;
    } else {
        return Ersatzzeichen;
    }
    for (int i = 0; i < folge; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) {
            return Ersatzzeichen;
        }
        z = (z << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    return z;
}

} // namespace pelmark
