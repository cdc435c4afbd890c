#include "calc/durchfluss.h"

#include "store/gleitkomma.h"
#include "store/zahlen.h"

#include <numbers>

namespace pelmark {

namespace {

// An unreadable text counts as 0, and 0 counts as not given.
double Lies_oder_null(const std::string& text) {
    const auto wert = Lies_Zahl_streng(text);
    return wert ? static_cast<double>(*wert) : 0.0;
}

struct Flusswerte {
    double Q = 0; // m³/s
    double d = 0; // mm
    double A = 0; // m²
    double w = 0; // m/s
};

Flusswerte Lies_Flusswerte(Mainform& f) {
    const auto& m = f.maske;
    Flusswerte v;
    v.Q = gk::pruefe(Lies_oder_null(m.E_Menge.Text) / 3600.0);
    f.Q = v.Q;
    v.d = Lies_oder_null(m.E_Innendurchmesser.Text);
    v.A = Querschnitt_rechnen(v.d);
    v.w = Lies_oder_null(m.E_Geschwindigkeit.Text);
    return v;
}

void Schreibe(Mainform& f, Edit& feld, double wert) {
    feld.Text = Festkomma(wert, 2, f.Dezimal);
}

void Aus_Menge(Mainform& f, const Flusswerte& v) {
    auto& m = f.maske;
    if (v.Q == 0) {
        return;
    }
    if (v.d != 0 && !m.RB_W.Checked) {
        Schreibe(f, m.E_Geschwindigkeit, Geschwindigkeit_rechnen(v.Q, v.A));
    } else if (v.w != 0 && !m.RB_Id.Checked) {
        Schreibe(f, m.E_Innendurchmesser, Innendurchmesser_rechnen(v.Q, v.w));
    }
}

void Aus_Innendurchmesser(Mainform& f, const Flusswerte& v) {
    auto& m = f.maske;
    if (v.d == 0) {
        return;
    }
    if (v.Q != 0 && !m.RB_W.Checked) {
        Schreibe(f, m.E_Geschwindigkeit, Geschwindigkeit_rechnen(v.Q, v.A));
    } else if (v.w != 0 && !m.RB_Q.Checked) {
        Schreibe(f, m.E_Menge, Menge_rechnen(v.A, v.w));
    }
}

void Aus_Geschwindigkeit(Mainform& f, const Flusswerte& v) {
    auto& m = f.maske;
    if (m.RB_W.Checked || v.w == 0) {
        return;
    }
    if (v.Q != 0 && !m.RB_Id.Checked) {
        Schreibe(f, m.E_Innendurchmesser, Innendurchmesser_rechnen(v.Q, v.w));
    } else if (v.d != 0 && !m.RB_Q.Checked) {
        Schreibe(f, m.E_Menge, Menge_rechnen(v.A, v.w));
    }
}

} // namespace

double Querschnitt_rechnen(double d) {
    const double d_m = d / 1000.0;
    return gk::pruefe(std::numbers::pi * (d_m * d_m) / 4.0);
}

double Geschwindigkeit_rechnen(double Q, double A) {
    return gk::teile(Q, A);
}

double Innendurchmesser_rechnen(double Q, double w) {
    const double radikand = gk::pruefe(4.0 * gk::teile(Q, w) / std::numbers::pi);
    return gk::pruefe(gk::wurzel(radikand) * 1000.0);
}

double Menge_rechnen(double A, double w) {
    return gk::pruefe(A * w * 3600.0);
}

void Durchfluss_rechnen(Mainform& f, Durchflussfeld geaendert) {
    const Flusswerte v = Lies_Flusswerte(f);
    switch (geaendert) {
    case Durchflussfeld::Menge:
        Aus_Menge(f, v);
        break;
    case Durchflussfeld::Innendurchmesser:
        Aus_Innendurchmesser(f, v);
        break;
    case Durchflussfeld::Geschwindigkeit:
        Aus_Geschwindigkeit(f, v);
        break;
    }
}

} // namespace pelmark
