// The shipped data through the running program: every nominal size of both
// standards under every pressure stage and radius type shows its pipe,
// elbow, flange, valve and support values, and no message appears.
#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "store/zahlen.h"
#include "szenario/rekorder.h"

#include <gtest/gtest.h>

#include <memory>

namespace pelmark {
namespace {

bool Ist_Zahl(const std::string& text) {
    return Lies_Zahl_streng(text).has_value();
}

class Geliefert : public ::testing::Test {
  protected:
    void SetUp() override {
        f = std::make_unique<Mainform>(rekorder, std::string(PELMARK_QUELLE) + "/", '.');
        Programmstart(*f);
        FormCreate(*f);
        FormActivate(*f);
        ASSERT_TRUE(rekorder.Meldungen.empty()) << rekorder.Meldungen[0].Text;
    }
    void Waehle(Liste& liste, const char* name, int index) {
        liste.ItemIndex = index;
        Loese_aus(*f, name, Ereignis::Klick);
        ASSERT_TRUE(rekorder.Meldungen.empty())
            << name << " " << index << ": " << rekorder.Meldungen[0].Text;
    }
    // Walks every size under every stage and radius type of one standard.
    void Durchlaufe(const char* standard) {
        auto& m = f->maske;
        ASSERT_GT(m.LB_AD1.Count(), 0) << standard;
        for (int dn = 0; dn < m.LB_AD1.Count(); ++dn) {
            SCOPED_TRACE(std::string(standard) + " " + m.LB_AD1.Items[static_cast<size_t>(dn)]);
            Waehle(m.LB_AD1, "LB_AD1", dn);
            EXPECT_TRUE(Ist_Zahl(m.E_DA1.Text)) << m.E_DA1.Text;
            EXPECT_TRUE(Ist_Zahl(m.E_WD1.Text)) << m.E_WD1.Text;
            bool flansch = false, armatur = false, bogen = false;
            for (int pn = 0; pn < m.LB_PN.Count(); ++pn) {
                Waehle(m.LB_PN, "LB_PN", pn);
                flansch = flansch || (Ist_Zahl(m.E_Blattdm.Text) && Ist_Zahl(m.E_Lochkreis.Text) &&
                                      Ist_Zahl(m.E_Anz_Schr.Text));
                Waehle(m.LB_Armaturen_PN, "LB_Armaturen_PN", pn);
                armatur = armatur || Ist_Zahl(m.E_Ventil.Text) || Ist_Zahl(m.E_Schieber_Kurz.Text);
            }
            for (int r = 0; r < m.LB_Radius.Count(); ++r) {
                Waehle(m.LB_Radius, "LB_Radius", r);
                bogen = bogen || (Ist_Zahl(m.E_Radius_Bogen.Text) && Ist_Zahl(m.E_L_Bogen45.Text));
            }
            EXPECT_TRUE(flansch) << "keine Druckstufe mit Flanschmaßen";
            EXPECT_TRUE(armatur) << "keine Druckstufe mit Armaturenbaulängen";
            EXPECT_TRUE(bogen) << "keine Bogenbauart mit Radius";
            EXPECT_TRUE(Ist_Zahl(m.E_h_01.Text) && Ist_Zahl(m.E_b_01.Text)) << m.E_h_01.Text;
        }
    }
    Rekorder rekorder;
    std::unique_ptr<Mainform> f;
};

TEST_F(Geliefert, DIN_jede_Nennweite) {
    Durchlaufe("DIN");
}

TEST_F(Geliefert, ANSI_jede_Nennweite) {
    f->maske.Radio_ein(f->maske.RB_ANSI_Rohr);
    Loese_aus(*f, "RB_ANSI_Rohr", Ereignis::Klick);
    Durchlaufe("ANSI");
}

TEST_F(Geliefert, jedes_Profil_mit_Werten) {
    auto& m = f->maske;
    for (int art = 0; art < m.LB_Profilart.Count(); ++art) {
        Waehle(m.LB_Profilart, "LB_Profilart", art);
        ASSERT_GT(m.LB_Profil.Count(), 0) << art;
        for (int p = 0; p < m.LB_Profil.Count(); ++p) {
            Waehle(m.LB_Profil, "LB_Profil", p);
            for (const Edit* e :
                 {&m.E_Wmax, &m.E_Wmin, &m.E_Imax, &m.E_Imin, &m.E_A, &m.E_Gew, &m.E_b, &m.E_h}) {
                EXPECT_TRUE(Ist_Zahl(e->Text)) << m.L_Profil.Caption << ": " << e->Text;
            }
        }
    }
}

} // namespace
} // namespace pelmark
