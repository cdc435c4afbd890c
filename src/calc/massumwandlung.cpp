#include "calc/massumwandlung.h"

#include "store/gleitkomma.h"

#include <optional>
#include <string>
#include <string_view>

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

// An amount that does not read is reported and stays as typed; the result
// then shows "-".
std::optional<Extended> Menge_lesen(Mainform& f) {
    const auto wert = Lies_Zahl_streng(f.maske.E_Anz_Quellmass.Text);
    if (!wert) {
        Zeige_Hinweis(f, Meldungsart::information, Meldung_Eingabe_unzulaessig);
    }
    return wert;
}

// A temperature in °C or °F below absolute zero is none; "K" in the table is
// a difference and may be negative.
bool Unter_Nullpunkt(Extended V, std::string_view einheit) {
    return (einheit == "°C" && V < -273.15L) || (einheit == "°F" && V < -459.67L);
}

void Strich(Edit& feld, std::string grund) {
    feld.Text = "-";
    feld.Quelle = Herkunft{{}, {}, std::move(grund), 0};
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
    const auto V = Menge_lesen(f);
    m.L_Quelle.Caption = s.Inhalt_Masse(M, Q).Kuerzel;
    m.L_Ziel.Caption = s.Inhalt_Masse(M, Z).Kuerzel;
    Strich(m.E_Anz_Zielmass, "Rechnung abgebrochen, siehe die Fehlermeldung");
    const Extended Fq = Zelle_zu_Zahl(s.Inhalt_Masse(M, Q).SI_Wert, f.Dezimal);
    const Extended Fz = Zelle_zu_Zahl(s.Inhalt_Masse(M, Z).SI_Wert, f.Dezimal);
    if (!V) {
        Strich(m.E_Anz_Zielmass, "Die Eingabe ist keine Zahl");
        return;
    }
    if (Unter_Nullpunkt(*V, m.L_Quelle.Caption)) {
        Strich(m.E_Anz_Zielmass,
               "Temperatur unter dem absoluten Nullpunkt (−273,15 °C, −459,67 °F)");
        return;
    }
    const Extended R = Umrechnen(*V, Fq, Fz, m.L_Quelle.Caption, m.L_Ziel.Caption);
    m.E_Anz_Zielmass.Text = Fuenfstellig(R, f.Dezimal);
    m.E_Anz_Zielmass.Quelle = {};
}

} // namespace pelmark
