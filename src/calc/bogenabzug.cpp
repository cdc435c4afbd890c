#include "calc/bogenabzug.h"

#include "store/text.h"
#include "store/zahlen.h"

namespace pelmark {

namespace {

// A cell as the read-back rule reads it; -1 counts as missing.
Mass Zellwert(const Zellbezug& z, const std::string& grund) {
    const auto wert = Lies_Zahl_streng(Komma_zu_Punkt(z.Text));
    if (!wert || *wert == -1) {
        return Mass::Ohne(grund);
    }
    return Mass::Mit(static_cast<double>(*wert));
}

} // namespace

Rohrbaubogen Bogen_der_Auswahl(const Mainform& f) {
    const auto& m = f.maske;
    const Tabellenspeicher& s = f.Speicher;
    const bool ansi = m.RB_ANSI_Rohr.Checked;
    const Tabelle& rohre = ansi ? s.ANSI_Rohre : s.Din_Rohre;
    const Tabelle& boegen = ansi ? s.ANSI_Boegen : s.DIN_Boegen;
    // As on the first page: a list without a selection reads the caption row.
    const int zeile = m.LB_AD1.ItemIndex + 1;
    const int spalte = m.LB_Radius.ItemIndex + 1;
    Rohrbaubogen b;
    b.Norm = ansi ? "ANSI" : "DIN";
    b.Nennweite = m.LB_AD1.Auswahltext();
    b.Bauart = m.LB_Radius.Auswahltext();
    b.Radiuszelle = Zelle(s, boegen, spalte, zeile);
    b.Da_Zelle = Zelle(s, rohre, 1, zeile);
    const std::string fuer = " für " + b.Nennweite + " (" + b.Norm + ")";
    b.Radius = Zellwert(b.Radiuszelle, "Kein Bogenradius" + fuer + ", " + b.Bauart);
    b.Aussendurchmesser = Zellwert(b.Da_Zelle, "Kein Außendurchmesser" + fuer);
    return b;
}

std::string Bogenzeile(const Rohrbaubogen& b) {
    return b.Nennweite + " (" + b.Norm + ") · Da " + b.Da_Zelle.Text + " mm · " + b.Bauart +
           ": R " + b.Radiuszelle.Text + " mm";
}

Herkunft Abzug_Herkunft(const Rohrbaubogen& b, const Mass& winkel) {
    Herkunft h;
    h.Zellen = {b.Radiuszelle};
    if (winkel.Da()) {
        h.Regel = *winkel.Wert == 90
                      ? "L(90°) = R, der Radius des 90°-Bogens aus der Tabelle"
                      : "L(α) = R · tan(α/2); die Tabelle nennt nur R des 90°-Bogens";
    }
    return h;
}

} // namespace pelmark
