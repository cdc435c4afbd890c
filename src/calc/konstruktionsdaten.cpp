#include "calc/abstand.h"
#include "calc/anzeigen.h"
#include "calc/gewichte.h"
#include "calc/lasten_herkunft.h"
#include "calc/material.h"
#include "calc/stuetzweite.h"
#include "form/nennweite.h"

#include "store/zahlen.h"

#include <array>
#include <optional>

namespace pelmark {

namespace {

// A decimal number from the field, or the fallback, which the field then shows.
double Lies_mit_Ersatz(Edit& feld, double ersatz, const char* ersatztext) {
    const auto wert = Lies_Zahl_streng(feld.Text);
    if (wert) {
        return static_cast<double>(*wert);
    }
    feld.Text = ersatztext;
    return ersatz;
}

double Lies_oder_unmoeglich(const Edit& feld) {
    const auto wert = Lies_Zahl_streng(feld.Text);
    return wert ? static_cast<double>(*wert) : -1.0;
}

// A result that an input outside its physical range (a negative insulation
// thickness or filling density) cannot give: shown as "-".
using Wert = std::optional<double>;

struct Lasten {
    Wert m_L, m_F, m_I, W_i, W_u;
};

Wert Plus(const Wert& a, const Wert& b) {
    return a && b ? Wert(*a + *b) : std::nullopt;
}

std::string Zwei_Stellen(const Mainform& f, const Wert& wert) {
    return wert ? Festkomma(*wert, 2, f.Dezimal) : "-";
}

Lasten Gewichte_zeigen(Mainform& f, double D, double s, double t, double gamma) {
    auto& m = f.maske;
    const bool t_gilt = t >= 0;
    Lasten l{};
    l.m_L = masse_Leitung_rechnen(D, s, f.Gamma_Rohr_Traeger);
    if (gamma >= 0) {
        l.m_F = masse_Fuellung_rechnen(D, s, gamma);
    }
    if (t_gilt) {
        l.m_I = masse_Isolierung_rechnen(D, t);
    }
    const Wert summe = Plus(Plus(l.m_L, l.m_F), l.m_I);
    if (Winddruck_Grund(f).empty()) {
        if (t_gilt) {
            l.W_i = Windlast_rechnen(D, t, f.Winddruck);
        }
        l.W_u = Windlast_rechnen(D, 0, f.Winddruck);
    }
    m.E_Masse_Ltg.Text = Zwei_Stellen(f, l.m_L);
    m.E_Masse_Fuellung.Text = Zwei_Stellen(f, l.m_F);
    m.E_Masse_Isolierung.Text = Zwei_Stellen(f, l.m_I);
    m.E_Gesammtmasse.Text = Zwei_Stellen(f, summe);
    m.E_Windlast_isoliert.Text = Zwei_Stellen(f, l.W_i);
    m.E_Windlast_unisoliert.Text = Zwei_Stellen(f, l.W_u);
    return l;
}

// Empty and filled, bare and insulated; a span search that reaches its bound
// shows "-", as does a case whose weight or wind could not be given.
void Stuetzweiten_zeigen(Mainform& f, double D, double s, const Lasten& l) {
    auto& m = f.maske;
    struct Fall {
        Edit& feld;
        Wert M;
        Wert W;
    };
    const std::array<Fall, 4> faelle = {{
        {m.E_Stuetzweite_leer_unisoliert, l.m_L, l.W_u},
        {m.E_Stuetzweite_leer_isoliert, Plus(l.m_L, l.m_I), l.W_i},
        {m.E_Stuetzweite_voll_unisoliert, Plus(l.m_L, l.m_F), l.W_u},
        {m.E_Stuetzweite_Voll_isoliert, Plus(Plus(l.m_L, l.m_F), l.m_I), l.W_i},
    }};
    for (const Fall& fall : faelle) {
        if (!fall.M || !fall.W) {
            fall.feld.Text = "-";
            continue;
        }
        const double q = Centimetergewicht(*fall.M, *fall.W);
        const auto L = stuetzweite(f.Art, D / 10, s / 10, q, f.e_Modul);
        fall.feld.Text = Zwei_Stellen(f, L);
    }
}

} // namespace

std::string Leitungszeile(const Mainform& f) {
    const auto& m = f.maske;
    return "Leitung: " + Gewaehlte_Nennweite(m) + " · " + m.E_DA1.Text + " × " + m.E_WD1.Text +
           " · " + f.Materialname;
}

void Anzeige_Konstruktionsdaten(Mainform& f) {
    auto& m = f.maske;
    Abstand_und_Isolierung_zeigen(f);
    m.E_NW.Text = Gewaehlte_Nennweite(m);
    m.E_Wd.Text = m.E_WD1.Text;
    m.L_Leitung_Konstruktion.Caption = Leitungszeile(f);
    m.E_Wd.Quelle = m.E_WD1.Quelle;
    const double s = Lies_mit_Ersatz(m.E_Wd, 0.1, "0");
    // An insulation or density typed unreadably stays as typed and counts as
    // impossible: the results it feeds show "-".
    const double t = Lies_oder_unmoeglich(m.E_Isolierdicke);
    const double gamma = Lies_oder_unmoeglich(m.E_Gamma);
    const double D = static_cast<double>(Zelle_zu_Zahl(m.E_DA1.Text, f.Dezimal));
    const Lasten l = Gewichte_zeigen(f, D, s, t, gamma);
    Stuetzweiten_zeigen(f, D, s, l);
    Lasten_Herkunft(f);
    if (const std::string grund = Winddruck_Grund(f); !grund.empty()) {
        for (Edit* feld : {&m.E_Windlast_isoliert, &m.E_Windlast_unisoliert,
                           &m.E_Stuetzweite_leer_unisoliert, &m.E_Stuetzweite_leer_isoliert,
                           &m.E_Stuetzweite_voll_unisoliert, &m.E_Stuetzweite_Voll_isoliert}) {
            feld->Quelle.Grund = grund;
        }
    }
}

} // namespace pelmark
