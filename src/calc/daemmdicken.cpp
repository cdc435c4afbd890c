#include "calc/abstand.h"

#include "store/nennweiten.h"

namespace pelmark {

namespace {

Zellbezug Flansch_D(const Mainform& f, const Liste& dn, const Liste& pn) {
    const bool din = f.maske.RB_DIN_Rohr.Checked;
    const Tabellenspeicher& s = f.Speicher;
    const Tabelle& flansche = din ? s.DIN_Flansche : s.ANSI_Flansche;
    const int basis = 7 * pn.ItemIndex;
    return Zelle(s, flansche, basis + 2, dn.ItemIndex + 1,
                 flansche.Inhalt(basis, 0) + " " + flansche.Inhalt(basis + 2, 0));
}

Zellbezug Rohr_da(const Mainform& f, const Liste& dn) {
    const Tabellenspeicher& s = f.Speicher;
    return Zelle(s, f.maske.RB_DIN_Rohr.Checked ? s.Din_Rohre : s.ANSI_Rohre, 1, dn.ItemIndex + 1);
}

} // namespace

void Abstand_Herkunft(Mainform& f) {
    auto& m = f.maske;
    Herkunft h;
    h.Regel = "größere Hülle (halber Flansch-Ø + Dämmung) + 50 mm + halber Rohr-Ø und Dämmung "
              "der anderen Leitung";
    h.Zellen = {Flansch_D(f, m.LB_DN1, m.LB_PN1), Rohr_da(f, m.LB_DN1),
                Flansch_D(f, m.LB_DN2, m.LB_PN2), Rohr_da(f, m.LB_DN2)};
    m.E_Abstand_Anlage.Quelle = h;
    h.Regel = "Abstand in der Anlage + 50 mm";
    m.E_Abstand_RBR.Quelle = std::move(h);
}

void Daemmdicken_zeigen(Mainform& f) {
    auto& m = f.maske;
    const Tabellenspeicher& s = f.Speicher;
    const int spalte = m.LB_Temperatur.ItemIndex + 1;
    const int nw = m.LB_NW.ItemIndex + 1;
    const std::array<std::pair<Edit*, const Tabelle*>, 2> felder = {
        {{&m.E_Isolierstaerke, &s.Isolierung},
         {&m.E_Beruehrungsschutzisolierung, &s.Beruehrungsschutz}}};
    for (const auto& [feld, tabelle] : felder) {
        const int zeile = m.RB_ANSI_Rohr.Checked ? Din_Zeile_fuer_Ansi(s, *tabelle, nw) : nw;
        if (zeile < 0) {
            feld->Text = "-";
            feld->Quelle = Herkunft{{}, {}, "keine DIN-Nennweite entspricht dieser NPS", 0};
        } else if (zeile == 0) {
            // LB_NW follows the pipe's size; the insulation table lacks it.
            feld->Text = "-";
            feld->Quelle = Herkunft{{}, {}, "die Dämmtabelle hat diese Nennweite nicht", 0};
        } else {
            Zelle_zeigen(*feld, s, *tabelle, spalte, zeile);
        }
    }
}

} // namespace pelmark
