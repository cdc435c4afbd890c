#include "calc/stuetzweite.h"

#include "store/gleitkomma.h"

#include <array>

namespace pelmark {

namespace {

constexpr double pi_64 = 0.049087385212340519352;

double Hoch4(double x) {
    return gk::pruefe(x * x * x * x);
}

// Steps of one size from L while the sag stays within the limit; the span
// before the first step past it, or nothing at the search bound.
std::optional<double> Durchgang(double L, double schritt, double q, double e_Modul, double I) {
    do {
        L = L + schritt;
        if (L > Stuetzweite_Grenze) {
            return std::nullopt;
        }
    } while (!(Durchbiegung(L, q, e_Modul, I) > L / 5));
    return L - schritt;
}

} // namespace

double Traegheitsmoment(double D_cm, double s_cm) {
    return gk::pruefe((Hoch4(D_cm) - Hoch4(D_cm - 2 * s_cm)) * pi_64);
}

double Durchbiegung(double L, double q, double e_Modul, double I) {
    const double F = gk::pruefe(L * q * 100);
    const double weg = 100 * L;
    const double zaehler = gk::pruefe(weg * weg * weg * F);
    return gk::teile(gk::teile(gk::teile(zaehler, 77.0), e_Modul * 10), I);
}

std::optional<double> stuetzweite(std::int32_t Art, double D_cm, double s_cm, double q,
                                  double e_Modul) {
    const double I = Traegheitsmoment(D_cm, s_cm);
    std::optional<double> L = 0.0;
    for (double schritt : {1.0, 0.1, 0.01}) {
        L = Durchgang(*L, schritt, q, e_Modul, I);
        if (!L) {
            return std::nullopt;
        }
    }
    switch (Art) {
    case 2:
        return 1.341 * *L;
    case 3:
        return 1.71 * *L;
    default:
        return *L;
    }
}

} // namespace pelmark
