#include "calc/anzeigen.h"
#include "calc/dehnung.h"
#include "calc/schenkelsuche.h"

#include "store/gleitkomma.h"
#include "store/zahlen.h"

#include <initializer_list>
#include <numbers>

namespace pelmark {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double pi_32 = 0.098174770424681038704;
constexpr double pi_64 = 0.049087385212340519352;
constexpr double Sicherheit = 1.75;
constexpr double Mindesttemperatur = 21.0;
constexpr double Absoluter_Nullpunkt = -273.15; // °C
constexpr double Schenkel_Grenze = 1e6;         // mm
// From here on the downward search could no longer subtract its steps.
constexpr double Lmax_Grenze = 9007199254740992.0;

struct Dehnungsdaten {
    Biegeschenkel schenkel;
    double A; // cross-section, mm²
    double T;
    Ausdehnung beiwerte;
};

double Dezimal_oder(const std::string& text, double ersatz) {
    const auto wert = Lies_Zahl_streng(text);
    return wert ? static_cast<double>(*wert) : ersatz;
}

std::string Zwei_Stellen(const Mainform& f, double wert) {
    return Festkomma(wert, 2, f.Dezimal);
}

double Hoch4(double x) {
    return gk::pruefe(x * x * x * x);
}

Dehnungsdaten Querschnitt(Mainform& f) {
    auto& m = f.maske;
    const double D = static_cast<double>(Zelle_zu_Zahl(m.E_DA1.Text, f.Dezimal));
    const double s = Dezimal_oder(m.E_WD1.Text, 0.001);
    Dehnungsdaten d{};
    f.Id = D - 2 * s;
    d.A = gk::pruefe(pi * (D * D) / 4 - pi * (f.Id * f.Id) / 4);
    const double ring = gk::pruefe(Hoch4(D) - Hoch4(f.Id));
    f.w = gk::pruefe(gk::teile(pi_32 * ring, D) / 1000);
    d.schenkel = {f.w, gk::pruefe(pi_64 * ring / 10000), f.e_Modul, f.SigmaE / Sicherheit};
    d.beiwerte = {f.Beta20, f.Delta_Beta};
    m.L_AD_Dehnkraft.Caption = m.E_DA1.Text;
    m.L_WD_Dehnkraft.Caption = m.E_WD1.Text;
    m.L_Leitung_Dehnung.Caption = Leitungszeile(f);
    return d;
}

void Gerade_Leitung(Mainform& f, const Dehnungsdaten& d) {
    auto& m = f.maske;
    const double L = gk::pruefe(Dezimal_oder(m.E_Dehnung_L.Text, 0) * 1000);
    if (L < 0) {
        m.E_Dehnung_DL.Text = "-";
        m.E_F_Dehnung.Text = "-";
        return;
    }
    if (L == 0 || !(d.T >= Mindesttemperatur)) {
        m.E_Dehnung_DL.Text = "0";
        return;
    }
    const double dL = Berechnen_Rohrdehnung(L, d.T, d.beiwerte);
    m.E_Dehnung_DL.Text = Zwei_Stellen(f, dL);
    const double F = gk::pruefe(gk::teile(dL, L) * d.schenkel.E * d.A);
    m.E_F_Dehnung.Text = Zwei_Stellen(f, F);
}

// The L and the Z bend: the greatest bending leg that the leg L1 can take up
// at the allowable stress, and the least one the growth of L1 needs.
void Winkelschenkel(Mainform& f, const Dehnungsdaten& d, Edit& eingabe, Edit& lmin, Edit& lmax) {
    const double L1 = gk::pruefe(Dezimal_oder(eingabe.Text, 0) * 1000);
    if (L1 < 0) {
        lmin.Text = "-";
        lmax.Text = "-";
        return;
    }
    if (L1 == 0 || L1 > Schenkel_Grenze || !(d.T >= Mindesttemperatur)) {
        eingabe.Text = "0";
        return;
    }
    const Biegeschenkel& s = d.schenkel;
    const double steifigkeit = gk::pruefe(3 * s.E * s.I);
    const double dmax =
        gk::teile(gk::pruefe(Fmax(s, L1) * gk::pruefe(L1 * L1 * L1)), steifigkeit) / 10000;
    const double Lmax = Berechnen_Laenge_aus_Dehnung(dmax, d.T, d.beiwerte);
    lmax.Text = Zwei_Stellen(f, Lmax / 1000);
    if (!(Lmax < Lmax_Grenze)) {
        lmin.Text = "-";
        return;
    }
    const double delta = Berechnen_Rohrdehnung(L1, d.T, d.beiwerte);
    lmin.Text = Zwei_Stellen(f, Lmin_suchen(s, delta, Lmax) / 1000);
}

void U_Bogen(Mainform& f, const Dehnungsdaten& d) {
    auto& m = f.maske;
    const double U = gk::pruefe(Dezimal_oder(m.E_U_L1.Text, 0) * 1000 / 2);
    if (U < 0) {
        m.E_U_Lmin.Text = "-";
        return;
    }
    if (U == 0 || U > Schenkel_Grenze || !(d.T >= Mindesttemperatur)) {
        m.E_U_L1.Text = "0";
        return;
    }
    const double delta = Berechnen_Rohrdehnung(U, d.T, d.beiwerte);
    const double a = U_Hoehe_suchen(d.schenkel, delta);
    m.E_U_Lmin.Text = a >= U_Grenze ? "Ungültig" : Zwei_Stellen(f, a / 1000);
}

// Below absolute zero no result of the panel can be given; the inputs keep
// what was typed.
void Alles_ungueltig(Maske& m) {
    for (Edit* feld : {&m.E_Dehnung_DL, &m.E_F_Dehnung, &m.E_Winkel_Lmin, &m.E_Winkel_Lmax,
                       &m.E_Z_Lmin, &m.E_z_Lmax, &m.E_U_Lmin}) {
        feld->Text = "-";
    }
}

} // namespace

// Inputs outside their physical range (a negative length or leg, an end
// temperature below absolute zero) show "-" in the results they feed.
void Anzeige_Rohrdehnung(Mainform& f) {
    auto& m = f.maske;
    Dehnungsdaten d = Querschnitt(f);
    d.T = Dezimal_oder(m.E_Dehnung_Endtemp.Text, 0);
    if (d.T < Absoluter_Nullpunkt) {
        Alles_ungueltig(m);
        return;
    }
    Gerade_Leitung(f, d);
    Winkelschenkel(f, d, m.E_Winkel_L1, m.E_Winkel_Lmin, m.E_Winkel_Lmax);
    Winkelschenkel(f, d, m.E_Z_L1, m.E_Z_Lmin, m.E_z_Lmax);
    U_Bogen(f, d);
}

} // namespace pelmark
