#include "calc/dehnung.h"

#include "store/gleitkomma.h"

namespace pelmark {

namespace {

// The mean coefficient between 20 °C and T.
double Mittlerer_Beiwert(double dt, const Ausdehnung& a) {
    return gk::pruefe(dt * a.Delta_Beta / 2 + a.Beta20);
}

} // namespace

double Berechnen_Rohrdehnung(double L, double T, const Ausdehnung& a) {
    const double dt = T - Ausgangstemperatur;
    const double beta = Mittlerer_Beiwert(dt, a);
    return gk::pruefe(beta / 1000 * L * dt / 1000);
}

double Berechnen_Laenge_aus_Dehnung(double dL, double T, const Ausdehnung& a) {
    const double dt = T - Ausgangstemperatur;
    const double beta = Mittlerer_Beiwert(dt, a);
    return gk::pruefe(gk::teile(dL, gk::pruefe(beta / 1000 * dt)) * 1000);
}

double Fmax(const Biegeschenkel& s, double x) {
    return gk::pruefe(gk::teile(gk::pruefe(s.w * s.sigma), x) * 1000);
}

double Ferf(const Biegeschenkel& s, double delta, double x) {
    const double zaehler = gk::pruefe(3 * s.E * s.I * delta);
    return gk::pruefe(gk::teile(zaehler, gk::pruefe(x * x * x)) * 10000);
}

} // namespace pelmark
