#include "app/zuschnittblatt.h"

#include "app/aufruf.h"
#include "calc/bogenabzug.h"
#include "calc/etagenskizze.h"
#include "form/quellentext.h"

namespace pelmark {

namespace {

struct Wertzeile {
    const char* Beschriftung;
    Edit Maske::*Feld;
    const char* Einheit;
};

// The data file and cell of a value, or why it shows "-".
std::string Herkunftstext(const Mainform& f, const Edit& feld) {
    std::string text;
    for (const std::string& zeile : Quellentext(f, feld)) {
        if (zeile.rfind("Kein Wert: ", 0) == 0 || zeile.rfind("Datei ", 0) == 0) {
            text += (text.empty() ? "" : "; ") + zeile;
        }
    }
    return text;
}

Blattgruppe Gruppe(const Mainform& f, const char* titel, std::initializer_list<Wertzeile> zeilen) {
    Blattgruppe g{titel, {}, {}};
    for (const Wertzeile& z : zeilen) {
        const Edit& feld = f.maske.*z.Feld;
        g.Zeilen.push_back({{}, z.Beschriftung, feld.Text, z.Einheit, Herkunftstext(f, feld)});
    }
    return g;
}

Blattgruppe Auswahl(const Mainform& f, const Rohrbaubogen& b) {
    const std::string da = "Datei " + b.Da_Zelle.Datei + ", Zeile " +
                           std::to_string(b.Da_Zelle.Zeile + 2) + ", Spalte " +
                           std::to_string(b.Da_Zelle.Spalte + 1);
    const std::string r = "Datei " + b.Radiuszelle.Datei + ", Zeile " +
                          std::to_string(b.Radiuszelle.Zeile + 2) + ", Spalte " +
                          std::to_string(b.Radiuszelle.Spalte + 1);
    const auto& m = f.maske;
    return {"Rohr und Bogen",
            {},
            {{{}, "Norm", b.Norm, "", ""},
             {{}, "Nennweite", b.Nennweite, "", ""},
             {{}, "Außendurchmesser Da", b.Da_Zelle.Text, "mm", da},
             {{}, "Bogen", b.Bauart, "", ""},
             {{}, "Radius R (90°)", b.Radiuszelle.Text, "mm", r},
             {{}, "Schweißspalt je Naht", m.E_Etage_Spalt.Text, "mm", ""}}};
}

Blattgruppe Eingaben(const Mainform& f) {
    const auto& m = f.maske;
    Blattgruppe g{"Etage: Eingaben", {}, {}};
    g.Zeilen.push_back({{}, "Versatz H", m.E_Etage_Versatz.Text, "mm", ""});
    g.Zeilen.push_back({{}, "Seitenversatz S", m.E_Etage_Seitenversatz.Text, "mm", ""});
    if (m.RB_Etage_Laenge.Checked) {
        g.Zeilen.push_back({{}, "Längenversatz (fest)", m.E_Etage_Laenge.Text, "mm", ""});
    } else {
        g.Zeilen.push_back({{}, "Bogenwinkel α", m.E_Etage_Winkel.Text, "°", ""});
    }
    return g;
}

std::string Skizze(const Mainform& f) {
    const auto& m = f.maske;
    const auto mit = [](const Edit& e, const char* einheit) {
        return e.Text == "-" ? e.Text : e.Text + " " + einheit;
    };
    return Etagenskizze_svg({mit(m.E_Etage_Wahrer_Versatz, "mm"), mit(m.E_Etage_Lauf, "mm"),
                             mit(m.E_Etage_Schraeg, "mm"), mit(m.E_Etage_Alpha, "°"),
                             mit(m.E_Etage_Abzug, "mm"), mit(m.E_Etage_Zuschnitt, "mm")});
}

} // namespace

Massblatt Zuschnittblatt_erstellen(const Mainform& f, const std::string& datum) {
    const Rohrbaubogen b = Bogen_der_Auswahl(f);
    Massblatt blatt;
    blatt.Titel = "Zuschnittblatt Etage " + b.Nennweite + " (" + b.Norm + ")";
    blatt.Version = Versionstext();
    blatt.Datum = datum;
    blatt.Gruppen.push_back(Auswahl(f, b));
    blatt.Gruppen.push_back(Eingaben(f));
    blatt.Gruppen.push_back(Gruppe(f, "Etage: Ergebnis",
                                   {{"Wahrer Versatz", &Maske::E_Etage_Wahrer_Versatz, "mm"},
                                    {"Drehwinkel", &Maske::E_Etage_Drehwinkel, "°"},
                                    {"Winkel α", &Maske::E_Etage_Alpha, "°"},
                                    {"Schräglänge", &Maske::E_Etage_Schraeg, "mm"},
                                    {"Lauf", &Maske::E_Etage_Lauf, "mm"},
                                    {"Abzug L(α) je Bogen", &Maske::E_Etage_Abzug, "mm"},
                                    {"Zuschnittlänge", &Maske::E_Etage_Zuschnitt, "mm"},
                                    {"Kleinster Versatz", &Maske::E_Etage_Kleinster, "mm"}}));
    blatt.Gruppen.push_back({"Skizze", {Skizze(f)}, {}});
    blatt.Gruppen.push_back(Gruppe(f, "Bogen kürzen",
                                   {{"Winkel α", &Maske::E_Bogen_Alpha, "°"},
                                    {"Rücken", &Maske::E_Bogen_Ruecken, "mm"},
                                    {"Kehle", &Maske::E_Bogen_Kehle, "mm"},
                                    {"Mitte", &Maske::E_Bogen_Mitte, "mm"},
                                    {"Abzug L(α)", &Maske::E_Bogen_Abzug, "mm"}}));
    return blatt;
}

} // namespace pelmark
