// Massumrechnung.CSV with any bytes: the unit kinds are parsed (or the range
// error ends it) and every unit of every kind converts to every other one
// without a crash; an unreadable factor ends as the program's own error.
#include "calc/massumwandlung.h"
#include "store/tabellenspeicher.h"
#include "store/zahlen.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

using namespace pelmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    static auto speicher = std::make_unique<Tabellenspeicher>();
    speicher->Massumrechnung =
        Teile_Zeilen(Dekodiere_Text(std::string(reinterpret_cast<const char*>(daten), groesse)));
    try {
        Parse_Massumrechnung(*speicher);
    } catch (const Fehler&) {
        return 0;
    }
    const int arten = std::min(speicher->Anz_Massarten, Masstabelle::Arten);
    for (int art = 0; art < arten; ++art) {
        // Massanz is the index of the kind's last unit.
        const int einheiten =
            std::min(speicher->Inhalt_Masse(art, 0).Massanz + 1, Masstabelle::Einheiten);
        for (int q = 0; q < einheiten; ++q) {
            for (int z = 0; z < einheiten; ++z) {
                const Massrecord& quelle = speicher->Inhalt_Masse(art, q);
                const Massrecord& ziel = speicher->Inhalt_Masse(art, z);
                try {
                    Umrechnen(1.5L, Zelle_zu_Zahl(quelle.SI_Wert, ','),
                              Zelle_zu_Zahl(ziel.SI_Wert, ','), quelle.Kuerzel, ziel.Kuerzel);
                } catch (const Fehler&) {
                }
            }
        }
    }
    return 0;
}
