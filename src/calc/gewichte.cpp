#include "calc/gewichte.h"

#include "store/gleitkomma.h"

#include <numbers>

namespace pelmark {

namespace {

constexpr double pi = std::numbers::pi;

// pi * r² of the radius half of the diameter.
double Kreisflaeche_halb(double durchmesser) {
    const double r = durchmesser / 2;
    return gk::pruefe(pi * (r * r));
}

} // namespace

double masse_Leitung_rechnen(double D, double s, double Gamma_Rohr_Traeger) {
    const double d = D - 2 * s;
    const double ring = gk::pruefe(Kreisflaeche_halb(D) - Kreisflaeche_halb(d));
    return gk::pruefe(ring / 1000 * Gamma_Rohr_Traeger);
}

double masse_Fuellung_rechnen(double D, double s, double gamma) {
    const double d = D - 2 * s;
    return gk::pruefe(Kreisflaeche_halb(d) / 1000 * gamma);
}

double masse_Isolierung_rechnen(double D, double t) {
    const double Da = D + 2 * t;
    const double schicht =
        gk::pruefe((pi * (Da * Da) / 4 - pi * (D * D) / 4) * Spez_Gew_Isolierung * 0.001);
    const double blech =
        gk::pruefe((Da + Blechstaerke) * pi * Blechstaerke * Spez_Gew_Blech * 0.001);
    return gk::pruefe(schicht + blech);
}

double Windlast_rechnen(double D, double t, double Winddruck) {
    return gk::pruefe((D + 2 * t) / 1000 * Winddruck * Formbeiwert_Rohr);
}

double Centimetergewicht(double M, double W) {
    const double gewicht = M / 100;
    const double wind = W / 1000;
    return gk::wurzel(gk::pruefe(gewicht * gewicht + wind * wind));
}

} // namespace pelmark
