#include "calc/dehnung.h"

#include "store/gleitkomma.h"

namespace pelmark {

namespace {

// The mean coefficient between 20 °C and T.
double Mittlerer_Beiwert(double dt, const Ausdehnung& a) {
    return gk::pruefe(dt * a.Delta_Beta / 2 + a.Beta20);
}

// The strain from 20 °C to T, times 1000.
double Dehnung_ab_20(double T, const Ausdehnung& a) {
    const double dt = T - Ausgangstemperatur;
    const double beta = Mittlerer_Beiwert(dt, a);
    return gk::pruefe(beta / 1000 * dt);
}

} // namespace

double Berechnen_Rohrdehnung(double L, double T, const Ausdehnung& a, double T0) {
    const double dt = T - Ausgangstemperatur;
    const double beta = Mittlerer_Beiwert(dt, a);
    const double ab_20 = gk::pruefe(beta / 1000 * L * dt / 1000);
    // From 20 °C the second term is exactly 0.
    const double dt0 = T0 - Ausgangstemperatur;
    const double beta0 = Mittlerer_Beiwert(dt0, a);
    return gk::pruefe(ab_20 - beta0 / 1000 * L * dt0 / 1000);
}

double Berechnen_Laenge_aus_Dehnung(double dL, double T, const Ausdehnung& a, double T0) {
    const double dehnung = gk::pruefe(Dehnung_ab_20(T, a) - Dehnung_ab_20(T0, a));
    return gk::pruefe(gk::teile(dL, dehnung) * 1000);
}

double Fmax(const Biegeschenkel& s, double x) {
    return gk::pruefe(gk::teile(gk::pruefe(s.w * s.sigma), x) * 1000);
}

double Ferf(const Biegeschenkel& s, double delta, double x) {
    const double zaehler = gk::pruefe(3 * s.E * s.I * delta);
    return gk::pruefe(gk::teile(zaehler, gk::pruefe(x * x * x)) * 10000);
}

} // namespace pelmark
