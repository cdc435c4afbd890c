#include "app/auswahllisten.h"

#include "app/auswahl_behalten.h"
#include "app/handler.h"
#include "app/nennweitenkopplung.h"
#include "calc/anzeigen.h"
#include "calc/rohrbau.h"
#include "calc/schablonen_anzeige.h"
#include "components/aktualisieren.h"
#include "components/profile.h"
#include "form/nennweite.h"
#include "store/text.h"
#include "store/zahlen.h"

#include <array>

namespace pelmark {

namespace {

// The tables that fill the standard's lists: pipe, elbow and flange table.
struct Listentabellen {
    const Tabelle& Rohre;
    const Tabelle& Boegen;
    const Tabelle& Flansche;
};

void Waehle_Eintrag(Liste& liste, int index) {
    liste.ItemIndex = index >= 0 && index < liste.Count() ? index : -1;
}

void Leere_Listen(Maske& m) {
    const std::array<Liste*, 16> listen = {
        &m.LB_PN,           &m.LB_PN1,      &m.LB_PN2,    &m.LB_AD1,
        &m.LB_AD2,          &m.LB_DN1,      &m.LB_DN2,    &m.LB_Armaturen_NW,
        &m.LB_Armaturen_PN, &m.LB_Lager_NW, &m.LB_Profil, &m.LB_Profilart,
        &m.LB_Radius,       &m.LB_WD_Reihe, &m.LB_NW,     &m.LB_Temperatur};
    for (Liste* liste : listen) {
        liste->Clear();
    }
}

// Row 0 of columns erste, erste + schritt, ... up to the table's column count.
void Fuelle_aus_Kopfzeile(Liste& liste, const Tabelle& t, int erste, int schritt) {
    for (int c = erste; c <= t.Spaltenanz - 1; c += schritt) {
        liste.Add(t.Inhalt(c, 0));
    }
}

// Column 0 of the data rows 1 .. n - 2 (n the line count of the file).
void Fuelle_aus_Spalte0(Liste& liste, const Tabelle& t) {
    for (int r = 1; r <= t.Anzahl_Zeilen() - 2; ++r) {
        liste.Add(t.Inhalt(0, r));
    }
}

void Fuelle_Normlisten(Mainform& f, const Listentabellen& t, const Auswahlstand* behalten) {
    auto& m = f.maske;
    // One pressure stage per group of seven flange columns.
    for (Liste* liste : {&m.LB_PN, &m.LB_Armaturen_PN, &m.LB_PN1, &m.LB_PN2}) {
        Fuelle_aus_Kopfzeile(*liste, t.Flansche, 0, 7);
        Waehle_Eintrag(*liste, 0);
    }
    Fuelle_aus_Kopfzeile(m.LB_Radius, t.Boegen, 1, 1);
    Waehle_Eintrag(m.LB_Radius, 1);
    Fuelle_aus_Kopfzeile(m.LB_WD_Reihe, t.Rohre, 2, 1);
    Waehle_Eintrag(m.LB_WD_Reihe, 0);
    const std::array<Liste*, 6> nennweiten = {&m.LB_AD1, &m.LB_AD2,          &m.LB_DN1,
                                              &m.LB_DN2, &m.LB_Armaturen_NW, &m.LB_Lager_NW};
    for (int r = 1; r <= t.Rohre.Anzahl_Zeilen() - 2; ++r) {
        for (Liste* liste : nennweiten) {
            liste->Add(t.Rohre.Inhalt(0, r));
        }
    }
    for (Liste* liste : nennweiten) {
        Waehle_Eintrag(*liste, 0);
    }
    if (behalten != nullptr) {
        Normlisten_zurueck(m, *behalten);
    }
    Aktualisieren_Anzeige(f);
}

void Fuelle_Profillisten(Mainform& f) {
    auto& m = f.maske;
    for (const Profilart& art : Profilarten()) {
        m.LB_Profilart.Add(art.Listentext);
    }
    Waehle_Eintrag(m.LB_Profilart, 0);
    Profilliste_fuellen(f, f.Speicher.Winkel_Gleichschenkelig);
}

void Fuelle_Isolierlisten(Mainform& f) {
    auto& m = f.maske;
    const Tabelle& iso = f.Speicher.Isolierung;
    Fuelle_aus_Kopfzeile(m.LB_Temperatur, iso, 1, 1);
    Waehle_Eintrag(m.LB_Temperatur, 0);
    if (m.RB_ANSI_Rohr.Checked) {
        // The insulation table has DIN rows; under ANSI the list names the
        // pipe sizes, and the thicknesses come from the equivalent DIN row.
        const Tabelle& rohre = f.Speicher.ANSI_Rohre;
        for (int r = 1; r <= rohre.Anzahl_Zeilen() - 2; ++r) {
            m.LB_NW.Add(Nennweite_mit_Norm(m, rohre.Inhalt(0, r)));
        }
    } else {
        Fuelle_aus_Spalte0(m.LB_NW, iso);
    }
    if (m.LB_AD1.ItemIndex >= 0) {
        m.LB_NW.ItemIndex = Gleiche_Groesse(m.LB_AD1, m.LB_NW);
    } else {
        Waehle_Eintrag(m.LB_NW, 0);
    }
}

// The grid's fixed top row shows file line 1 (the captions), the rows below
// it the materials; file line 0 is not shown.
void Fuelle_Materialgitter(Mainform& f) {
    const Tabelle& material = f.Speicher.Material;
    TEStringGrid& grid = f.maske.SG_Material.Grid;
    grid.Row = 1;
    grid.SetRowCount(material.Anzahl_Zeilen() - 1);
    grid.SetColCount(material.Spaltenanz);
    Stringarray felder;
    for (int n = 1; n <= material.Anzahl_Zeilen() - 1; ++n) {
        CSV_Stringtrennung(material.Zeilen[static_cast<size_t>(n)], material.Spaltenanz, felder);
        for (int c = 0; c < material.Spaltenanz; ++c) {
            grid.SetCell(c, n - 1, felder[static_cast<size_t>(c)]);
        }
    }
}

} // namespace

void Init_Anzeige(Mainform& f, const Auswahlstand* behalten) {
    auto& m = f.maske;
    f.Art = 1;
    if (behalten == nullptr && !m.RB1.Checked) {
        // Switching the support count back to "2" runs its click handler.
        m.Radio_ein(m.RB1);
        RB1Click(f);
    }
    Leere_Listen(m);
    const Tabellenspeicher& s = f.Speicher;
    if (m.RB_DIN_Rohr.Checked) {
        Fuelle_Normlisten(f, {s.Din_Rohre, s.DIN_Boegen, s.DIN_Flansche}, behalten);
    }
    if (m.RB_ANSI_Rohr.Checked) {
        Fuelle_Normlisten(f, {s.ANSI_Rohre, s.ANSI_Boegen, s.ANSI_Flansche}, behalten);
    }
    Fuelle_Profillisten(f);
    if (behalten != nullptr) {
        Profillisten_zurueck(f, *behalten);
    }
    m.E_Isolierdicke1.Text = "0";
    m.E_Isolierdicke2.Text = "0";
    Fuelle_Isolierlisten(f);
    m.E_Isolierdicke.Text = "40";
    m.E_Beruehrungsschutzisolierung.Text = "40";
    m.E_Gamma.Text = "1";
    m.E_Winddruck.Text = Festkomma(f.Winddruck, 2, f.Dezimal);
    Fuelle_Materialgitter(f);
    if (behalten != nullptr) {
        Eingaben_zurueck(f, *behalten);
    }
    Material_uebernehmen(f);
    Anzeige_Profilwerte(f);
    Anzeige_Konstruktionsdaten(f);
    Anzeige_Rohrdehnung(f);
    Anzeige_Rohrbau(f);
    Anzeige_Schablonen(f);
}

} // namespace pelmark
