#include "components/schritte.h"

#include "store/mathe.h"

#include <array>
#include <cmath>

namespace pelmark {

namespace {

constexpr Extended Zoll = 25.4L;
constexpr Extended Dichtung = 4;   // "+4 mm Dicht."
constexpr Extended Ueberstand = 3; // "+3mm Überst."
constexpr Extended Bolzenzugabe_DIN = 5;
constexpr Extended Bolzenzugabe_ANSI = 6;
constexpr Extended Mutterhoehe = 0.8L; // "Mu.höhe = 0,8d"

// The nut height of a bolt rounds to whole millimetres, a half to the even one.
Extended Gerundet(Extended wert) {
    return std::nearbyint(wert);
}

void Schraubenlaengen_schreiben(Mainform& f, bool ansi, const Rueckwerte& w) {
    auto& m = f.maske;
    m.E_Schrlg_FL_FL.Quelle = Berechnet(
        "2 · Blattdicke + 4 mm Dichtung + 3 mm Überstand + Mutterhöhe 0,8 · d (auf mm gerundet)",
        {&m.E_Blattbreite, &m.E_Schr_Dm});
    m.E_Bolzenlg_Fl_Fl.Quelle =
        Berechnet(std::string("2 · Blattdicke + 4 mm Dichtung + ") + (ansi ? "6" : "5") +
                      " mm Zugabe + 2 · d (zwei Muttern)",
                  {&m.E_Blattbreite, &m.E_Schr_Dm});
    if (Fehlt(w.b) || Fehlt(w.d)) {
        m.E_Schrlg_FL_FL.Text = "-";
        m.E_Bolzenlg_Fl_Fl.Text = "-";
        return;
    }
    // Two flange thicknesses and the gasket, then the overhang and one nut,
    // or the stud-bolt allowance and two nuts.
    const Extended d_mm = ansi ? w.d * Zoll : w.d;
    const Extended flansche = 2 * w.b + Dichtung;
    const Extended schraube = flansche + Ueberstand + Gerundet(Mutterhoehe * d_mm);
    const Extended bolzen = flansche + (ansi ? Bolzenzugabe_ANSI : Bolzenzugabe_DIN) + 2 * d_mm;
    m.E_Schrlg_FL_FL.Text = Laenge(f, schraube, 0);
    m.E_Bolzenlg_Fl_Fl.Text = Laenge(f, bolzen, 0);
    m.E_Schrlg_FL_FL.Quelle.Schraube_mm = static_cast<double>(schraube);
    m.E_Bolzenlg_Fl_Fl.Quelle.Schraube_mm = static_cast<double>(bolzen);
}

} // namespace

void Flansche_eintragen(Mainform& f, const Normtabellen& t, const Auswahl& a) {
    // The flange table keeps groups of seven columns, one per pressure stage:
    // the stage caption, then height, outer diameter, thickness, bolt circle,
    // number of bolts and bolt size.
    auto& m = f.maske;
    const Tabelle& fl = t.Flansche;
    const int basis = 7 * a.PN_Gruppe;
    const int r = a.DN1_Zeile;
    const std::array<Edit*, 6> felder = {&m.E_Flanschhoehe, &m.E_Blattdm,  &m.E_Blattbreite,
                                         &m.E_Lochkreis,    &m.E_Anz_Schr, &m.E_Schr_Dm};
    for (int i = 0; i < 6; ++i) {
        const int spalte = basis + 1 + i;
        Zelle_zeigen(*felder[static_cast<size_t>(i)], f.Speicher, fl, spalte, r,
                     fl.Inhalt(basis, 0) + " " + fl.Inhalt(spalte, 0));
    }
}

void Flansche_zuruecklesen(Mainform& f, bool ansi, Rueckwerte& w) {
    auto& m = f.maske;
    // A bracketed second value (old DIN) counts for the thickness and the DIN
    // bolt size only after it is cut off; the height keeps it and is missing.
    w.h = Rueckgelesen(m.E_Flanschhoehe.Text);
    w.b = Rueckgelesen_ohne_Klammer(m.E_Blattbreite.Text);
    if (ansi) {
        w.d = Zoll_in_mm(m.E_Schr_Dm.Text);
        m.L_Schr_dm.Caption = "\"";
    } else {
        w.d = Rueckgelesen_ohne_Klammer(m.E_Schr_Dm.Text);
        m.L_Schr_dm.Caption = "mm";
    }
}

void Verbundlaengen_schreiben(Mainform& f, bool ansi, const Rueckwerte& w) {
    auto& m = f.maske;
    if (Fehlt(w.a)) {
        m.E_L_Bg_T.Text = "-";
        m.E_L_T_Stueck_Fl.Text = "-";
    }
    if (Fehlt(w.h)) {
        m.E_L_T_Stueck_Fl.Text = "-";
        m.E_L_Bg_Fl.Text = "-";
    }
    if (m.E_Schr_Dm.Text.find('(') == std::string::npos && (Fehlt(w.b) || Fehlt(w.d))) {
        m.E_Schr_Dm.Text = "-";
        // The thickness cell then tells why.
        const auto& dicke = m.E_Blattbreite.Quelle.Zellen;
        m.E_Schr_Dm.Quelle.Zellen.insert(m.E_Schr_Dm.Quelle.Zellen.begin(), dicke.begin(),
                                         dicke.end());
    }
    m.E_L_Bg_T.Quelle = Berechnet("R + a", {&m.E_Radius_Bogen, &m.E_T_BL_a});
    m.E_L_Bg_Fl.Quelle = Berechnet("R + Flanschhöhe", {&m.E_Radius_Bogen, &m.E_Flanschhoehe});
    m.E_L_T_Stueck_Fl.Quelle = Berechnet("a + Flanschhöhe", {&m.E_T_BL_a, &m.E_Flanschhoehe});
    if (!Fehlt(w.R) && !Fehlt(w.a)) {
        m.E_L_Bg_T.Text = Laenge(f, w.R + w.a);
    }
    if (!Fehlt(w.R) && !Fehlt(w.h)) {
        m.E_L_Bg_Fl.Text = Laenge(f, w.R + w.h);
    }
    if (!Fehlt(w.a) && !Fehlt(w.h)) {
        m.E_L_T_Stueck_Fl.Text = Laenge(f, w.a + w.h);
    }
    Schraubenlaengen_schreiben(f, ansi, w);
}

} // namespace pelmark
