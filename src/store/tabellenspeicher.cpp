#include "store/tabellenspeicher.h"

#include "store/text.h"

namespace pelmark {

namespace {
using T = Tabellenspeicher;
} // namespace

const std::array<Katalogeintrag, 31>& Katalog() {
    static const std::array<Katalogeintrag, 31> katalog = {{
        {"P_Din.CSV", &T::Din_Rohre, 7},
        {"P_ANSI.CSV", &T::ANSI_Rohre, 19},
        {"E9_Din.CSV", &T::DIN_Boegen, 6},
        {"E9_ANSI.CSV", &T::ANSI_Boegen, 6},
        {"T_Din.CSV", &T::DIN_T_Stuecke, 25},
        {"T_ANSI.CSV", &T::ANSI_T_Stuecke, 25},
        {"F_Din_rev.CSV", &T::DIN_Flansche, 49},
        {"F_Ansi.CSV", &T::ANSI_Flansche, 28},
        {"Red_Din.CSV", &T::DIN_Red, 2},
        {"Red_Ansi.CSV", &T::ANSI_Red, 2},
        {"C_Din.CSV", &T::DIN_Kappen, 2},
        {"C_Ansi.CSV", &T::ANSI_Kappen, 2},
        {"Arm_DIN.CSV", &T::Armaturenbaureihen_DIN, 38},
        {"BRZ_DIN.CSV", &T::Baureihenzuordnung_DIN, 8},
        {"Arm_ANSI.CSV", &T::Armaturenbaureihen_ANSI, 31},
        {"BRZ_ANSI.CSV", &T::Baureihenzuordnung_ANSI, 5},
        {"Winkel_G.CSV", &T::Winkel_Gleichschenkelig, 12},
        {"Winkel_U.CSV", &T::Winkel_Ungleichschenkelig, 12},
        {"U_Stahl.CSV", &T::U_Stahl, 12},
        {"I_Stahl.CSV", &T::I_Stahl, 12},
        {"IPE.CSV", &T::IPE, 12},
        {"HEA.CSV", &T::HEA, 12},
        {"HEB.CSV", &T::HEB, 12},
        {"HEM.CSV", &T::HEM, 12},
        {"T_Stahl_G.CSV", &T::T_Stahl_G, 12},
        {"Lager.CSV", &T::Lager, 25},
        {"Rohrabst.CSV", &T::Rohrabstand, 25},
        {"Isol.CSV", &T::Isolierung, 24},
        // The touch-protection table has no width of its own: it is parsed as
        // wide as the insulation table.
        {"Berührungsschutz.CSV", &T::Beruehrungsschutz, 24},
        {"Material.CSV", &T::Material, 7},
        {"Dampftabelle.CSV", &T::Dampf, 5},
    }};
    return katalog;
}

const std::array<int, 31>& Parsefolge() {
    // Reducers and caps (9..12) before the flanges (7, 8).
    static const std::array<int, 31> folge = {0,  1,  2,  3,  4,  5,  8,  9,  10, 11, 6,
                                              7,  12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                              22, 23, 24, 25, 26, 27, 28, 29, 30};
    return folge;
}

void Parse_Tabelle(Tabelle& tabelle, std::int32_t spaltenanz) {
    tabelle.Spaltenanz = spaltenanz;
    Stringarray felder;
    for (int n = 1; n < tabelle.Anzahl_Zeilen(); ++n) {
        CSV_Stringtrennung(tabelle.Zeilen[static_cast<size_t>(n)], spaltenanz, felder);
        for (int c = 0; c < spaltenanz; ++c) {
            tabelle.Inhalt(c, n - 1) = felder[static_cast<size_t>(c)];
        }
    }
}

void Parse_Massumrechnung(const Zeilenliste& zeilen, Masstabelle& masse,
                          std::int32_t& anz_massarten) {
    int art = -1;
    int einheit = -1;
    std::string artname;
    Stringarray felder;
    for (const auto& zeile : zeilen) {
        CSV_Stringtrennung(zeile, 3, felder);
        if (felder[0] == "---") {
            if (art >= 0 && einheit >= 0) {
                for (int i = 0; i <= einheit; ++i) {
                    masse(art, i).Massanz = einheit;
                }
            }
            ++art;
            einheit = -1;
            artname = felder[1];
        } else {
            ++einheit;
            Massrecord& r = masse(art, einheit);
            r.Massart = artname;
            r.Beschreibung = felder[0];
            r.Kuerzel = felder[1];
            r.SI_Wert = felder[2];
        }
    }
    anz_massarten = art;
}

void Parse_Massumrechnung(Tabellenspeicher& speicher) {
    Parse_Massumrechnung(speicher.Massumrechnung, speicher.Inhalt_Masse, speicher.Anz_Massarten);
    speicher.Massartpos = 0;
    speicher.Quellmasspos = 0;
    speicher.Zielmasspos = 0;
}

} // namespace pelmark
