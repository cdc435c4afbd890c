#include "components/schritte.h"

#include "store/gleitkomma.h"
#include "store/mathe.h"
#include "store/text.h"

#include <algorithm>
#include <array>

namespace pelmark {

Normtabellen Din_Tabellen(const Tabellenspeicher& s) {
    return {s.Din_Rohre,  s.DIN_Boegen,   s.DIN_T_Stuecke,          s.DIN_Red,
            s.DIN_Kappen, s.DIN_Flansche, s.Armaturenbaureihen_DIN, s.Baureihenzuordnung_DIN,
            false};
}

Normtabellen Ansi_Tabellen(const Tabellenspeicher& s) {
    return {s.ANSI_Rohre,  s.ANSI_Boegen,   s.ANSI_T_Stuecke,          s.ANSI_Red,
            s.ANSI_Kappen, s.ANSI_Flansche, s.Armaturenbaureihen_ANSI, s.Baureihenzuordnung_ANSI,
            true};
}

Auswahl Lies_Auswahl(const Maske& m) {
    // A list without a selection has index -1: its row becomes the caption
    // row 0, its column the one before the first it offers.
    return {m.LB_AD1.ItemIndex + 1, m.LB_AD2.ItemIndex + 1, m.LB_WD_Reihe.ItemIndex + 2,
            m.LB_Radius.ItemIndex + 1, m.LB_PN.ItemIndex};
}

Extended Rueckgelesen(std::string_view text) {
    const auto wert = Lies_Zahl_streng(Komma_zu_Punkt(text));
    return wert ? *wert : Fehlwert;
}

Extended Rueckgelesen_ohne_Klammer(std::string_view text) {
    return Rueckgelesen(Kommentar_ausblenden(Komma_zu_Punkt(text)));
}

bool Fehlt(Extended wert) {
    return wert == Fehlwert;
}

std::string Laenge(const Mainform& f, Extended wert, int stellen) {
    // Two huge read-back values can overflow their sum: the platform reports
    // that instead of showing an infinite length.
    return Festkomma(gk::pruefe(wert), stellen, f.Dezimal);
}

namespace {

// A concentric reducer's length is listed under the larger of its two sizes;
// two equal sizes need no reducer.
void Reduzierstueck_eintragen(Mainform& f, const Normtabellen& t, const Auswahl& a) {
    Edit& feld = f.maske.E_Red_BL;
    if (a.DN1_Zeile == a.DN2_Zeile) {
        feld.Text = "-";
        feld.Quelle = Herkunft{{}, {}, "DN1 = DN2: kein Reduzierstück", 0};
        return;
    }
    Zelle_zeigen(feld, f.Speicher, t.Red, 1, std::max(a.DN1_Zeile, a.DN2_Zeile));
    feld.Quelle.Regel = "Baulänge in der Zeile der größeren Nennweite";
}

} // namespace

void Rohrteile_eintragen(Mainform& f, const Normtabellen& t, const Auswahl& a) {
    auto& m = f.maske;
    const Tabellenspeicher& s = f.Speicher;
    Zelle_zeigen(m.E_WD1, s, t.Rohre, a.WD_Spalte, a.DN1_Zeile);
    Zelle_zeigen(m.E_DA1, s, t.Rohre, 1, a.DN1_Zeile);
    Zelle_zeigen(m.E_WD2, s, t.Rohre, a.WD_Spalte, a.DN2_Zeile);
    Zelle_zeigen(m.E_DA2, s, t.Rohre, 1, a.DN2_Zeile);
    Zelle_zeigen(m.E_Radius_Bogen, s, t.Boegen, a.Radius_Spalte, a.DN1_Zeile);
    // The tee table is square: the diagonal holds the run length a, the
    // other cells of a row the branch lengths b.
    Zelle_zeigen(m.E_T_BL_a, s, t.T_Stuecke, a.DN1_Zeile, a.DN1_Zeile);
    Zelle_zeigen(m.E_T_BL_b, s, t.T_Stuecke, a.DN2_Zeile, a.DN1_Zeile);
    Reduzierstueck_eintragen(f, t, a);
    Zelle_zeigen(m.E_Kappe_BL, s, t.Kappen, 1, a.DN1_Zeile);
}

void Rohrteile_zuruecklesen(const Mainform& f, Rueckwerte& w) {
    w.R = Rueckgelesen(f.maske.E_Radius_Bogen.Text);
    w.a = Rueckgelesen(f.maske.E_T_BL_a.Text);
}

void Bogensegmente_schreiben(Mainform& f, const Rueckwerte& w) {
    auto& m = f.maske;
    const std::array<Edit*, 5> felder = {&m.E_L_Bogen15, &m.E_L_Bogen30, &m.E_L_Bogen45,
                                         &m.E_L_Bogen60, &m.E_L_Bogen75};
    const Herkunft herkunft = Berechnet("R · tan(α/2), α = 15°, 30° … 75°", {&m.E_Radius_Bogen});
    for (Edit* feld : felder) {
        feld->Quelle = herkunft;
    }
    if (Fehlt(w.R)) {
        for (Edit* feld : felder) {
            feld->Text = "-";
        }
        m.E_L_Bg_T.Text = "-";
        m.E_L_Bg_Fl.Text = "-";
        return;
    }
    // A segment of angle alpha reaches R * tan(alpha / 2) from its end.
    Extended winkel = 15;
    for (Edit* feld : felder) {
        feld->Text = Laenge(f, w.R * Tangens(winkel / 2));
        winkel += 15;
    }
}

} // namespace pelmark
