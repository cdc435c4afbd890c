#include "media/bmp.h"

#include "store/fehler.h"
#include "store/textdatei.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace pelmark {

namespace {

constexpr size_t Dateikopf = 14;
constexpr size_t Kernkopf = 12;   // header of OS/2 bitmaps: 16-bit sizes
constexpr size_t Kopf_lesen = 26; // file header plus the size fields of any header

std::uint32_t Wort(std::string_view b, size_t pos, size_t laenge) {
    std::uint32_t wert = 0;
    for (size_t i = laenge; i-- > 0;) {
        wert = (wert << 8) | static_cast<unsigned char>(b[pos + i]);
    }
    return wert;
}

int Vorzeichenlos32(std::uint32_t wert) {
    // A negative height marks a bitmap stored top-down; its size is the amount.
    const auto mit_vorzeichen = static_cast<std::int32_t>(wert);
    return mit_vorzeichen == INT32_MIN ? -1 : std::abs(mit_vorzeichen);
}

} // namespace

std::optional<Bmp_Groesse> Bmp_Kopf_lesen(std::string_view bytes) {
    if (bytes.size() < Kopf_lesen || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t kopfgroesse = Wort(bytes, Dateikopf, 4);
    Bmp_Groesse groesse;
    if (kopfgroesse == Kernkopf) {
        groesse.Breite = static_cast<int>(Wort(bytes, 18, 2));
        groesse.Hoehe = static_cast<int>(Wort(bytes, 20, 2));
    } else if (kopfgroesse >= 40) {
        groesse.Breite = Vorzeichenlos32(Wort(bytes, 18, 4));
        groesse.Hoehe = Vorzeichenlos32(Wort(bytes, 22, 4));
    } else {
        return std::nullopt;
    }
    if (groesse.Breite <= 0 || groesse.Hoehe <= 0) {
        return std::nullopt;
    }
    return groesse;
}

Bmp_Groesse Bmp_Groesse_aus_Datei(const std::filesystem::path& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw Fehler(meldung::Datei_nicht_offen(Pfadtext(pfad), Systemgrund(errno)));
    }
    std::array<char, Kopf_lesen> kopf{};
    size_t gelesen = 0;
    while (gelesen < kopf.size()) {
        const ssize_t n = ::read(fd, kopf.data() + gelesen, kopf.size() - gelesen);
        if (n <= 0) {
            break;
        }
        gelesen += static_cast<size_t>(n);
    }
    ::close(fd);
    const auto groesse = Bmp_Kopf_lesen(std::string_view(kopf.data(), gelesen));
    if (!groesse) {
        throw Fehler("Bitmap ist ungültig");
    }
    return *groesse;
}

} // namespace pelmark
