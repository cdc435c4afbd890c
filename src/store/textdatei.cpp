#include "store/textdatei.h"

#include "store/fehler.h"
#include "store/utf8.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmark {

namespace {

// Windows-1252 0x80..0x9F; the five undefined codes map to the C1 controls.
constexpr std::array<char32_t, 32> cp1252_hoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the run of plain ASCII bytes from pos on.
size_t Ascii_lauf(std::string_view s, size_t pos) {
    size_t ende = pos;
    while (ende < s.size() && static_cast<unsigned char>(s[ende]) < 0x80) {
        ++ende;
    }
    return ende - pos;
}

// Runs of ASCII are taken as they are, in one piece each: the tables are
// mostly digits and semicolons, and a byte-by-byte copy was most of reading
// them in the browser edition.
std::string Utf8_bereinigt(std::string_view s) {
    std::string ergebnis;
    ergebnis.reserve(s.size());
    for (size_t pos = 0; pos < s.size();) {
        const size_t lauf = Ascii_lauf(s, pos);
        ergebnis.append(s.substr(pos, lauf));
        pos += lauf;
        if (pos < s.size()) {
            Haenge_Utf8_an(ergebnis, Naechstes_Utf8(s, pos));
        }
    }
    return ergebnis;
}

std::string Utf16_zu_Utf8(std::string_view s, bool big_endian) {
    std::string ergebnis;
    ergebnis.reserve(s.size());
    auto einheit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(s[i]);
        const auto b = static_cast<unsigned char>(s[i + 1]);
        return big_endian ? (a << 8 | b) : (b << 8 | a);
    };
    for (size_t i = 0; i + 1 < s.size(); i += 2) {
        char32_t z = einheit(i);
        if (z >= 0xD800 && z < 0xDC00 && i + 3 < s.size()) {
            const char32_t tief = einheit(i + 2);
            if (tief >= 0xDC00 && tief < 0xE000) {
                z = 0x10000 + ((z - 0xD800) << 10) + (tief - 0xDC00);
                i += 2;
            } else {
                z = Ersatzzeichen;
            }
        } else if (z >= 0xD800 && z < 0xE000) {
            z = Ersatzzeichen;
        }
        Haenge_Utf8_an(ergebnis, z);
    }
    return ergebnis;
}

int Windows1252_Code(char32_t z) {
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) {
        return static_cast<int>(z);
    }
    for (size_t i = 0; i < cp1252_hoch.size(); ++i) {
        if (cp1252_hoch[i] == z) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

std::string Utf8_zu_Windows1252(std::string_view utf8) {
    std::string ergebnis;
    ergebnis.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const int code = Windows1252_Code(Naechstes_Utf8(utf8, pos));
        ergebnis += static_cast<char>(code < 0 ? '?' : code);
    }
    return ergebnis;
}

bool Beginnt_mit(std::string_view s, std::string_view anfang) {
    return s.substr(0, anfang.size()) == anfang;
}

} // namespace

std::string Windows1252_zu_Utf8(std::string_view bytes) {
    std::string ergebnis;
    ergebnis.reserve(bytes.size() + bytes.size() / 8);
    for (size_t pos = 0; pos < bytes.size(); ++pos) {
        const size_t lauf = Ascii_lauf(bytes, pos);
        ergebnis.append(bytes.substr(pos, lauf));
        pos += lauf;
        if (pos < bytes.size()) {
            const auto b = static_cast<unsigned char>(bytes[pos]);
            Haenge_Utf8_an(ergebnis, b < 0xA0 ? cp1252_hoch[b - 0x80] : char32_t(b));
        }
    }
    return ergebnis;
}

bool In_Windows1252_darstellbar(std::string_view utf8) {
    for (size_t pos = 0; pos < utf8.size();) {
        if (Windows1252_Code(Naechstes_Utf8(utf8, pos)) < 0) {
            return false;
        }
    }
    return true;
}

std::string Dekodiere_Text(std::string_view bytes) {
    if (Beginnt_mit(bytes, "\xEF\xBB\xBF")) {
        return Utf8_bereinigt(bytes.substr(3));
    }
    if (Beginnt_mit(bytes, "\xFF\xFE")) {
        return Utf16_zu_Utf8(bytes.substr(2), false);
    }
    if (Beginnt_mit(bytes, "\xFE\xFF")) {
        return Utf16_zu_Utf8(bytes.substr(2), true);
    }
    return Windows1252_zu_Utf8(bytes);
}

Zeilenliste Teile_Zeilen(std::string_view text) {
    Zeilenliste zeilen;
    size_t anfang = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            zeilen.emplace_back(text.substr(anfang, i - anfang));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            anfang = i + 1;
        }
    }
    if (anfang < text.size()) {
        zeilen.emplace_back(text.substr(anfang));
    }
    return zeilen;
}

std::string Systemgrund(int fehlernummer) {
    switch (fehlernummer) {
    case ENOENT:
        return "Die Datei oder das Verzeichnis existiert nicht";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert";
    case EISDIR:
        return "Der Pfad ist ein Verzeichnis";
    case ENOSPC:
        return "Kein Speicherplatz mehr auf dem Datenträger";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Verzeichnis";
    default:
        return std::strerror(fehlernummer);
    }
}

std::string Pfadtext(const std::filesystem::path& pfad) {
    const auto u8 = pfad.u8string();
    return std::string(u8.begin(), u8.end());
}

std::string Lies_Bytes(const std::filesystem::path& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw Fehler(meldung::Datei_nicht_offen(Pfadtext(pfad), Systemgrund(errno)));
    }
    std::string bytes;
    std::array<char, 65536> puffer;
    for (;;) {
        const ssize_t n = ::read(fd, puffer.data(), puffer.size());
        if (n < 0) {
            const int grund = errno;
            ::close(fd);
            throw Fehler(meldung::Datei_nicht_offen(Pfadtext(pfad), Systemgrund(grund)));
        }
        if (n == 0) {
            break;
        }
        bytes.append(puffer.data(), static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

Zeilenliste Lies_Textdatei(const std::filesystem::path& pfad) {
    return Teile_Zeilen(Dekodiere_Text(Lies_Bytes(pfad)));
}

Kodierung Passende_Kodierung(const Zeilenliste& zeilen) {
    for (const auto& zeile : zeilen) {
        if (!In_Windows1252_darstellbar(zeile)) {
            return Kodierung::Utf8_mit_BOM;
        }
    }
    return Kodierung::Windows1252;
}

namespace {

[[noreturn]] void Schreibfehler(const std::filesystem::path& pfad, int grund) {
    throw Fehler("Die Datei " + Pfadtext(pfad) +
                 " konnte nicht geschrieben werden: " + Systemgrund(grund));
}

void Schreibe_alles(int fd, std::string_view bytes, const std::filesystem::path& pfad) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Schreibfehler(pfad, errno);
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

} // namespace

void Schreibe_Textdatei(const std::filesystem::path& pfad, const Zeilenliste& zeilen,
                        Kodierung kodierung) {
    std::string bytes;
    if (kodierung == Kodierung::Utf8_mit_BOM) {
        bytes = "\xEF\xBB\xBF";
    }
    for (const auto& zeile : zeilen) {
        bytes += kodierung == Kodierung::Windows1252 ? Utf8_zu_Windows1252(zeile) : zeile;
        bytes += "\r\n";
    }
    Schreibe_Bytes(pfad, bytes);
}

void Schreibe_Bytes(const std::filesystem::path& pfad, std::string_view bytes) {
    std::filesystem::path vorlage = pfad;
    vorlage += ".tmpXXXXXX";
    std::string name = vorlage.string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        Schreibfehler(pfad, errno);
    }
    try {
        Schreibe_alles(fd, bytes, pfad);
        if (::fsync(fd) != 0) {
            Schreibfehler(pfad, errno);
        }
    } catch (...) {
        ::close(fd);
        ::unlink(name.c_str());
        throw;
    }
    ::fchmod(fd, 0644);
    if (::close(fd) != 0 || std::rename(name.c_str(), pfad.c_str()) != 0) {
        const int grund = errno;
        ::unlink(name.c_str());
        Schreibfehler(pfad, grund);
    }
}

} // namespace pelmark
