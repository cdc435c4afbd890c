#include "calc/schenkelsuche.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace pelmark {

namespace {

constexpr double Abwaertsschritte[] = {1e6, 1e5, 1e4, 1000, 100, 10, 1};
// Below 2^53 every whole-millimetre step is subtracted and added exactly.
constexpr double Exakt_bis = 9007199254740992.0;
// Relative distance from the meeting point beyond which rounding cannot
// change the comparison of the two forces.
constexpr double Abstand = 1e-9;
// Forces below this could lose digits to underflow: no jumps there.
constexpr double Kleinste_Kraft = 1e-250;

bool Zu_kurz(const Biegeschenkel& s, double delta, double x) {
    return Fmax(s, x) < Ferf(s, delta, x);
}

bool Lang_genug(const Biegeschenkel& s, double delta, double x) {
    return Fmax(s, x) > Ferf(s, delta, x);
}

// The constants of the two forces: Fmax = c1 / x * 1000, Ferf = c2 / x³ * 10000.
struct Kraftkonstanten {
    double c1;
    double c2;
};

Kraftkonstanten Konstanten(const Biegeschenkel& s, double delta) {
    return {s.w * s.sigma, 3 * s.E * s.I * delta};
}

// The meeting point of the two forces, sqrt(10 c2 / c1).
double Treffpunkt(const Kraftkonstanten& k) {
    return std::sqrt(10 * k.c2 / k.c1);
}

bool Ohne_Unterlauf(const Kraftkonstanten& k, double x) {
    return std::fabs(k.c1) / x * 1000 > Kleinste_Kraft &&
           std::fabs(k.c2) / (x * x * x) * 10000 > Kleinste_Kraft;
}

// Every leg at or above the returned length is certainly not too short.
double Sicher_lang_ab(const Kraftkonstanten& k) {
    if (k.c1 > 0 && k.c2 > 0) {
        return Treffpunkt(k) * (1 + Abstand);
    }
    if (k.c1 >= 0 && k.c2 <= 0) {
        return 0;
    }
    return std::numeric_limits<double>::infinity();
}

// Jumps x down by whole steps that all stay at or above the safe length and
// more than one step above the end of the pass.
double Abwaerts_springen(const Kraftkonstanten& k, double x, double schritt) {
    const double sicher = Sicher_lang_ab(k);
    const double untergrenze = std::fmax(sicher, schritt) + schritt;
    // Where no leg is ever too short the signs alone decide, underflow or not.
    const bool sicher_genug = sicher == 0 || Ohne_Unterlauf(k, x);
    if (!(x < Exakt_bis && x > untergrenze + schritt) || !sicher_genug) {
        return x;
    }
    auto n = static_cast<std::int64_t>((x - untergrenze) / schritt);
    while (n > 0 && x - static_cast<double>(n) * schritt < untergrenze) {
        --n;
    }
    return x - static_cast<double>(n) * schritt;
}

double Abwaerts(const Biegeschenkel& s, double delta, double x, double schritt) {
    while (x > schritt) {
        x = x - schritt;
        if (Zu_kurz(s, delta, x)) {
            return x + schritt;
        }
    }
    return x;
}

double Aufwaerts(const Biegeschenkel& s, double delta, double a, double schritt) {
    do {
        a = a + schritt;
    } while (!(a >= U_Grenze) && !Lang_genug(s, delta, a));
    return a;
}

// The highest height up to which every loop is certainly too low; the bound
// itself when no height can ever be long enough.
double Sicher_zu_kurz_bis(const Kraftkonstanten& k, double a) {
    if (k.c1 > 0 && k.c2 > 0 && Ohne_Unterlauf(k, U_Grenze)) {
        return Treffpunkt(k) * (1 - Abstand);
    }
    if (k.c1 <= 0 && k.c2 >= 0) {
        return U_Grenze;
    }
    if (k.c1 < 0 && k.c2 < 0 && a > Treffpunkt(k) * (1 + Abstand) && Ohne_Unterlauf(k, U_Grenze)) {
        return U_Grenze;
    }
    return 0;
}

// Jumps a up to the last whole multiple of the step below the certain range.
double Aufwaerts_springen(const Kraftkonstanten& k, double a, double schritt) {
    const double bis = std::fmin(Sicher_zu_kurz_bis(k, a), U_Grenze);
    const double ziel = std::floor(bis / schritt) * schritt - schritt;
    return ziel > a ? ziel : a;
}

} // namespace

double Lmin_suchen_schrittweise(const Biegeschenkel& s, double delta, double Lmax) {
    double x = Lmax;
    for (double schritt : Abwaertsschritte) {
        x = Abwaerts(s, delta, x, schritt);
    }
    return x;
}

double Lmin_suchen(const Biegeschenkel& s, double delta, double Lmax) {
    const Kraftkonstanten k = Konstanten(s, delta);
    double x = Lmax;
    for (double schritt : Abwaertsschritte) {
        if (x > schritt) {
            // The first step is taken as it is, so a fault shows where it would.
            x = x - schritt;
            if (Zu_kurz(s, delta, x)) {
                x = x + schritt;
                continue;
            }
            x = Abwaerts(s, delta, Abwaerts_springen(k, x, schritt), schritt);
        }
    }
    return x;
}

double U_Hoehe_suchen_schrittweise(const Biegeschenkel& s, double delta) {
    double a = Aufwaerts(s, delta, 0, 100) - 100;
    a = Aufwaerts(s, delta, a, 10) - 10;
    return Aufwaerts(s, delta, a, 1);
}

double U_Hoehe_suchen(const Biegeschenkel& s, double delta) {
    const Kraftkonstanten k = Konstanten(s, delta);
    double a = 100;
    if (!Lang_genug(s, delta, a)) {
        a = Aufwaerts(s, delta, Aufwaerts_springen(k, a, 100), 100);
    }
    a = a - 100;
    a = Aufwaerts(s, delta, a, 10) - 10;
    return Aufwaerts(s, delta, a, 1);
}

} // namespace pelmark
