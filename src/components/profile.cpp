#include "components/profile.h"

#include "components/aktualisieren.h"
#include "components/schritte.h"
#include "media/bmp.h"
#include "store/textdatei.h"

#include <filesystem>
#include <string>
#include <vector>

namespace pelmark {

namespace {

constexpr std::array<Profilart, 9> Katalog_Profile = {{
    {"Gleichschenkeliger Winkel", &Tabellenspeicher::Winkel_Gleichschenkelig, "Winkel_G.bmp",
     "Winkel_Gleichschenkelig"},
    {"Ungleichschenkeliger Winkel", &Tabellenspeicher::Winkel_Ungleichschenkelig, "Winkel_U.bmp",
     "Winkel_Ungleichschenkelig"},
    {"U_Stahl", &Tabellenspeicher::U_Stahl, "U_Stahl.bmp", "U_Stahl"},
    {"I-Träger", &Tabellenspeicher::I_Stahl, "I_Stahl.bmp", "I_Stahl"},
    {"IPE-Träger", &Tabellenspeicher::IPE, "IPE.bmp", "IPE-Träger"},
    {"HEA-Träger", &Tabellenspeicher::HEA, "HEA.bmp", "HEA-Träger"},
    {"HEB-Träger", &Tabellenspeicher::HEB, "HEB.bmp", "HEB-Träger"},
    {"HEM-Träger", &Tabellenspeicher::HEM, "HEM.bmp", "HEM-Träger"},
    {"Gleichschenkeliger T-Träger", &Tabellenspeicher::T_Stahl_G, "T_Stahl_G.bmp",
     "Gleichschenkeliger T-Träger"},
}};

// Weight in kg of one metre of steel (7.85 kg/dm³) per cm² of area.
constexpr Extended Gewicht_je_cm2 = 0.785L;

void Bild_laden(Mainform& f, const Profilart& art) {
    const std::filesystem::path pfad = f.Datendir + art.Bilddatei;
    const Bmp_Groesse groesse = Bmp_Groesse_aus_Datei(pfad);
    f.maske.P_Profilart = Bild{Pfadtext(pfad), groesse.Breite, groesse.Hoehe};
}

} // namespace

const std::array<Profilart, 9>& Profilarten() {
    return Katalog_Profile;
}

const Profilart* Profilart_an(int position) {
    return position >= 0 && position < static_cast<int>(Katalog_Profile.size())
               ? &Katalog_Profile[static_cast<size_t>(position)]
               : nullptr;
}

void Profilliste_fuellen(Mainform& f, const Tabelle& tabelle) {
    auto& liste = f.maske.LB_Profil;
    liste.Clear();
    // Row 0 is a second heading; the last line of the file is a section too.
    for (int r = 1; r <= tabelle.Anzahl_Zeilen() - 2; ++r) {
        liste.Add(tabelle.Inhalt(0, r));
    }
    liste.ItemIndex = liste.Count() > 0 ? 0 : -1;
    f.maske.L_Profil.Caption = tabelle.Inhalt(0, 1);
}

void Profilschritt(Mainform& f) {
    const Profilart* art = Profilart_an(f.maske.LB_Profilart.ItemIndex);
    if (art == nullptr) {
        // No kind chosen (the list is being refilled): picture and caption
        // stay as they are.
        f.maske.LB_Profil.Clear();
        return;
    }
    Bild_laden(f, *art);
    f.maske.L_Profilart.Caption = art->Beschriftung;
    // A refill with the same sections keeps the chosen one, so the list, the
    // heading and the value fields go on naming the same section.
    auto& liste = f.maske.LB_Profil;
    const std::vector<std::string> vorher = liste.Items;
    const int gewaehlt = liste.ItemIndex;
    const Tabelle& tabelle = f.Speicher.*(art->Tabelle_);
    Profilliste_fuellen(f, tabelle);
    if (liste.Items == vorher && gewaehlt >= 0 && gewaehlt < liste.Count()) {
        liste.ItemIndex = gewaehlt;
        f.maske.L_Profil.Caption = tabelle.Inhalt(0, gewaehlt + 1);
    }
}

void Anzeige_Profilwerte(Mainform& f) {
    const Profilart* art = Profilart_an(f.maske.LB_Profilart.ItemIndex);
    if (art == nullptr) {
        return;
    }
    auto& m = f.maske;
    const Tabelle& tabelle = f.Speicher.*(art->Tabelle_);
    const Matrix& t = tabelle.Inhalt;
    const int r = m.LB_Profil.ItemIndex + 1;
    // The table keeps Wmin before Imax, although the page shows Imax first.
    const std::array<Edit*, 11> felder = {&m.E_Wmax, &m.E_Wmin, &m.E_Imax, &m.E_Imin,
                                          &m.E_A,    nullptr,   &m.E_b,    &m.E_h,
                                          &m.E_s,    &m.E_t,    &m.E_w};
    for (int spalte = 1; spalte <= 5; ++spalte) {
        Zelle_zeigen(*felder[static_cast<size_t>(spalte - 1)], f.Speicher, tabelle, spalte, r);
    }
    m.E_Gew.Text = Festkomma(Zelle_zu_Zahl(t(5, r), f.Dezimal) * Gewicht_je_cm2, 1, f.Dezimal);
    m.E_Gew.Quelle = Berechnet("A · 0,785 kg/(m·cm²) (Stahl 7,85 kg/dm³)", {&m.E_A});
    for (int spalte = 6; spalte <= 10; ++spalte) {
        Zelle_zeigen(*felder[static_cast<size_t>(spalte)], f.Speicher, tabelle, spalte, r);
    }
    Zelle_zeigen(m.E_d, f.Speicher, tabelle, 11, r);
    m.L_Profil.Caption = t(0, r);
}

} // namespace pelmark
