// Any bytes load into every table shape of the catalogue (its own line and
// column limits): either the table is parsed or the range error ends it.
// The first byte picks the table, the rest is the file.
#include "store/tabellenspeicher.h"

#include <cstdint>
#include <memory>
#include <string>

using namespace pelmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    if (groesse == 0) {
        return 0;
    }
    static auto speicher = std::make_unique<Tabellenspeicher>();
    const auto& eintrag = Katalog()[daten[0] % Katalog().size()];
    Tabelle& tabelle = (*speicher).*eintrag.Tabelle_;
    tabelle.Zeilen = Teile_Zeilen(
        Dekodiere_Text(std::string(reinterpret_cast<const char*>(daten) + 1, groesse - 1)));
    try {
        Parse_Tabelle(tabelle, eintrag.Spaltenanz);
    } catch (const Fehler&) {
    }
    return 0;
}
