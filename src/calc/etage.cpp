#include "calc/etage.h"

#include <cmath>
#include <numbers>

namespace pelmark {

namespace {

constexpr double Grad = std::numbers::pi / 180;

// A huge input can overflow a product: that is no length a fitter can cut.
Mass Endlich(double wert) {
    return std::isfinite(wert) ? Mass::Mit(wert) : Mass::Ohne("Der Wert ist zu groß");
}

// The first missing of the inputs, or nothing when all are there.
const Mass* Erstes_fehlendes(std::initializer_list<const Mass*> masse) {
    for (const Mass* m : masse) {
        if (!m->Da()) {
            return m;
        }
    }
    return nullptr;
}

Mass Winkel_pruefen(const Mass& winkel) {
    if (!winkel.Da()) {
        return winkel;
    }
    const double a = *winkel.Wert;
    if (a < Winkel_kleinster || a > Winkel_groesster) {
        return Mass::Ohne("Der Bogenwinkel muss zwischen 1° und 90° liegen");
    }
    return winkel;
}

// α from the true offset and the fixed run.
Mass Winkel_aus_Laenge(const Mass& versatz, const Mass& laenge) {
    if (const Mass* fehlt = Erstes_fehlendes({&versatz, &laenge})) {
        return *fehlt;
    }
    if (*laenge.Wert <= 0) {
        return Mass::Ohne("Der Längenversatz muss größer als 0 sein");
    }
    if (*versatz.Wert == 0) {
        return Mass::Ohne("Ohne Versatz läuft die Leitung gerade: kein Bogen");
    }
    const double winkel = std::atan2(*versatz.Wert, *laenge.Wert) / Grad;
    if (winkel < Winkel_kleinster) {
        return Mass::Ohne("Der Bogenwinkel aus Versatz und Längenversatz liegt unter 1°");
    }
    return Mass::Mit(winkel);
}

void Strecken(const Etageneingabe& e, Etagenergebnis& r) {
    const Mass& t = r.Wahrer_Versatz;
    if (const Mass* fehlt = Erstes_fehlendes({&t, &r.Winkel})) {
        r.Schraeglaenge = r.Lauf = *fehlt;
        return;
    }
    if (e.Laenge_fest) {
        r.Lauf = e.Laenge;
        r.Schraeglaenge = Endlich(std::hypot(*t.Wert, *e.Laenge.Wert));
        return;
    }
    const double a = *r.Winkel.Wert * Grad;
    r.Schraeglaenge = Endlich(*t.Wert / std::sin(a));
    // At 90° the run is 0; cos gives it exactly, where 1 / tan would not.
    r.Lauf = *r.Winkel.Wert == 90 ? Mass::Mit(0) : Endlich(*t.Wert * std::cos(a) / std::sin(a));
}

void Zuschnitt(const Etageneingabe& e, Etagenergebnis& r) {
    if (const Mass* fehlt = Erstes_fehlendes({&r.Abzug, &e.Spalt, &r.Winkel})) {
        r.Zuschnitt = r.Kleinster_Versatz = *fehlt;
        return;
    }
    const double boegen = 2 * *r.Abzug.Wert + 2 * *e.Spalt.Wert;
    r.Kleinster_Versatz = Endlich(boegen * std::sin(*r.Winkel.Wert * Grad));
    if (const Mass* fehlt = Erstes_fehlendes({&r.Schraeglaenge})) {
        r.Zuschnitt = *fehlt;
    } else if (*r.Wahrer_Versatz.Wert == 0) {
        r.Zuschnitt = Mass::Ohne("Ohne Versatz läuft die Leitung gerade: keine Etage");
    } else if (const double rest = *r.Schraeglaenge.Wert - boegen; rest < 0) {
        r.Zuschnitt = Mass::Ohne("Die Bögen allein sind länger als die Schräglänge");
    } else {
        r.Zuschnitt = Endlich(rest);
    }
}

} // namespace

Mass Nicht_negativ(Mass m, const std::string& name) {
    if (m.Da() && *m.Wert < 0) {
        return Mass::Ohne(name + " darf nicht negativ sein");
    }
    return m;
}

double Bogenabzug(double radius, double winkel) {
    return winkel == 90 ? radius : radius * std::tan(winkel / 2 * Grad);
}

Etagenergebnis Etage_rechnen(const Etageneingabe& e) {
    Etagenergebnis r;
    if (const Mass* fehlt = Erstes_fehlendes({&e.Versatz, &e.Seitenversatz})) {
        r.Wahrer_Versatz = r.Drehwinkel = *fehlt;
    } else {
        const double h = *e.Versatz.Wert, s = *e.Seitenversatz.Wert;
        r.Wahrer_Versatz = Endlich(std::hypot(h, s));
        r.Drehwinkel = h == 0 && s == 0 ? Mass::Ohne("Ohne Versatz gibt es nichts zu drehen")
                                        : Mass::Mit(std::atan2(s, h) / Grad);
    }
    r.Winkel =
        e.Laenge_fest ? Winkel_aus_Laenge(r.Wahrer_Versatz, e.Laenge) : Winkel_pruefen(e.Winkel);
    Strecken(e, r);
    if (const Mass* fehlt = Erstes_fehlendes({&e.Radius, &r.Winkel})) {
        r.Abzug = *fehlt;
    } else {
        r.Abzug = Endlich(Bogenabzug(*e.Radius.Wert, *r.Winkel.Wert));
    }
    Zuschnitt(e, r);
    return r;
}

Kuerzung Bogen_kuerzen(const Mass& radius, const Mass& aussendurchmesser, const Mass& winkel) {
    const Mass a = Winkel_pruefen(winkel);
    if (const Mass* fehlt = Erstes_fehlendes({&radius, &a})) {
        return {*fehlt, *fehlt, *fehlt, *fehlt};
    }
    const double r = *radius.Wert, bogen = *a.Wert * Grad;
    Kuerzung k;
    k.Mitte = Endlich(r * bogen);
    k.Abzug = Endlich(Bogenabzug(r, *a.Wert));
    if (!aussendurchmesser.Da()) {
        k.Ruecken = k.Kehle = aussendurchmesser;
        return k;
    }
    const double halb = *aussendurchmesser.Wert / 2;
    k.Ruecken = Endlich((r + halb) * bogen);
    k.Kehle = r < halb ? Mass::Ohne("Der Radius ist kleiner als der halbe Außendurchmesser")
                       : Endlich((r - halb) * bogen);
    return k;
}

} // namespace pelmark
