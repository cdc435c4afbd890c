#include "calc/anzeigen.h"
#include "calc/dehnung.h"
#include "calc/schenkelsuche.h"

#include "store/gleitkomma.h"
#include "store/zahlen.h"

#include <array>
#include <initializer_list>
#include <numbers>

namespace pelmark {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double pi_32 = 0.098174770424681038704;
constexpr double pi_64 = 0.049087385212340519352;
constexpr double Sicherheit = 1.75;
constexpr double Schenkel_Grenze = 1e6;   // mm
constexpr double Leitung_Grenze = 100000; // m
// From here on the downward search could no longer subtract its steps.
constexpr double Lmax_Grenze = 9007199254740992.0;

struct Dehnungsdaten {
    Biegeschenkel schenkel;
    double A; // cross-section, mm²
    double T0;
    double T;
    Ausdehnung beiwerte;
};

// The material table's expansion values are fitted to mean coefficients from
// 20 °C up to 500 °C; a short way below 20 °C they still hold.
constexpr double Tiefste_Temperatur = -50.0;  // °C
constexpr double Hoechste_Temperatur = 500.0; // °C

constexpr const char* Regel_Dehnung =
    "ΔL = L · (β(T) · (T − 20) − β(T0) · (T0 − 20)), β(t) = β20 + Δβ · (t − 20) / 2 (Optionen)";
constexpr const char* Regel_Kraft = "F = ΔL / L · E · A (Dehnung voll behindert)";
constexpr const char* Regel_Lmax =
    "Lmax: Länge, deren Dehnung der Schenkel L1 bei σzul = ReH / 1,75 aufnimmt";
constexpr const char* Regel_Lmin = "Lmin: kürzester Biegeschenkel für die Dehnung von L1 bei σzul";
constexpr const char* Regel_U = "kürzeste Bogenhöhe für die Dehnung von L1 / 2 bei σzul";

// An input read as a decimal number, or why it cannot be used.
struct Eingabe {
    double Wert = 0;
    std::string Grund;
};

Eingabe Lies(const std::string& text, const std::string& name) {
    if (text.empty()) {
        return {0, name + ": keine Eingabe"};
    }
    const auto wert = Lies_Zahl_streng(text);
    if (!wert) {
        return {0, name + ": «" + text + "» ist keine Zahl"};
    }
    return {static_cast<double>(*wert), {}};
}

std::string Zwei_Stellen(const Mainform& f, double wert) {
    return Festkomma(wert, 2, f.Dezimal);
}

void Zeige(Mainform& f, Edit& feld, double wert, const char* regel) {
    feld.Text = Zwei_Stellen(f, wert);
    feld.Quelle = Berechnet(regel, {&f.maske.E_DA1, &f.maske.E_WD1});
}

void Strich(Edit& feld, const std::string& grund) {
    feld.Text = "-";
    feld.Quelle = Herkunft{{}, {}, grund, 0};
}

std::array<Edit*, 7> Ergebnisfelder(Maske& m) {
    return {&m.E_Dehnung_DL, &m.E_F_Dehnung, &m.E_Winkel_Lmin, &m.E_Winkel_Lmax,
            &m.E_Z_Lmin,     &m.E_z_Lmax,    &m.E_U_Lmin};
}

double Hoch4(double x) {
    return gk::pruefe(x * x * x * x);
}

Dehnungsdaten Querschnitt(Mainform& f) {
    auto& m = f.maske;
    m.L_AD_Dehnkraft.Caption = m.E_DA1.Text;
    m.L_WD_Dehnkraft.Caption = m.E_WD1.Text;
    m.L_Leitung_Dehnung.Caption = Leitungszeile(f);
    const double D = static_cast<double>(Zelle_zu_Zahl(m.E_DA1.Text, f.Dezimal));
    const auto s_gelesen = Lies_Zahl_streng(m.E_WD1.Text);
    const double s = s_gelesen ? static_cast<double>(*s_gelesen) : 0.001;
    Dehnungsdaten d{};
    f.Id = D - 2 * s;
    d.A = gk::pruefe(pi * (D * D) / 4 - pi * (f.Id * f.Id) / 4);
    const double ring = gk::pruefe(Hoch4(D) - Hoch4(f.Id));
    f.w = gk::pruefe(gk::teile(pi_32 * ring, D) / 1000);
    d.schenkel = {f.w, gk::pruefe(pi_64 * ring / 10000), f.e_Modul, f.SigmaE / Sicherheit};
    d.beiwerte = {f.Beta20, f.Delta_Beta};
    return d;
}

// Both temperatures, or why no result of the panel can be given.
std::string Temperaturen(const Maske& m, Dehnungsdaten& d) {
    const Eingabe T0 = Lies(m.E_Dehnung_Ausgangstemp.Text, "Ausgangstemperatur");
    const Eingabe T = Lies(m.E_Dehnung_Endtemp.Text, "Endtemperatur");
    for (const Eingabe* e : {&T0, &T}) {
        if (!e->Grund.empty()) {
            return e->Grund;
        }
        if (!(e->Wert >= Tiefste_Temperatur && e->Wert <= Hoechste_Temperatur)) {
            return "Temperatur außerhalb −50 … 500 °C, für die die Ausdehnungswerte der "
                   "Werkstofftabelle gelten";
        }
    }
    if (!(T.Wert >= T0.Wert + 1)) {
        return "Endtemperatur nicht mindestens 1 K über der Ausgangstemperatur";
    }
    d.T0 = T0.Wert;
    d.T = T.Wert;
    return {};
}

// A length in m as mm, or why it cannot be used: not read, not given, not
// positive, or beyond the limit in m.
Eingabe Laenge_mm(const std::string& text, const std::string& name, double grenze_m) {
    Eingabe e = Lies(text, name);
    if (!e.Grund.empty()) {
        return e;
    }
    if (!(e.Wert > 0)) {
        return {0, name + " muss größer als 0 sein"};
    }
    if (e.Wert > grenze_m) {
        return {0, name + " über " + std::to_string(static_cast<int>(grenze_m)) + " m"};
    }
    return {gk::pruefe(e.Wert * 1000), {}};
}

void Gerade_Leitung(Mainform& f, const Dehnungsdaten& d) {
    auto& m = f.maske;
    const Eingabe L = Laenge_mm(m.E_Dehnung_L.Text, "Länge", Leitung_Grenze);
    if (!L.Grund.empty()) {
        Strich(m.E_Dehnung_DL, L.Grund);
        Strich(m.E_F_Dehnung, L.Grund);
        return;
    }
    const double dL = Berechnen_Rohrdehnung(L.Wert, d.T, d.beiwerte, d.T0);
    Zeige(f, m.E_Dehnung_DL, dL, Regel_Dehnung);
    const double F = gk::pruefe(gk::teile(dL, L.Wert) * d.schenkel.E * d.A);
    Zeige(f, m.E_F_Dehnung, F, Regel_Kraft);
}

// The L and the Z bend: the greatest bending leg that the leg L1 can take up
// at the allowable stress, and the least one the growth of L1 needs.
void Winkelschenkel(Mainform& f, const Dehnungsdaten& d, const Edit& eingabe, Edit& lmin,
                    Edit& lmax) {
    const Eingabe L1 = Laenge_mm(eingabe.Text, "L1", Schenkel_Grenze / 1000);
    if (!L1.Grund.empty()) {
        Strich(lmin, L1.Grund);
        Strich(lmax, L1.Grund);
        return;
    }
    const Biegeschenkel& s = d.schenkel;
    const double steifigkeit = gk::pruefe(3 * s.E * s.I);
    const double dmax =
        gk::teile(gk::pruefe(Fmax(s, L1.Wert) * gk::pruefe(L1.Wert * L1.Wert * L1.Wert)),
                  steifigkeit) /
        10000;
    const double Lmax = Berechnen_Laenge_aus_Dehnung(dmax, d.T, d.beiwerte, d.T0);
    Zeige(f, lmax, Lmax / 1000, Regel_Lmax);
    if (!(Lmax < Lmax_Grenze)) {
        Strich(lmin, "Lmax zu groß für die Suche");
        return;
    }
    const double delta = Berechnen_Rohrdehnung(L1.Wert, d.T, d.beiwerte, d.T0);
    Zeige(f, lmin, Lmin_suchen(s, delta, Lmax) / 1000, Regel_Lmin);
}

void U_Bogen(Mainform& f, const Dehnungsdaten& d) {
    auto& m = f.maske;
    const Eingabe L1 = Laenge_mm(m.E_U_L1.Text, "L1", 2 * Schenkel_Grenze / 1000);
    if (!L1.Grund.empty()) {
        Strich(m.E_U_Lmin, L1.Grund);
        return;
    }
    const double U = L1.Wert / 2;
    const double delta = Berechnen_Rohrdehnung(U, d.T, d.beiwerte, d.T0);
    const double a = U_Hoehe_suchen(d.schenkel, delta);
    if (a >= U_Grenze) {
        m.E_U_Lmin.Text = "Ungültig";
        m.E_U_Lmin.Quelle = Herkunft{{}, Regel_U, {}, 0};
    } else {
        Zeige(f, m.E_U_Lmin, a / 1000, Regel_U);
    }
}

} // namespace

// Every result is computed from what the fields show now, or shows "-" with
// the reason: an input that does not read, is not positive or lies beyond
// its limit, temperatures the material table cannot serve, or an arithmetic
// fault reported on the way (then the results not yet reached).
void Anzeige_Rohrdehnung(Mainform& f) {
    auto& m = f.maske;
    for (Edit* feld : Ergebnisfelder(m)) {
        Strich(*feld, "Rechnung abgebrochen, siehe die Fehlermeldung");
    }
    Dehnungsdaten d = Querschnitt(f);
    std::string grund = Temperaturen(m, d);
    if (!Lies_Zahl_streng(m.E_WD1.Text)) {
        grund = "keine lesbare Wanddicke in der gewählten Reihe";
    }
    if (!grund.empty()) {
        for (Edit* feld : Ergebnisfelder(m)) {
            Strich(*feld, grund);
        }
        return;
    }
    Gerade_Leitung(f, d);
    Winkelschenkel(f, d, m.E_Winkel_L1, m.E_Winkel_Lmin, m.E_Winkel_Lmax);
    Winkelschenkel(f, d, m.E_Z_L1, m.E_Z_Lmin, m.E_z_Lmax);
    U_Bogen(f, d);
}

} // namespace pelmark
