#include "calc/durchfluss.h"

#include "store/gleitkomma.h"
#include "store/zahlen.h"

#include <numbers>
#include <string>

namespace pelmark {

namespace {

// A quantity the panel can use: read, and greater than 0. Anything else counts
// as not given; for the edited field the reason is kept.
struct Groesse {
    double Wert = 0;
    std::string Grund;
    bool Gegeben() const { return Grund.empty(); }
};

// A flow rate and a velocity may both be negative (the flow runs backwards);
// a diameter must be greater than 0.
Groesse Lies_Groesse(const std::string& text, const char* name, bool positiv) {
    if (text.empty()) {
        return {0, std::string(name) + ": keine Eingabe"};
    }
    const auto wert = Lies_Zahl_streng(text);
    if (!wert) {
        return {0, std::string(name) + ": «" + text + "» ist keine Zahl"};
    }
    if (*wert == 0 || (positiv && !(*wert > 0))) {
        return {0, std::string(name) + (positiv ? " muss größer als 0 sein" : ": 0")};
    }
    return {static_cast<double>(*wert), {}};
}

struct Flusswerte {
    Groesse Q;    // m³/s
    Groesse d;    // mm
    double A = 0; // m²
    Groesse w;    // m/s
};

Flusswerte Lies_Flusswerte(Mainform& f) {
    const auto& m = f.maske;
    Flusswerte v;
    v.Q = Lies_Groesse(m.E_Menge.Text, "Menge", false);
    v.Q.Wert = gk::pruefe(v.Q.Wert / 3600.0);
    f.Q = v.Q.Wert;
    v.d = Lies_Groesse(m.E_Innendurchmesser.Text, "Innendurchmesser", true);
    v.A = Querschnitt_rechnen(v.d.Wert);
    v.w = Lies_Groesse(m.E_Geschwindigkeit.Text, "Geschwindigkeit", false);
    return v;
}

enum class Formel { keine, Geschwindigkeit, Innendurchmesser, Menge };

// The field the edited one recomputes, as the "Fix" buttons allow.
Formel Ziel(const Maske& m, const Flusswerte& v, Durchflussfeld geaendert) {
    switch (geaendert) {
    case Durchflussfeld::Menge:
        return v.d.Gegeben() && !m.RB_W.Checked    ? Formel::Geschwindigkeit
               : v.w.Gegeben() && !m.RB_Id.Checked ? Formel::Innendurchmesser
                                                   : Formel::keine;
    case Durchflussfeld::Innendurchmesser:
        return v.Q.Gegeben() && !m.RB_W.Checked   ? Formel::Geschwindigkeit
               : v.w.Gegeben() && !m.RB_Q.Checked ? Formel::Menge
                                                  : Formel::keine;
    case Durchflussfeld::Geschwindigkeit:
        return m.RB_W.Checked                      ? Formel::keine
               : v.Q.Gegeben() && !m.RB_Id.Checked ? Formel::Innendurchmesser
               : v.d.Gegeben() && !m.RB_Q.Checked  ? Formel::Menge
                                                   : Formel::keine;
    }
    return Formel::keine;
}

const Groesse& Eingabe(const Flusswerte& v, Durchflussfeld geaendert) {
    return geaendert == Durchflussfeld::Menge              ? v.Q
           : geaendert == Durchflussfeld::Innendurchmesser ? v.d
                                                           : v.w;
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
    auto& m = f.maske;
    const Flusswerte v = Lies_Flusswerte(f);
    const Formel formel = Ziel(m, v, geaendert);
    Edit* feld = formel == Formel::Geschwindigkeit    ? &m.E_Geschwindigkeit
                 : formel == Formel::Innendurchmesser ? &m.E_Innendurchmesser
                 : formel == Formel::Menge            ? &m.E_Menge
                                                      : nullptr;
    if (feld == nullptr) {
        return;
    }
    // An edited value that cannot be used leaves no result computed from the
    // value before it.
    if (const Groesse& eingabe = Eingabe(v, geaendert); !eingabe.Gegeben()) {
        feld->Text = "-";
        feld->Quelle = Herkunft{{}, {}, eingabe.Grund, 0};
        return;
    }
    if (formel == Formel::Innendurchmesser && (v.Q.Wert < 0) != (v.w.Wert < 0)) {
        feld->Text = "-";
        feld->Quelle =
            Herkunft{{}, {}, "Menge und Geschwindigkeit mit verschiedenen Vorzeichen", 0};
        return;
    }
    const double wert = formel == Formel::Geschwindigkeit ? Geschwindigkeit_rechnen(v.Q.Wert, v.A)
                        : formel == Formel::Innendurchmesser
                            ? Innendurchmesser_rechnen(v.Q.Wert, v.w.Wert)
                            : Menge_rechnen(v.A, v.w.Wert);
    feld->Text = Festkomma(wert, 2, f.Dezimal);
    feld->Quelle = {};
}

} // namespace pelmark
