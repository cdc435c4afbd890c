// The form model: every control by name with its start state, radio groups,
// and the error box's full-stop rule.
#include "form/mainform.h"
#include "szenario/rekorder.h"

#include <gtest/gtest.h>

#include <memory>

namespace pelmark {
namespace {

TEST(Mit_Schlusspunkt, Punkt_nur_nach_Zeichen_ueber_dem_Punkt) {
    const struct {
        const char* Meldung;
        const char* Erwartet;
    } faelle[] = {
        {"Fehler bei Bereichsprüfung", "Fehler bei Bereichsprüfung."},
        {"'x' ist kein gültiger Gleitkommawert", "'x' ist kein gültiger Gleitkommawert."},
        {"Datei a kann nicht geöffnet werden. ", "Datei a kann nicht geöffnet werden. "},
        {"schon da.", "schon da."},
        {"Achtung!", "Achtung!"},
        {"Liste,", "Liste,"},
        {"Stich-", "Stich-"},
        {"Klammer)", "Klammer)"},
        {"Größe ä", "Größe ä."},
        {"", ""},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Mit_Schlusspunkt(fall.Meldung), fall.Erwartet) << fall.Meldung;
    }
}

TEST(Maske, Steuerelemente_mit_Startzustand) {
    auto maske = std::make_unique<Maske>();
    const struct {
        const char* Name;
        const char* Text;
        bool Nurlesen;
    } felder[] = {
        {"E_DA1", "E_DA1", true},         {"E_Dehnung_L", "0", false},
        {"E_Dehnung_DL", "0", true},      {"E_Dampfdruck", "-", false},
        {"E_Dampftemperatur", "-", true}, {"E_Anz_Quellmass", "1", false},
        {"E_Anz_Zielmass", "", false},    {"E_Winddruck", "E_Winddruck", false},
    };
    for (const auto& feld : felder) {
        const Feldzeiger* zeiger = maske->Finde(feld.Name);
        ASSERT_NE(zeiger, nullptr) << feld.Name;
        const Edit* edit = std::get<Edit*>(*zeiger);
        EXPECT_EQ(edit->Text, feld.Text) << feld.Name;
        EXPECT_EQ(edit->ReadOnly, feld.Nurlesen) << feld.Name;
    }
    EXPECT_EQ(maske->L_Profilart.Caption, "Winkel gleichschenkelig");
    EXPECT_EQ(maske->L_Ventil.Caption, "Baulg");
    EXPECT_EQ(maske->L_Schr_dm.Caption, "mm");
    EXPECT_EQ(maske->L_AD_Dehnkraft.Caption, "..");
    EXPECT_EQ(maske->Memo1.Lines.size(), 10u);
    EXPECT_EQ(maske->FileListBox1.Maske, "*.CSV");
    EXPECT_EQ(maske->Image1.Breite, 1000);
    EXPECT_NE(maske->Finde("F_Programminfo.BitBtn1"), nullptr);
    EXPECT_NE(maske->Finde("F_Geschwindigkeitsinfo.E_Infotext"), nullptr);
    EXPECT_EQ(maske->Finde("E_Gibtsnicht"), nullptr);
    // Every "ENDE" button of the ten pages is in the model.
    for (const char* knopf : {"BitBtn1", "BitBtn2", "BitBtn7", "BitBtn3", "B_Ende", "BitBtn8",
                              "BitBtn10", "BitBtn9", "BitBtn4", "BitBtn5"}) {
        EXPECT_NE(maske->Finde(knopf), nullptr) << knopf;
    }
}

TEST(Maske, Radiogruppen_schalten_einander_aus) {
    auto maske = std::make_unique<Maske>();
    EXPECT_TRUE(maske->RB1.Checked);
    maske->Radio_ein(maske->RB3);
    EXPECT_FALSE(maske->RB1.Checked);
    EXPECT_TRUE(maske->RB3.Checked);
    EXPECT_TRUE(maske->RB_DIN_Rohr.Checked); // another group stays
    maske->Radio_ein(maske->RB_Temperatur_Fix);
    EXPECT_FALSE(maske->RB_Druck_Fix.Checked);
    maske->Radio_ein(maske->CB_Edit); // a check box is no radio button
    EXPECT_TRUE(maske->CB_Edit.Checked);
    EXPECT_TRUE(maske->RB3.Checked);
}

TEST(Zeige_Fehler, Titel_Pelmark_und_Schlusspunkt) {
    Rekorder rekorder;
    auto f = std::make_unique<Mainform>(rekorder, "/tmp/", '.');
    Zeige_Fehler(*f, "Fehler bei Bereichsprüfung");
    ASSERT_EQ(rekorder.Meldungen.size(), 1u);
    EXPECT_EQ(rekorder.Meldungen[0].Art, Meldungsart::fehler);
    EXPECT_EQ(rekorder.Meldungen[0].Titel, "Pelmark");
    EXPECT_EQ(rekorder.Meldungen[0].Text, "Fehler bei Bereichsprüfung.");
}

} // namespace
} // namespace pelmark
