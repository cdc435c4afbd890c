#include "calc/bogenabzug.h"
#include "calc/rohrbau.h"

#include "store/text.h"
#include "store/zahlen.h"

namespace pelmark {

namespace {

// A typed value; the empty or unreadable text has none, with the reason.
Mass Eingabe(const Edit& feld, const std::string& name) {
    if (feld.Text.empty()) {
        return Mass::Ohne(name + " fehlt");
    }
    const auto wert = Lies_Zahl_streng(Komma_zu_Punkt(feld.Text));
    if (!wert) {
        return Mass::Ohne(name + ": \"" + feld.Text + "\" ist keine Zahl");
    }
    return Mass::Mit(static_cast<double>(*wert));
}

Mass Laenge_eingegeben(const Edit& feld, const std::string& name) {
    return Nicht_negativ(Eingabe(feld, name), name);
}

// The field shows the value with that many decimals, or "-" with the reason.
void Zeige(Mainform& f, Edit& feld, const Mass& mass, Herkunft herkunft, int stellen = 1) {
    if (mass.Da()) {
        feld.Text = Festkomma(*mass.Wert, stellen, f.Dezimal);
    } else {
        feld.Text = "-";
        herkunft.Grund = mass.Grund;
    }
    feld.Quelle = std::move(herkunft);
}

Herkunft Regel(std::string regel, const std::vector<Zellbezug>& zellen = {}) {
    Herkunft h;
    h.Regel = std::move(regel);
    h.Zellen = zellen;
    return h;
}

void Etage_zeigen(Mainform& f, const Rohrbaubogen& b, const Etagenergebnis& r) {
    auto& m = f.maske;
    const bool fest = m.RB_Etage_Laenge.Checked;
    Zeige(f, m.E_Etage_Wahrer_Versatz, r.Wahrer_Versatz, Regel("T = √(H² + S²)"));
    Zeige(f, m.E_Etage_Drehwinkel, r.Drehwinkel,
          Regel("Drehung der Bögen aus der Senkrechten: arctan(S / H)"));
    Zeige(f, m.E_Etage_Alpha, r.Winkel,
          Regel(fest ? "α = arctan(T / Längenversatz)" : "α wie eingegeben"));
    Zeige(f, m.E_Etage_Schraeg, r.Schraeglaenge,
          Regel(fest ? "√(T² + Längenversatz²)" : "T / sin α"));
    Zeige(f, m.E_Etage_Lauf, r.Lauf, Regel(fest ? "wie eingegeben" : "T / tan α"));
    Zeige(f, m.E_Etage_Abzug, r.Abzug, Abzug_Herkunft(b, r.Winkel));
    const std::vector<Zellbezug> radius = {b.Radiuszelle};
    Zeige(f, m.E_Etage_Kleinster, r.Kleinster_Versatz,
          Regel("(2 · L(α) + 2 · Spalt) · sin α", radius));
    Mass zuschnitt = r.Zuschnitt;
    if (!zuschnitt.Da() && r.Kleinster_Versatz.Da() && r.Schraeglaenge.Da() &&
        r.Wahrer_Versatz.Da() && *r.Wahrer_Versatz.Wert > 0) {
        zuschnitt.Grund +=
            "; kleinster Versatz " + Festkomma(*r.Kleinster_Versatz.Wert, 1, f.Dezimal) + " mm";
    }
    Zeige(f, m.E_Etage_Zuschnitt, zuschnitt, Regel("Schräglänge − 2 · L(α) − 2 · Spalt", radius));
}

void Bogen_zeigen(Mainform& f, const Rohrbaubogen& b, const Mass& etagenwinkel) {
    auto& m = f.maske;
    // Without a typed angle the elbow is cut to the offset's angle.
    const Mass winkel =
        m.E_Bogen_Winkel.Text.empty() ? etagenwinkel : Eingabe(m.E_Bogen_Winkel, "Der Winkel");
    const Kuerzung k = Bogen_kuerzen(b.Radius, b.Aussendurchmesser, winkel);
    const std::vector<Zellbezug> beide = {b.Radiuszelle, b.Da_Zelle};
    Zeige(f, m.E_Bogen_Alpha, winkel,
          Regel(m.E_Bogen_Winkel.Text.empty() ? "der Winkel der Etage" : "wie eingegeben"));
    Zeige(f, m.E_Bogen_Ruecken, k.Ruecken, Regel("Rücken: (R + Da/2) · α im Bogenmaß", beide));
    Zeige(f, m.E_Bogen_Kehle, k.Kehle, Regel("Kehle: (R − Da/2) · α im Bogenmaß", beide));
    Zeige(f, m.E_Bogen_Mitte, k.Mitte, Regel("Mitte: R · α im Bogenmaß", {b.Radiuszelle}));
    Zeige(f, m.E_Bogen_Abzug, k.Abzug, Abzug_Herkunft(b, winkel));
}

} // namespace

Etageneingabe Rohrbau_Eingaben(const Mainform& f) {
    const auto& m = f.maske;
    Etageneingabe e;
    e.Versatz = Laenge_eingegeben(m.E_Etage_Versatz, "Der Versatz");
    e.Seitenversatz = Laenge_eingegeben(m.E_Etage_Seitenversatz, "Der Seitenversatz");
    e.Laenge_fest = m.RB_Etage_Laenge.Checked;
    e.Winkel = Eingabe(m.E_Etage_Winkel, "Der Winkel");
    e.Laenge = Laenge_eingegeben(m.E_Etage_Laenge, "Der Längenversatz");
    e.Spalt = Laenge_eingegeben(m.E_Etage_Spalt, "Der Schweißspalt");
    return e;
}

void Anzeige_Rohrbau(Mainform& f) {
    const Rohrbaubogen b = Bogen_der_Auswahl(f);
    f.maske.L_Rohrbau_Auswahl.Caption = Bogenzeile(b);
    Etageneingabe e = Rohrbau_Eingaben(f);
    e.Radius = b.Radius;
    const Etagenergebnis r = Etage_rechnen(e);
    Etage_zeigen(f, b, r);
    Bogen_zeigen(f, b, r.Winkel);
}

} // namespace pelmark
