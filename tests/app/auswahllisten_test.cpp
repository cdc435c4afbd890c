// Init_Anzeige over the small test tables, and a refresh that ends at a range
// error with the fields written before it kept.
#include "app/auswahllisten.h"
#include "components/aktualisieren.h"
#include "store/fehler.h"
#include "szenario/rekorder.h"

#include <gtest/gtest.h>

#include <memory>

namespace pelmark {
namespace {

struct Geladen {
    Rekorder rekorder;
    std::unique_ptr<Mainform> f = std::make_unique<Mainform>(rekorder, "/tmp/", '.');
    Geladen() {
        f->Dezimal = ',';
        f->Winddruck = 1100;
        f->Datendir = std::string(PELMARK_TESTDATEN) + "/Daten/";
        Lade_Tabellen(f->Speicher, f->Datendir);
        Init_Anzeige(*f);
    }
};

TEST(Init_Anzeige, Listen_und_Vorgaben) {
    Geladen t;
    const auto& m = t.f->maske;
    const struct {
        const char* Name;
        const Liste& L;
        int Anzahl, Index;
    } faelle[] = {
        {"LB_PN", m.LB_PN, 7, 0},
        {"LB_Armaturen_PN", m.LB_Armaturen_PN, 7, 0},
        {"LB_PN1", m.LB_PN1, 7, 0},
        {"LB_PN2", m.LB_PN2, 7, 0},
        {"LB_Radius", m.LB_Radius, 5, 1},
        {"LB_WD_Reihe", m.LB_WD_Reihe, 5, 0},
        {"LB_AD1", m.LB_AD1, 6, 0},
        {"LB_AD2", m.LB_AD2, 6, 0},
        {"LB_DN1", m.LB_DN1, 6, 0},
        {"LB_DN2", m.LB_DN2, 6, 0},
        {"LB_Lager_NW", m.LB_Lager_NW, 6, 0},
        {"LB_Armaturen_NW", m.LB_Armaturen_NW, 6, 0},
        {"LB_NW", m.LB_NW, 6, 0},
        {"LB_Temperatur", m.LB_Temperatur, 23, 0},
        {"LB_Profilart", m.LB_Profilart, 9, 0},
        {"LB_Profil", m.LB_Profil, 4, 0},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(fall.L.Count(), fall.Anzahl) << fall.Name;
        EXPECT_EQ(fall.L.ItemIndex, fall.Index) << fall.Name;
    }
    EXPECT_EQ(m.E_Winddruck.Text, "1100,00");
    EXPECT_EQ(m.SG_Material.Grid.RowCount(), 13);
    EXPECT_EQ(m.SG_Material.Grid.Cell(0, 0), "Werkstoff");
    EXPECT_EQ(m.SG_Material.Grid.Cell(0, 1), "P235GH (1.0345)");
    EXPECT_EQ(m.SG_Material.Grid.Cell(6, 1), "0,0106");
    EXPECT_EQ(t.rekorder.Meldungen.size(), 0u);
}

TEST(Aktualisieren_Anzeige, Bereichsfehler_behaelt_Geschriebenes) {
    Geladen t;
    auto& m = t.f->maske;
    m.E_DA1.Text = "alt";
    m.E_Kappe_BL.Text = "alt";
    m.E_Flanschhoehe.Text = "alt";
    m.E_Ventil.Text = "alt";
    m.E_h_01.Text = "alt";
    // An empty pressure-stage list gives the flange columns of group -1.
    m.LB_PN.Clear();
    try {
        Aktualisieren_Anzeige(*t.f);
        ADD_FAILURE() << "no range error";
    } catch (const Fehler& fehler) {
        EXPECT_STREQ(fehler.what(), meldung::Bereichspruefung);
    }
    EXPECT_EQ(m.E_DA1.Text, "17,2");
    EXPECT_EQ(m.E_Kappe_BL.Text, "-");
    EXPECT_EQ(m.E_Flanschhoehe.Text, "alt");
    EXPECT_EQ(m.E_Ventil.Text, "alt");
    EXPECT_EQ(m.E_h_01.Text, "alt");
}

} // namespace
} // namespace pelmark
