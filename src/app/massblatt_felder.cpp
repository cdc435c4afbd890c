// The sheet's catalogue of value fields, in the order the pages show them.
#include "app/massblatt_felder.h"

#include <string_view>

namespace pelmark {

namespace {

using Q = Quelle;
using F = Feldbeschreibung;

const F rohr[] = {
    {"E_DA1", "Aussendm. 1", "mm", Q::Rohre},
    {"E_WD1", "Wanddicke 1", "mm", Q::Rohre},
    {"E_DA2", "Aussendm. 2", "mm", Q::Rohre},
    {"E_WD2", "Wanddicke 2", "mm", Q::Rohre},
};
const F bogen[] = {
    {"E_Radius_Bogen", "Radius", "mm", Q::Boegen},
    {"E_L_Bogen15", "L 15° Bogen", "mm", Q::Boegen_berechnet},
    {"E_L_Bogen30", "L 30° Bogen", "mm", Q::Boegen_berechnet},
    {"E_L_Bogen45", "L 45° Bogen", "mm", Q::Boegen_berechnet},
    {"E_L_Bogen60", "L 60° Bogen", "mm", Q::Boegen_berechnet},
    {"E_L_Bogen75", "L 75° Bogen", "mm", Q::Boegen_berechnet},
};
const F t_stueck[] = {
    {"E_T_BL_a", "Baulänge a", "mm", Q::T_Stuecke},
    {"E_T_BL_b", "Baulänge b", "mm", Q::T_Stuecke},
};
const F reduzierung[] = {{"E_Red_BL", "Baulänge Reduzierung", "mm", Q::Reduzierungen}};
const F kappe[] = {{"E_Kappe_BL", "Länge Kappe", "mm", Q::Kappen}};
const F kombination[] = {
    {"E_L_Bg_Fl", "Länge Bogen + Flansch", "mm", Q::Bogen_Flansch},
    {"E_L_Bg_T", "Länge Bogen + T-Stück", "mm", Q::Bogen_T},
    {"E_L_T_Stueck_Fl", "Länge T-Stück + Flansch", "mm", Q::T_Flansch},
};
const F flansch[] = {
    {"E_Flanschhoehe", "Flanschhöhe", "mm", Q::Flansche},
    {"E_Blattdm", "Blattdm.", "mm", Q::Flansche},
    {"E_Blattbreite", "Blattbreite", "mm", Q::Flansche},
    {"E_Lochkreis", "Lochkreis", "mm", Q::Flansche},
    {"E_Anz_Schr", "Anz. Schr.", "", Q::Flansche},
    {"E_Schr_Dm", "Schr. Dm", "L_Schr_dm", Q::Flansche},
    {"E_Schrlg_FL_FL", "Schrauben Lg Fl./Fl.", "mm", Q::Schrauben_berechnet},
    {"E_Bolzenlg_Fl_Fl", "Bolzen Lg Fl./Fl.", "mm", Q::Schrauben_berechnet},
};
const F armaturen[] = {
    {"E_Ventil", "Ventil normal", "mm", Q::Armaturen},
    {"E_Regelventil", "Regelventil", "mm", Q::Armaturen},
    {"E_Schieber_Kurz", "Schieber kurze BL", "mm", Q::Armaturen},
    {"E_Schieber_Lang", "Schieber lange BL", "mm", Q::Armaturen},
    {"E_Kugelhahn_Kurz", "Kugelhahn kurze BL", "mm", Q::Armaturen},
    {"E_Kugelhahn_Lang", "Kugelhahn lange BL", "mm", Q::Armaturen},
    {"E_Zwischenflanschklappe_kurz", "Zwischenflanschklappe kurz", "mm", Q::Armaturen},
    {"E_Zwischenflanschklappe_lang", "Zwischenflanschklappe lang", "mm", Q::Armaturen},
    {"E_Flanschklappe_kurz", "Flanschklappe kurz", "mm", Q::Armaturen},
    {"E_Flanschklappe_Lang", "Flanschklappe lang", "mm", Q::Armaturen},
    {"E_Rueckschlagventil1", "Rückschlagventil mit Kegel", "mm", Q::Armaturen},
    {"E_Rueckschlagventil2", "Rückschlagventil mit Klappe", "mm", Q::Armaturen},
    {"E_Rueckschlagklappe", "Rückschlagklappe", "mm", Q::Armaturen},
    {"E_Y_Siebe", "Y-Sieb", "mm", Q::Armaturen},
};
const F lager[] = {
    {"E_h_01", "GL01 Höhe h", "mm", Q::Lager},     {"E_b_01", "GL01 Breite b", "mm", Q::Lager},
    {"E_h_02", "GL02 Höhe h", "mm", Q::Lager},     {"E_b_02", "GL02 Breite b", "mm", Q::Lager},
    {"E_i_02", "GL02 Abstand i", "mm", Q::Lager},  {"E_h_03", "GL03 Höhe h", "mm", Q::Lager},
    {"E_b_03", "GL03 Breite b", "mm", Q::Lager},   {"E_h_04", "GL04 Höhe h", "mm", Q::Lager},
    {"E_b_04", "GL04 Breite b", "mm", Q::Lager},   {"E_h_GL05", "GL05 Höhe h", "mm", Q::Lager},
    {"E_b_GL05", "GL05 Breite b", "mm", Q::Lager}, {"E_h_FP05", "FP05 Höhe h", "mm", Q::Lager},
    {"E_b_FP05", "FP05 Breite b", "mm", Q::Lager}, {"E_h_GL06", "GL06 Höhe h", "mm", Q::Lager},
    {"E_b_Gl06", "GL06 Breite b", "mm", Q::Lager}, {"E_h_FP06", "FP06 Höhe h", "mm", Q::Lager},
    {"E_b_FP06", "FP06 Breite b", "mm", Q::Lager}, {"E_h_GL12", "GL12 Höhe h", "mm", Q::Lager},
    {"E_b_GL12", "GL12 Breite b", "mm", Q::Lager}, {"E_h_FP12", "FP12 Höhe h", "mm", Q::Lager},
    {"E_b_FP12", "FP12 Breite b", "mm", Q::Lager}, {"E_h_GL13", "GL13 Höhe h", "mm", Q::Lager},
    {"E_b_Gl13", "GL13 Breite b", "mm", Q::Lager}, {"E_h_FP13", "FP13 Höhe h", "mm", Q::Lager},
    {"E_b_FP13", "FP13 Breite b", "mm", Q::Lager},
};
const F abmessungen[] = {
    {"E_b", "b", "mm", Q::Profil}, {"E_h", "h", "mm", Q::Profil}, {"E_s", "s", "mm", Q::Profil},
    {"E_t", "t", "mm", Q::Profil}, {"E_w", "w", "mm", Q::Profil}, {"E_d", "d", "mm", Q::Profil},
};
const F statik[] = {
    {"E_Wmax", "Wmax", "cm³", Q::Profil}, {"E_Imax", "Imax", "cm⁴", Q::Profil},
    {"E_Wmin", "Wmin", "cm³", Q::Profil}, {"E_Imin", "Imin", "cm⁴", Q::Profil},
    {"E_A", "Fläche", "cm²", Q::Profil},  {"E_Gew", "Gewicht", "kg/m", Q::Profil},
};

const Gruppenbeschreibung rohrleitung[] = {
    {"Rohr", {}, rohr},
    {"Bogen", {"skizzen/a_bogen"}, bogen},
    {"T-Stück", {"skizzen/a_t_stueck"}, t_stueck},
    {"Reduzierung", {"skizzen/a_reduzierung"}, reduzierung},
    {"Kappe", {"skizzen/a_kappe"}, kappe},
    {"Kombinationen",
     {"skizzen/a_bogen_flansch", "skizzen/a_bogen_t_stueck", "skizzen/a_t_stueck_flansch"},
     kombination},
    {"Flansch und Schrauben", {"skizzen/a_flansch"}, flansch},
    {"Armaturen (Baulängen)",
     {"skizzen/a_ventil", "skizzen/a_schieber", "skizzen/a_kugelhahn"},
     armaturen},
    {"Lager", {"skizzen/a_lager_01", "skizzen/a_lager_05", "skizzen/a_lager_12"}, lager},
};

const Gruppenbeschreibung profil[] = {
    {"Abmessungen", {}, abmessungen},
    {"Statische Werte", {}, statik},
};

const struct {
    const char* Feld;
    const char* Label;
} reihen[] = {
    {"E_Ventil", "L_Ventil"},
    {"E_Regelventil", "L_Regelventil"},
    {"E_Schieber_Kurz", "L_Schieber_Kurz"},
    {"E_Schieber_Lang", "L_Schieber_Lang"},
    {"E_Kugelhahn_Kurz", "L_Kugelhahn_kurz"},
    {"E_Kugelhahn_Lang", "L_Kugelhahn_Lang"},
    {"E_Zwischenflanschklappe_kurz", "L_Zwischenflanschklappe_kurz"},
    {"E_Zwischenflanschklappe_lang", "L_Zwischenflanschklappe_lang"},
    {"E_Flanschklappe_kurz", "L_Flanschklappe_kurz"},
    {"E_Flanschklappe_Lang", "L_Flanschklappe_Lang"},
    {"E_Rueckschlagventil1", "L_Rueckschlagventil1"},
    {"E_Rueckschlagventil2", "L_Rueckschlagventil2"},
    {"E_Rueckschlagklappe", "L_Rueckschlagklappe"},
    {"E_Y_Siebe", "L_Y_Siebe"},
};

} // namespace

std::span<const Gruppenbeschreibung> Rohrleitungsgruppen() {
    return rohrleitung;
}

std::span<const Gruppenbeschreibung> Profilgruppen() {
    return profil;
}

const char* Reihenbeschriftung(const char* feld) {
    for (const auto& r : reihen) {
        if (std::string_view(r.Feld) == feld) {
            return r.Label;
        }
    }
    return nullptr;
}

} // namespace pelmark
