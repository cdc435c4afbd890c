// Every value the dimension pages and the design-data page show from the
// shipped tables names a line of Daten/Quellen.CSV, and every "-" a reason:
// all sizes of both standards under every stage, wall series, radius type and
// branch size, every section of every kind, every size and temperature.
#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "calc/abstand.h"
#include "components/aktualisieren.h"
#include "store/nennweiten.h"
#include "store/quellen.h"
#include "szenario/rekorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace pelmark {
namespace {

class Abdeckung : public ::testing::Test {
  protected:
    void SetUp() override {
        f = std::make_unique<Mainform>(rekorder, std::string(PELMARK_QUELLE) + "/", '.');
        Programmstart(*f);
        FormCreate(*f);
        FormActivate(*f);
        ASSERT_TRUE(rekorder.Meldungen.empty());
        quellen = Lies_Quellentabelle(f->Datendir + Datei_Quellen);
    }

    void Pruefe(const char* name, const Edit& feld) {
        const Herkunft& h = feld.Quelle;
        if (h.Leer()) {
            fehler.insert(std::string(name) + ": keine Herkunft");
            return;
        }
        bool begruendet = !h.Grund.empty();
        for (const Zellbezug& z : h.Zellen) {
            const Quellbereich* b = Quelle_fuer(quellen, z.Datei, z.Spalte + 1, z.Zeile + 2);
            const std::string ort = z.Datei + " Zeile " + std::to_string(z.Zeile + 2) + " Spalte " +
                                    std::to_string(z.Spalte + 1);
            if (b == nullptr) {
                fehler.insert(std::string(name) + ": " + ort + " ohne Quelle");
            } else if (z.Text.empty() || z.Text == "-") {
                begruendet = begruendet || b->Strich != Strichgrund::keiner;
            }
        }
        if ((feld.Text.empty() || feld.Text == "-") && !begruendet) {
            fehler.insert(std::string(name) + ": \"-\" ohne Grund");
        }
    }

    void Pruefe_Seiten() {
        const auto& m = f->maske;
        for (const auto& [name, zeiger] : m.Felder()) {
            const auto* edit = std::get_if<Edit*>(&zeiger);
            if (edit != nullptr && Gezeigt.count(name) > 0) {
                Pruefe(name.c_str(), **edit);
            }
        }
    }

    void Durchlaufe_Masse() {
        auto& m = f->maske;
        const int k_max = std::max({m.LB_AD2.Count(), m.LB_WD_Reihe.Count(), m.LB_Radius.Count()});
        for (int dn = 0; dn < m.LB_AD1.Count(); ++dn) {
            for (int pn = 0; pn < m.LB_PN.Count(); ++pn) {
                for (int k = 0; k < k_max; ++k) {
                    m.LB_AD1.ItemIndex = dn;
                    m.LB_PN.ItemIndex = pn;
                    m.LB_AD2.ItemIndex = k % m.LB_AD2.Count();
                    m.LB_WD_Reihe.ItemIndex = k % m.LB_WD_Reihe.Count();
                    m.LB_Radius.ItemIndex = k % m.LB_Radius.Count();
                    Aktualisieren_Anzeige(*f);
                    Pruefe_Seiten();
                }
                m.LB_DN1.ItemIndex = m.LB_DN2.ItemIndex = m.LB_NW.ItemIndex = dn;
                m.LB_PN1.ItemIndex = m.LB_PN2.ItemIndex = pn;
                for (int t = 0; t < m.LB_Temperatur.Count(); ++t) {
                    m.LB_Temperatur.ItemIndex = t;
                    Abstand_und_Isolierung_zeigen(*f);
                    Pruefe_Seiten();
                }
            }
        }
    }

    void Durchlaufe_Profile() {
        auto& m = f->maske;
        for (int art = 0; art < m.LB_Profilart.Count(); ++art) {
            m.LB_Profilart.ItemIndex = art;
            Aktualisieren_Anzeige(*f);
            for (int p = 0; p < m.LB_Profil.Count(); ++p) {
                m.LB_Profil.ItemIndex = p;
                Anzeige_Profilwerte(*f);
                Pruefe_Seiten();
            }
        }
    }

    void Melde() const {
        std::string liste;
        int n = 0;
        for (auto it = fehler.begin(); it != fehler.end() && n < 20; ++it, ++n) {
            liste += "\n  " + *it;
        }
        EXPECT_TRUE(fehler.empty()) << fehler.size() << " Felder ohne Quelle:" << liste;
    }

    // The value fields of the four dimension pages and the design-data page.
    inline static const std::set<std::string> Gezeigt = {"E_DA1",
                                                         "E_WD1",
                                                         "E_DA2",
                                                         "E_WD2",
                                                         "E_Flanschhoehe",
                                                         "E_Blattdm",
                                                         "E_Blattbreite",
                                                         "E_Lochkreis",
                                                         "E_Anz_Schr",
                                                         "E_Schr_Dm",
                                                         "E_Schrlg_FL_FL",
                                                         "E_Bolzenlg_Fl_Fl",
                                                         "E_Radius_Bogen",
                                                         "E_L_Bogen15",
                                                         "E_L_Bogen30",
                                                         "E_L_Bogen45",
                                                         "E_L_Bogen60",
                                                         "E_L_Bogen75",
                                                         "E_T_BL_a",
                                                         "E_T_BL_b",
                                                         "E_L_Bg_T",
                                                         "E_L_T_Stueck_Fl",
                                                         "E_Red_BL",
                                                         "E_L_Bg_Fl",
                                                         "E_Kappe_BL",
                                                         "E_Ventil",
                                                         "E_Regelventil",
                                                         "E_Schieber_Kurz",
                                                         "E_Schieber_Lang",
                                                         "E_Kugelhahn_Lang",
                                                         "E_Kugelhahn_Kurz",
                                                         "E_Rueckschlagventil1",
                                                         "E_Rueckschlagventil2",
                                                         "E_Y_Siebe",
                                                         "E_Zwischenflanschklappe_kurz",
                                                         "E_Zwischenflanschklappe_lang",
                                                         "E_Flanschklappe_kurz",
                                                         "E_Flanschklappe_Lang",
                                                         "E_Rueckschlagklappe",
                                                         "E_h_01",
                                                         "E_b_01",
                                                         "E_h_02",
                                                         "E_b_02",
                                                         "E_i_02",
                                                         "E_h_03",
                                                         "E_b_03",
                                                         "E_h_04",
                                                         "E_b_04",
                                                         "E_h_GL05",
                                                         "E_b_GL05",
                                                         "E_h_FP05",
                                                         "E_b_FP05",
                                                         "E_h_GL06",
                                                         "E_b_Gl06",
                                                         "E_h_FP06",
                                                         "E_b_FP06",
                                                         "E_h_GL12",
                                                         "E_b_GL12",
                                                         "E_h_FP12",
                                                         "E_b_FP12",
                                                         "E_h_GL13",
                                                         "E_b_Gl13",
                                                         "E_h_FP13",
                                                         "E_b_FP13",
                                                         "E_Wmax",
                                                         "E_Wmin",
                                                         "E_Imax",
                                                         "E_Imin",
                                                         "E_A",
                                                         "E_Gew",
                                                         "E_b",
                                                         "E_h",
                                                         "E_s",
                                                         "E_t",
                                                         "E_w",
                                                         "E_d",
                                                         "E_Abstand_Anlage",
                                                         "E_Abstand_RBR",
                                                         "E_Isolierstaerke",
                                                         "E_Beruehrungsschutzisolierung"};

    Rekorder rekorder;
    std::unique_ptr<Mainform> f;
    Quellentabelle quellen;
    std::set<std::string> fehler;
};

TEST_F(Abdeckung, Jeder_gezeigte_Wert_hat_eine_Quelle) {
    for (const char* standard : {"RB_DIN_Rohr", "RB_ANSI_Rohr"}) {
        SCOPED_TRACE(standard);
        auto& schalter = standard[3] == 'D' ? f->maske.RB_DIN_Rohr : f->maske.RB_ANSI_Rohr;
        f->maske.Radio_ein(schalter);
        Loese_aus(*f, standard, Ereignis::Klick);
        Durchlaufe_Masse();
    }
    Durchlaufe_Profile();
    ASSERT_TRUE(rekorder.Meldungen.empty()) << rekorder.Meldungen[0].Text;
    Melde();
}

// With ANSI, every NPS reads the support and insulation rows of its DIN size
// (1/2 the row of DN 15, 2 that of DN 50), never the row at its own position.
TEST_F(Abdeckung, Ansi_liest_die_Zeile_der_DIN_Nennweite) {
    auto& m = f->maske;
    m.Radio_ein(m.RB_ANSI_Rohr);
    Loese_aus(*f, "RB_ANSI_Rohr", Ereignis::Klick);
    ASSERT_GT(m.LB_AD1.Count(), 10);
    EXPECT_EQ(m.LB_AD1.Items[0], "1/2");
    EXPECT_EQ(m.LB_AD1.Items[5], "2");
    for (int dn = 0; dn < m.LB_AD1.Count(); ++dn) {
        const std::string& nps = m.LB_AD1.Items[static_cast<size_t>(dn)];
        m.LB_AD1.ItemIndex = m.LB_NW.ItemIndex = dn;
        Aktualisieren_Anzeige(*f);
        Abstand_und_Isolierung_zeigen(*f);
        const std::string erwartet = "DN " + std::to_string(DN_zu_NPS(nps).value_or(0));
        for (const Edit* feld :
             {&m.E_h_01, &m.E_b_FP13, &m.E_Isolierstaerke, &m.E_Beruehrungsschutzisolierung}) {
            ASSERT_EQ(feld->Quelle.Zellen.size(), 1u) << nps;
            EXPECT_EQ(feld->Quelle.Zellen[0].Zeilenname, erwartet) << nps;
        }
    }
}

} // namespace
} // namespace pelmark
