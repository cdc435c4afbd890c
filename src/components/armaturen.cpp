#include "components/schritte.h"

#include "store/quellen.h"

#include <array>

namespace pelmark {

namespace {

// One valve kind: its row in the assignment table, its two fields and the
// standard it follows with ANSI.
struct Armatur {
    int Zeile;
    Beschriftung Maske::*Label;
    Edit Maske::*Laenge;
    const char* Ansi_Label;
};

// Rows in the order the page fills them. With ANSI, row 9 feeds the first
// flanged butterfly valve, and rows 13 and 14 are not used.
constexpr std::array<Armatur, 14> Armaturen = {{
    {3, &Maske::L_Ventil, &Maske::E_Ventil, "ANSI B16.10"},
    {11, &Maske::L_Regelventil, &Maske::E_Regelventil, "ANSI B16.10"},
    {1, &Maske::L_Schieber_Kurz, &Maske::E_Schieber_Kurz, "ANSI B16.10"},
    {2, &Maske::L_Schieber_Lang, &Maske::E_Schieber_Lang, "ANSI B16.10"},
    {7, &Maske::L_Kugelhahn_Lang, &Maske::E_Kugelhahn_Lang, "ANSI B16.10"},
    {6, &Maske::L_Kugelhahn_kurz, &Maske::E_Kugelhahn_Kurz, "ANSI B16.10"},
    {4, &Maske::L_Rueckschlagventil1, &Maske::E_Rueckschlagventil1, "ANSI B16.10"},
    {12, &Maske::L_Rueckschlagventil2, &Maske::E_Rueckschlagventil2, "ANSI B16.10"},
    {5, &Maske::L_Y_Siebe, &Maske::E_Y_Siebe, "ANSI B16.10"},
    {8, &Maske::L_Zwischenflanschklappe_kurz, &Maske::E_Zwischenflanschklappe_kurz, "API 594"},
    {9, &Maske::L_Zwischenflanschklappe_lang, &Maske::E_Zwischenflanschklappe_lang, nullptr},
    {13, &Maske::L_Flanschklappe_kurz, &Maske::E_Flanschklappe_kurz, nullptr},
    {14, &Maske::L_Flanschklappe_Lang, &Maske::E_Flanschklappe_Lang, nullptr},
    {10, &Maske::L_Rueckschlagklappe, &Maske::E_Rueckschlagklappe, "API 594"},
}};

// The first series column from 1 on whose name equals the name exactly;
// N + 1 (a column beyond the kept ones, holding nothing) when none does.
int Baureihenspalte(const Tabelle& baureihen, const std::string& name) {
    const int n = baureihen.Spaltenanz;
    for (int c = 1; c <= n + 1; ++c) {
        if (baureihen.Inhalt(c, 0) == name) {
            return c;
        }
    }
    return n + 1;
}

// The face-to-face length of the valve kind in the table row: the assignment
// table names the series, the series table holds the length.
void Baulaenge_zeigen(Mainform& f, Edit& feld, const Normtabellen& t, const Auswahl& a, int zeile) {
    const std::string& name = t.Zuordnung.Inhalt(a.PN_Gruppe + 1, zeile);
    const int spalte = Baureihenspalte(t.Baureihen, name);
    const Zellbezug zuordnung = Zelle(f.Speicher, t.Zuordnung, a.PN_Gruppe + 1, zeile);
    Zelle_zeigen(feld, f.Speicher, t.Baureihen, spalte, a.DN1_Zeile);
    feld.Quelle.Zellen.insert(feld.Quelle.Zellen.begin(), zuordnung);
}

void Din_Armatur(Mainform& f, const Normtabellen& t, const Auswahl& a, const Armatur& art) {
    const std::string& name = t.Zuordnung.Inhalt(a.PN_Gruppe + 1, art.Zeile);
    (f.maske.*art.Label).Caption = "Reihe " + name;
    Baulaenge_zeigen(f, f.maske.*art.Laenge, t, a, art.Zeile);
}

void Ansi_Armatur(Mainform& f, const Normtabellen& t, const Auswahl& a, const Armatur& art) {
    Beschriftung& label = f.maske.*art.Label;
    Edit& laenge = f.maske.*art.Laenge;
    if (art.Zeile == 13) {
        // The ANSI table's row 9 names the series of the flanged butterfly valve.
        label.Caption = "Baureihe -";
        Baulaenge_zeigen(f, laenge, t, a, 9);
    } else if (art.Ansi_Label == nullptr) {
        label.Caption = "-";
        laenge.Text = "-";
        laenge.Quelle = Herkunft{{}, {}, Strichtext(Strichgrund::Norm_fuehrt_nicht), 0};
    } else {
        label.Caption = art.Ansi_Label;
        Baulaenge_zeigen(f, laenge, t, a, art.Zeile);
    }
}

} // namespace

void Armaturen_eintragen(Mainform& f, const Normtabellen& t, const Auswahl& a) {
    for (const Armatur& art : Armaturen) {
        if (t.Ansi) {
            Ansi_Armatur(f, t, a, art);
        } else {
            Din_Armatur(f, t, a, art);
        }
    }
}

} // namespace pelmark
