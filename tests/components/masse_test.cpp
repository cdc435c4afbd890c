// The read-back rule and the lengths computed from the read-back values:
// elbow to tee, elbow and tee to flange, bolts and stud bolts.
#include "components/schritte.h"
#include "store/fehler.h"
#include "szenario/rekorder.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace pelmark {
namespace {

struct Lesefall {
    const char* Text;
    std::optional<long double> Wert; // nullopt: missing
};

void Pruefe_Lesung(Extended (*lies)(std::string_view), const Lesefall& fall) {
    const Extended wert = lies(fall.Text);
    if (!fall.Wert) {
        EXPECT_TRUE(Fehlt(wert)) << "«" << fall.Text << "» gave " << static_cast<double>(wert);
    } else {
        EXPECT_NEAR(static_cast<double>(wert), static_cast<double>(*fall.Wert), 1e-12)
            << "«" << fall.Text << "»";
    }
}

TEST(Rueckgelesen, Strenge_Lesung_mit_Komma) {
    const Lesefall faelle[] = {
        {"152,4", 152.4L},        {"152.4", 152.4L},       {" 152", 152.0L},
        {"152 ", std::nullopt},   {"", std::nullopt},      {"-", std::nullopt},
        {"3D", std::nullopt},     {"-1", std::nullopt},    {"-1,0", std::nullopt},
        {"1e2", 100.0L},          {"152mm", std::nullopt}, {"-2", -2.0L},
        {"16(12)", std::nullopt},
    };
    for (const auto& fall : faelle) {
        Pruefe_Lesung(Rueckgelesen, fall);
    }
}

TEST(Rueckgelesen, Ohne_Klammer) {
    const Lesefall faelle[] = {
        {"16(12)", 16.0L},       {"16 (12)", std::nullopt}, {"16,5(3)", 16.5L},
        {"(12)", std::nullopt},  {"M16", std::nullopt},     {"20", 20.0L},
        {"x(20)", std::nullopt},
    };
    for (const auto& fall : faelle) {
        Pruefe_Lesung(Rueckgelesen_ohne_Klammer, fall);
    }
}

struct Formular {
    Rekorder rekorder;
    std::unique_ptr<Mainform> f = std::make_unique<Mainform>(rekorder, "/tmp/", '.');
    Formular() { f->Dezimal = ','; }

    // Steps 3 to 5 of the refresh over the texts now in the fields.
    void Berechne(bool ansi) {
        Rueckwerte w;
        Rohrteile_zuruecklesen(*f, w);
        Flansche_zuruecklesen(*f, ansi, w);
        Bogensegmente_schreiben(*f, w);
        Verbundlaengen_schreiben(*f, ansi, w);
    }
};

TEST(Schraubenlaengen, Din_und_Ansi) {
    const struct {
        const char* Name;
        bool Ansi;
        const char *b, *d;
        const char *Schraube, *Bolzen, *Schr_Dm;
    } faelle[] = {
        {"DIN 20/16", false, "20", "16", "60", "81", "16"},
        {"DIN Mutter 12,5 zur geraden 12", false, "20", "15,625", "59", "80", "15,625"},
        {"DIN Klammern", false, "16(18)", "16(12)", "52", "73", "16(12)"},
        {"DIN Blank vor Klammer", false, "20", "16 (12)", "-", "-", "16 (12)"},
        {"DIN M16", false, "20", "M16", "-", "-", "-"},
        {"DIN Dicke unlesbar", false, "x", "16", "-", "-", "-"},
        {"DIN Dicke fehlt, Klammer bleibt", false, "", "16(12)", "-", "-", "16(12)"},
        {"ANSI 5/8", true, "22,4", "5/8", "65", "87", "5/8"},
        {"ANSI 1 1/8", true, "22,4", "1 1/8", "75", "112", "1 1/8"},
        {"ANSI 1", true, "22,4", "1", "72", "106", "1"},
        {"ANSI Klammer nicht abgeschnitten", true, "22,4", "1(2)", "-", "-", "1(2)"},
        {"ANSI M16", true, "22,4", "M16", "-", "-", "-"},
    };
    for (const auto& fall : faelle) {
        Formular t;
        auto& m = t.f->maske;
        m.E_Radius_Bogen.Text = "100";
        m.E_T_BL_a.Text = "50";
        m.E_Flanschhoehe.Text = "30";
        m.E_Blattbreite.Text = fall.b;
        m.E_Schr_Dm.Text = fall.d;
        t.Berechne(fall.Ansi);
        EXPECT_EQ(m.E_Schrlg_FL_FL.Text, fall.Schraube) << fall.Name;
        EXPECT_EQ(m.E_Bolzenlg_Fl_Fl.Text, fall.Bolzen) << fall.Name;
        EXPECT_EQ(m.E_Schr_Dm.Text, fall.Schr_Dm) << fall.Name;
        EXPECT_EQ(m.L_Schr_dm.Caption, fall.Ansi ? "\"" : "mm") << fall.Name;
    }
}

TEST(Verbundlaengen, Jeder_Wert_fehlt_fuer_sich) {
    const struct {
        const char *R, *a, *h;
        const char *Bg_T, *Bg_Fl, *T_Fl, *Bogen45;
    } faelle[] = {
        {"100", "50", "30", "150,0", "130,0", "80,0", "41,4"},
        {"-", "50", "30", "-", "-", "80,0", "-"},
        {"100", "x", "30", "-", "130,0", "-", "41,4"},
        {"100", "50", "30(35)", "150,0", "-", "-", "41,4"},
        {"-1", "-1", "-1", "-", "-", "-", "-"},
        {"152,4", "25", "0", "177,4", "152,4", "25,0", "63,1"},
    };
    for (const auto& fall : faelle) {
        Formular t;
        auto& m = t.f->maske;
        m.E_Radius_Bogen.Text = fall.R;
        m.E_T_BL_a.Text = fall.a;
        m.E_Flanschhoehe.Text = fall.h;
        m.E_Blattbreite.Text = "20";
        m.E_Schr_Dm.Text = "16";
        t.Berechne(false);
        const std::string name = std::string(fall.R) + "/" + fall.a + "/" + fall.h;
        EXPECT_EQ(m.E_L_Bg_T.Text, fall.Bg_T) << name;
        EXPECT_EQ(m.E_L_Bg_Fl.Text, fall.Bg_Fl) << name;
        EXPECT_EQ(m.E_L_T_Stueck_Fl.Text, fall.T_Fl) << name;
        EXPECT_EQ(m.E_L_Bogen45.Text, fall.Bogen45) << name;
    }
}

TEST(Verbundlaengen, Ueberlauf_endet_am_Schritt) {
    Formular t;
    auto& m = t.f->maske;
    m.E_Radius_Bogen.Text = "1e4932";
    m.E_T_BL_a.Text = "50";
    m.E_Flanschhoehe.Text = "1e4932";
    m.E_L_Bg_Fl.Text = "alt";
    m.E_Blattbreite.Text = "20";
    m.E_Schr_Dm.Text = "16";
    try {
        t.Berechne(false);
        ADD_FAILURE() << "no overflow";
    } catch (const Fehler& fehler) {
        EXPECT_STREQ(fehler.what(), meldung::Ueberlauf);
    }
    EXPECT_EQ(m.E_L_Bg_T.Text.substr(0, 3), "100");
    EXPECT_EQ(m.E_L_Bg_Fl.Text, "alt");
}

} // namespace
} // namespace pelmark
