#include "grid/u_zeit.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace pelmark {

namespace {

constexpr std::int64_t Minuten_pro_Tag = 1440;
constexpr int Tage_bis_1899_12_30 = 693593; // 1 January of year 1 being day 0

bool Gregorianisches_Schaltjahr(int jahr) {
    return jahr % 4 == 0 && (jahr % 100 != 0 || jahr % 400 == 0);
}

int Monatstage(int jahr, int monat) {
    static constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return monat == 2 && Gregorianisches_Schaltjahr(jahr) ? 29 : tage[monat - 1];
}

struct Zeitpunkt {
    int jahr, monat, tag, stunde, minute, sekunde;
};

// Days from 1 January of year 1 (day 0) to a calendar day.
std::int64_t Tagzahl(int jahr, int monat, int tag) {
    const std::int64_t y = jahr - 1;
    std::int64_t tage = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < monat; ++m) {
        tage += Monatstage(jahr, m);
    }
    return tage + tag - 1;
}

// Splits a date value into calendar day and time of day: the whole days by
// truncation, the time from the fraction's absolute value.
// Values outside the years 1 to 9999 are taken as the nearest end.
Zeitpunkt Zerlege(Datumswert datum) {
    constexpr double erster = -693593.0;  // 1 January of year 1
    constexpr double letzter = 2958465.0; // 31 December 9999
    datum = std::isfinite(datum) ? std::clamp(datum, erster, letzter + 0.999) : 0.0;
    const double ganz = std::trunc(datum);
    std::int64_t tage = static_cast<std::int64_t>(ganz) + Tage_bis_1899_12_30;
    std::int64_t ms = std::llround(std::fabs(datum - ganz) * 86400000.0);
    if (ms >= 86400000) {
        ms = 86399999;
    }
    Zeitpunkt z{};
    z.jahr = static_cast<int>(tage / 366) + 1;
    while (Tagzahl(z.jahr + 1, 1, 1) <= tage) {
        ++z.jahr;
    }
    while (z.jahr > 1 && Tagzahl(z.jahr, 1, 1) > tage) {
        --z.jahr;
    }
    tage -= Tagzahl(z.jahr, 1, 1);
    z.monat = 1;
    while (z.monat < 12 && tage >= Monatstage(z.jahr, z.monat)) {
        tage -= Monatstage(z.jahr, z.monat);
        ++z.monat;
    }
    z.tag = static_cast<int>(tage) + 1;
    z.stunde = static_cast<int>(ms / 3600000);
    z.minute = static_cast<int>(ms / 60000 % 60);
    z.sekunde = static_cast<int>(ms / 1000 % 60);
    return z;
}

std::int64_t Jahresminuten(int jahr) {
    return (Schaltjahr(static_cast<std::uint16_t>(jahr)) ? 366 : 365) * Minuten_pro_Tag;
}

// Optional leading blanks and sign, then at least one digit, nothing after.
std::optional<int> Lies_Teil(std::u32string_view teil) {
    size_t pos = 0;
    while (pos < teil.size() && teil[pos] == U' ') {
        ++pos;
    }
    bool negativ = false;
    if (pos < teil.size() && (teil[pos] == U'+' || teil[pos] == U'-')) {
        negativ = teil[pos++] == U'-';
    }
    if (pos == teil.size()) {
        return std::nullopt;
    }
    int wert = 0;
    for (; pos < teil.size(); ++pos) {
        if (teil[pos] < U'0' || teil[pos] > U'9') {
            return std::nullopt;
        }
        wert = wert * 10 + static_cast<int>(teil[pos] - U'0');
    }
    return negativ ? -wert : wert;
}

// The text's characters; a byte that starts no valid sequence counts as one.
std::u32string Zeichen(std::string_view text) {
    std::u32string zeichen;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const size_t laenge = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        zeichen.push_back(laenge == 1 ? static_cast<char32_t>(b) : U'\uFFFD');
        i += std::min(laenge, text.size() - i);
    }
    return zeichen;
}

} // namespace

bool Schaltjahr(std::uint16_t Jahreszahl) {
    return Jahreszahl % 4 == 0;
}

std::uint16_t TagNummer(Datumswert Datum) {
    const Zeitpunkt z = Zerlege(Datum);
    static constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int nummer = z.tag;
    for (int m = 1; m < z.monat; ++m) {
        nummer += m == 2 && Schaltjahr(static_cast<std::uint16_t>(z.jahr)) ? 29 : tage[m - 1];
    }
    return static_cast<std::uint16_t>(nummer);
}

std::int64_t Minuten_seit_1900_lang(Datumswert Datum) {
    const Zeitpunkt z = Zerlege(Datum);
    std::int64_t minuten = 0;
    for (int jahr = 1900; jahr < z.jahr; ++jahr) {
        minuten += Jahresminuten(jahr);
    }
    for (int jahr = z.jahr; jahr < 1900; ++jahr) {
        minuten -= Jahresminuten(jahr);
    }
    minuten += (TagNummer(Datum) - 1) * Minuten_pro_Tag;
    minuten += z.stunde * 60 + z.minute + (z.sekunde >= 30 ? 1 : 0);
    return minuten;
}

std::int32_t Minuten_seit_1900(Datumswert Datum) {
    return static_cast<std::int32_t>(Minuten_seit_1900_lang(Datum));
}

Datumswert Kodiere_Datum(int jahr, int monat, int tag) {
    if (jahr < 1 || jahr > 9999 || monat < 1 || monat > 12 || tag < 1 ||
        tag > Monatstage(jahr, monat)) {
        return -1;
    }
    return static_cast<Datumswert>(Tagzahl(jahr, monat, tag) - Tage_bis_1899_12_30);
}

Datumswert String_zu_Datum(std::string_view Zeitstr) {
    const std::u32string z = Zeichen(Zeitstr);
    const std::u32string_view t = z;
    std::optional<int> jahr, monat = 1, tag = 1;
    if (t.size() == 4) {
        jahr = Lies_Teil(t);
    } else if (t.size() == 7) {
        monat = Lies_Teil(t.substr(0, 2));
        jahr = Lies_Teil(t.substr(3, 4));
    } else if (t.size() == 10) {
        tag = Lies_Teil(t.substr(0, 2));
        monat = Lies_Teil(t.substr(3, 2));
        jahr = Lies_Teil(t.substr(6, 4));
    } else {
        return -1;
    }
    if (!jahr || !monat || !tag) {
        return -1;
    }
    return Kodiere_Datum(*jahr, *monat, *tag);
}

std::int32_t String_zu_Minuten_seit_1900(std::string_view Zeitstr) {
    const Datumswert datum = String_zu_Datum(Zeitstr);
    return datum == -1 ? -1 : Minuten_seit_1900(datum);
}

} // namespace pelmark
