#include "calc/massumwandlung.h"

#include "store/gleitkomma.h"

namespace pelmark {

namespace {

void Waehle(Liste& liste, int index) {
    liste.ItemIndex = index >= 0 && index < liste.Count() ? index : -1;
}

void Listen_fuellen(Mainform& f, int M, int Q, int Z) {
    auto& m = f.maske;
    const Tabellenspeicher& s = f.Speicher;
    m.LB_Massart.Clear();
    m.LB_Quellmass.Clear();
    m.LB_Zielmass.Clear();
    for (int i = 0; i < s.Anz_Massarten; ++i) {
        m.LB_Massart.Add(s.Inhalt_Masse(i, 0).Massart);
    }
    Waehle(m.LB_Massart, M);
    for (int u = 0; u <= s.Inhalt_Masse(M, 0).Massanz; ++u) {
        const Massrecord& einheit = s.Inhalt_Masse(M, u);
        const std::string text = einheit.Beschreibung + " [" + einheit.Kuerzel + "]";
        m.LB_Quellmass.Add(text);
        m.LB_Zielmass.Add(text);
    }
    Waehle(m.LB_Quellmass, Q);
    Waehle(m.LB_Zielmass, Z);
}

// An amount that does not read is reported and reset to "1"; this display
// then converts the 1 the field shows.
Extended Menge_lesen(Mainform& f) {
    const auto wert = Lies_Zahl_streng(f.maske.E_Anz_Quellmass.Text);
    if (wert) {
        return *wert;
    }
    Zeige_Hinweis(f, Meldungsart::information, Meldung_Eingabe_unzulaessig);
    f.maske.E_Anz_Quellmass.Text = "1";
    return 1;
}

} // namespace

Extended Umrechnen(Extended V, Extended Fq, Extended Fz, std::string_view quelle,
                   std::string_view ziel) {
    const Extended kehrwert = gk::teile(Extended{1}, Fz);
    Extended R = gk::pruefe(gk::pruefe(V * Fq) * kehrwert);
    if (quelle == "°C") {
        if (ziel == "°C") {
            R = V;
        } else if (ziel == "°F") {
            R = gk::pruefe(1.8L * V + 32);
        }
    } else if (quelle == "°F") {
        if (ziel == "°C") {
            R = gk::pruefe((V - 32) * (5.0L / 9.0L));
        } else if (ziel == "°F") {
            R = V;
        }
    }
    return R;
}

void Anzeige_Massumwandlung(Mainform& f) {
    auto& m = f.maske;
    const Tabellenspeicher& s = f.Speicher;
    const int M = s.Massartpos;
    const int Q = s.Quellmasspos;
    const int Z = s.Zielmasspos;
    Listen_fuellen(f, M, Q, Z);
    const Extended V = Menge_lesen(f);
    m.L_Quelle.Caption = s.Inhalt_Masse(M, Q).Kuerzel;
    m.L_Ziel.Caption = s.Inhalt_Masse(M, Z).Kuerzel;
    const Extended Fq = Zelle_zu_Zahl(s.Inhalt_Masse(M, Q).SI_Wert, f.Dezimal);
    const Extended Fz = Zelle_zu_Zahl(s.Inhalt_Masse(M, Z).SI_Wert, f.Dezimal);
    const Extended R = Umrechnen(V, Fq, Fz, m.L_Quelle.Caption, m.L_Ziel.Caption);
    m.E_Anz_Zielmass.Text = Fuenfstellig(R, f.Dezimal);
}

} // namespace pelmark
