// The printable description of the branch and mitre templates.
#include "calc/schablonenblatt.h"

#include "store/zahlen.h"

#include <algorithm>

namespace pelmark {

namespace {

std::string Teilungszeile(const Abwicklung& a) {
    return "Teilung " + std::to_string(a.Zeilen.size()) + ", Abwicklung " + Mm_Text(a.Laenge) +
           " mm";
}

// Moves the curve so its smallest x and y are 0.
Schablonenzeichnung Mit_Kurve(Schablonenzeichnung z, std::vector<Punkt2> kurve) {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!kurve.empty()) {
        x0 = x1 = kurve.front().x;
        y0 = y1 = kurve.front().y;
    }
    for (const Punkt2& p : kurve) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    for (Punkt2& p : kurve) {
        p = {p.x - x0, p.y - y0};
    }
    z.Breite = x1 - x0;
    z.Hoehe = y1 - y0;
    z.Kurve = std::move(kurve);
    return z;
}

} // namespace

std::string Mm_Text(double wert) {
    return Festkomma(wert, 1, ',');
}

std::string Grad_Text(double wert) {
    return Festkomma(wert, 1, ',') + "°";
}

std::string Ordinatenbezeichnung(const Ordinate& o) {
    return "Teilung " + std::to_string(o.Teilung) + ": " + Grad_Text(o.Winkel) + ", Bogen " +
           Mm_Text(o.Bogen) + " mm";
}

std::vector<Schablonenzeichnung> Stutzen_zeichnungen(const Stutzen& s, const Schablonennamen& n) {
    const Stutzenmasse& m = s.Masse;
    const std::vector<std::string> angaben = {
        "Stutzen " + n.Stutzen + " (Da " + Mm_Text(m.Da_Stutzen) + " mm) auf Hauptrohr " +
            n.Hauptrohr + " (Da " + Mm_Text(m.Da_Hauptrohr) + " mm)",
        "Winkel " + Grad_Text(m.Winkel) + ", Außermitte " + Mm_Text(m.Aussermitte) + " mm",
        Teilungszeile(s.Schablone)};
    Schablonenzeichnung stutzen{
        "Stutzen " + n.Stutzen + " auf " + n.Hauptrohr, angaben, 0, 0, {}, s.Schablone.Zeilen};
    stutzen.Angaben.push_back("Um den Stutzen legen; Teilung 0 auf der stumpfen Seite (Ferse), "
                              "Tiefe vom Rohrende");
    Schablonenzeichnung ausschnitt{
        "Ausschnitt im Hauptrohr " + n.Hauptrohr + " für Stutzen " + n.Stutzen,
        angaben,
        0,
        0,
        {},
        {}};
    ausschnitt.Angaben.push_back("Auf das Hauptrohr legen; quer: Umfang ab Scheitel, längs: "
                                 "Rohrachse");
    return {Mit_Kurve(std::move(stutzen), s.Schablone.Kurve),
            Mit_Kurve(std::move(ausschnitt), s.Ausschnitt)};
}

std::vector<Schablonenzeichnung> Segmentbogen_zeichnungen(const Segmentbogen& b,
                                                          const std::string& groesse) {
    const Segmentmasse& m = b.Masse;
    Schablonenzeichnung z{"Segmentbogen " + groesse,
                          {"Segmentbogen " + groesse + " (Da " + Mm_Text(m.Da) + " mm), Radius " +
                               Mm_Text(m.Radius) + " mm",
                           "Winkel " + Grad_Text(m.Winkel) + ", " + std::to_string(m.Teile) +
                               " Teile, Schnitt " + Grad_Text(b.Schnittwinkel),
                           Teilungszeile(b.Schablone),
                           "Um das Rohr legen; Teilung 0 am Rücken, Tiefe vom Ende des Rückens"},
                          0,
                          0,
                          {},
                          b.Schablone.Zeilen};
    return {Mit_Kurve(std::move(z), b.Schablone.Kurve)};
}

std::vector<std::string> Segmentstueck_zeilen(const Segmentbogen& b) {
    std::vector<std::string> zeilen;
    for (const Segmentstueck& s : b.Stuecke) {
        zeilen.push_back(std::string(s.Halb ? "Endstück" : "Mittelstück") + ": Rücken " +
                         Mm_Text(s.Ruecken) + " mm, Mitte " + Mm_Text(s.Mitte) + " mm, Kehle " +
                         Mm_Text(s.Kehle) + " mm");
    }
    return zeilen;
}

} // namespace pelmark
