#include "calc/abstand.h"

#include "store/fehler.h"
#include "store/text.h"
#include "store/zahlen.h"

#include <cmath>
#include <limits>

namespace pelmark {

namespace {

bool Baubar(std::int32_t iso) {
    return iso >= 0 && iso <= Isolierung_hoechstens;
}

std::int32_t Ganzzahl_oder_null(const std::string& text) {
    const auto wert = Lies_Ganzzahl(Komma_zu_Punkt(text));
    return wert ? *wert : 0;
}

double Dezimal_oder_null(const std::string& text) {
    const auto wert = Lies_Zahl_streng(text);
    return wert ? static_cast<double>(*wert) : 0.0;
}

Leitungsmasse Lies_Leitung(const Mainform& f, int dn_index, int pn_index, const Edit& iso) {
    const bool din = f.maske.RB_DIN_Rohr.Checked;
    const Tabellenspeicher& s = f.Speicher;
    const Matrix& rohre = din ? s.Din_Rohre.Inhalt : s.ANSI_Rohre.Inhalt;
    const Matrix& flansche = din ? s.DIN_Flansche.Inhalt : s.ANSI_Flansche.Inhalt;
    const int zeile = dn_index + 1;
    Leitungsmasse l;
    l.DF = Ganzzahl_oder_null(flansche(7 * pn_index + 2, zeile));
    l.DA = Dezimal_oder_null(rohre(1, zeile));
    l.iso = Ganzzahl_oder_null(iso.Text);
    return l;
}

} // namespace

std::int32_t Halb_gerundet(double wert) {
    const double gerundet = std::nearbyint(wert / 2);
    if (!(gerundet >= std::numeric_limits<std::int32_t>::min() &&
          gerundet <= std::numeric_limits<std::int32_t>::max())) {
        throw Fehler(meldung::Ungueltige_Operation);
    }
    return static_cast<std::int32_t>(gerundet);
}

std::optional<std::int64_t> Leitungsabstand(const Leitungsmasse& l1, const Leitungsmasse& l2) {
    if (!Baubar(l1.iso) || !Baubar(l2.iso)) {
        return std::nullopt;
    }
    const std::int64_t a1 = Halb_gerundet(l1.DA);
    const std::int64_t a2 = Halb_gerundet(l2.DA);
    const std::int64_t e1 = std::int64_t{Halb_gerundet(l1.DF)} + l1.iso;
    const std::int64_t e2 = std::int64_t{Halb_gerundet(l2.DF)} + l2.iso;
    if (e1 >= e2) {
        return e1 + Abstand_Luft + a2 + l2.iso;
    }
    return e2 + Abstand_Luft + a1 + l1.iso;
}

void Abstand_und_Isolierung_zeigen(Mainform& f) {
    auto& m = f.maske;
    const Leitungsmasse l1 =
        Lies_Leitung(f, m.LB_DN1.ItemIndex, m.LB_PN1.ItemIndex, m.E_Isolierdicke1);
    const Leitungsmasse l2 =
        Lies_Leitung(f, m.LB_DN2.ItemIndex, m.LB_PN2.ItemIndex, m.E_Isolierdicke2);
    const auto A = Leitungsabstand(l1, l2);
    m.E_Abstand_Anlage.Text = A ? std::to_string(*A) : "-";
    m.E_Abstand_RBR.Text = A ? std::to_string(*A + Abstand_Luft) : "-";
    Abstand_Herkunft(f);
    Daemmdicken_zeigen(f);
}

} // namespace pelmark
