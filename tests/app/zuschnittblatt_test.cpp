// "pelmark --etage": the cut sheet of the shipped tables as its free table,
// each case a command line and a line the table must hold.
#include "app/zuschnitt_lauf.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

TEST(Zuschnittblatt, Aufrufe_und_ihre_Zeilen) {
    struct Fall {
        const char* Name;
        Etagenaufruf Etage;
        int Status;
        const char* Zeile; // a line of the sheet's table, or the message
    };
    const Fall faelle[] = {
        {"DIN DN 100 45 Grad",
         {"DN 100", "500", "45", "", "", ""},
         0,
         "Etage: Ergebnis;Zuschnittlänge;580,8;mm;Datei E9_Din.CSV, Zeile 12 (DN 100), "
         "Spalte 3 (Bauart 3 (3d))"},
        {"Spalt 3",
         {"DN 100", "500", "45", "", "", "3"},
         0,
         "Etage: Ergebnis;Zuschnittlänge;574,8;mm;"},
        {"ANSI 4 Zoll 30 Grad",
         {"NPS 4", "500", "30", "", "", ""},
         0,
         "Etage: Ergebnis;Zuschnittlänge;918,5;mm;"},
        {"Laenge fest",
         {"DN 100", "500", "", "1000", "", ""},
         0,
         "Etage: Ergebnis;Winkel α;26,6;°;"},
        {"Raumetage",
         {"DN 100", "300", "45", "", "400", ""},
         0,
         "Etage: Ergebnis;Drehwinkel;53,1;°;"},
        {"Versatz unlesbar",
         {"DN 100", "abc", "45", "", "", ""},
         0,
         "Etage: Ergebnis;Zuschnittlänge;-;mm;Kein Wert: Der Versatz: \"abc\" ist keine Zahl, "
         "Datei E9_Din.CSV"},
        {"Groesse unbekannt", {"DN 175", "500", "45", "", "", ""}, 2, "DN 175"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        Stille_Umgebung umgebung;
        const Blattlauf lauf = Zuschnitt_fuer_Aufruf(umgebung, std::string(PELMARK_QUELLE) + "/",
                                                     fall.Etage, "10.12.2026");
        EXPECT_EQ(lauf.Status, fall.Status) << lauf.Meldung;
        const std::string text = lauf.Blatt ? Blatt_als_text_tabelle(*lauf.Blatt) : lauf.Meldung;
        EXPECT_NE(text.find(fall.Zeile), std::string::npos) << text;
    }
}

} // namespace
} // namespace pelmark
