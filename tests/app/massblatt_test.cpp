// The dimension sheet against the pages: every output field of the
// dimension pages appears once with the text the field shows; the free table
// opens in the grid; copying gives caption, value and unit.
#include "app/auswahllisten.h"
#include "app/massblatt.h"
#include "app/suche.h"
#include "szenario/rekorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>

namespace pelmark {
namespace {

struct Geladen {
    Rekorder rekorder;
    std::unique_ptr<Mainform> f = std::make_unique<Mainform>(rekorder, "/tmp/", '.');
    Geladen() {
        f->Dezimal = ',';
        f->Winddruck = 1100;
        f->Datendir = std::string(PELMARK_QUELLE) + "/Daten/";
        Lade_Tabellen(f->Speicher, f->Datendir);
        Init_Anzeige(*f);
    }
};

void Nimm(std::map<std::string, const Edit*>& felder, const char* name, const Edit& e) {
    if (e.ReadOnly) {
        felder[name] = &e;
    }
}
template <typename T> void Nimm(std::map<std::string, const Edit*>&, const char*, const T&) {}

// The output edits of the pages, by the form model's own lists of controls.
std::map<std::string, const Edit*> Ausgaben(const Maske& m, bool profil) {
    std::map<std::string, const Edit*> felder;
#define PELMARK_AUSGABE(Typ, Name, ...) Nimm(felder, #Name, m.Name);
    if (profil) {
        PELMARK_SEITE_PROFILE(PELMARK_AUSGABE)
    } else {
        PELMARK_SEITE_ROHRTEILE(PELMARK_AUSGABE)
        PELMARK_SEITE_ARMATUREN(PELMARK_AUSGABE)
        PELMARK_SEITE_LAGER(PELMARK_AUSGABE)
    }
#undef PELMARK_AUSGABE
    return felder;
}

TEST(Massblatt, Gleich_den_Seiten) {
    const struct {
        const char* Auswahl;
        Blattart Art;
        const char* Titel;
        const char* Feld;
        const char* Wert;
        const char* Datei;
    } faelle[] = {
        {"DN 100 PN 16", Blattart::Rohrleitung, "Maßblatt DN 100 PN 16 (DIN)", "E_Blattdm", "220",
         "F_Din_rev.CSV"},
        {"NPS 4 Class 300", Blattart::Rohrleitung, "Maßblatt NPS 4 Class 300 (ANSI)", "E_DA1",
         "114,3", "P_ANSI.CSV"},
        {"IPE 200", Blattart::Profil, "Maßblatt IPE 200", "E_h", "200", "IPE.CSV"},
    };
    for (const auto& fall : faelle) {
        Geladen t;
        ASSERT_TRUE(Suche_ausfuehren(*t.f, fall.Auswahl).Erkannt) << fall.Auswahl;
        const Massblatt blatt = Massblatt_erstellen(*t.f, fall.Art, "09.12.2026");
        EXPECT_EQ(blatt.Titel, fall.Titel);
        auto offen = Ausgaben(t.f->maske, fall.Art == Blattart::Profil);
        for (const auto& g : blatt.Gruppen) {
            for (const auto& z : g.Zeilen) {
                if (z.Feld.rfind("E_", 0) != 0) {
                    continue;
                }
                const auto feld = offen.find(z.Feld);
                ASSERT_NE(feld, offen.end()) << fall.Auswahl << ": " << z.Feld;
                EXPECT_EQ(z.Wert, feld->second->Text) << fall.Auswahl << ": " << z.Feld;
                EXPECT_FALSE(z.Datei.empty()) << z.Feld;
                if (z.Feld == fall.Feld) {
                    EXPECT_EQ(z.Wert, fall.Wert) << fall.Auswahl;
                    EXPECT_EQ(z.Datei, fall.Datei) << fall.Auswahl;
                }
                offen.erase(feld);
            }
        }
        EXPECT_TRUE(offen.empty()) << fall.Auswahl << ": " << offen.size() << " Felder fehlen, "
                                   << (offen.empty() ? "" : offen.begin()->first);
    }
}

TEST(Massblatt, Tabelle_Text_und_Kopie) {
    Geladen t;
    ASSERT_TRUE(Suche_ausfuehren(*t.f, "DN 100 PN 16").Erkannt);
    const Massblatt blatt = Massblatt_erstellen(*t.f, Blattart::Rohrleitung, "09.12.2026");
    const auto datei = std::filesystem::temp_directory_path() / "pelmark_massblatt_test.CSV";
    Massblatt_speichern(blatt, datei);
    TEStringGrid grid;
    grid.LoadFromFile(datei);
    std::filesystem::remove(datei);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.Cell(0, 0), "150");
    EXPECT_EQ(grid.Cell(2, 1), "Wert");
    EXPECT_EQ(grid.Cell(1, 2), "Maßblatt DN 100 PN 16 (DIN)");
    const std::string text = Massblatt_text(blatt);
    EXPECT_NE(text.find("  Blattdm.: 220 mm  [F_Din_rev.CSV]\n"), std::string::npos);
    EXPECT_EQ(Kopiertext(*t.f, "E_Blattdm"), "Blattdm.: 220 mm");
    EXPECT_EQ(Kopiertext(*t.f, "E_Anz_Schr"), "Anz. Schr.: 8");
    EXPECT_EQ(Kopiertext(*t.f, "E_Ventil"), "Ventil normal (Reihe 1): 350 mm");
    EXPECT_EQ(Kopiertext(*t.f, "LB_AD1"), "");
}

} // namespace
} // namespace pelmark
