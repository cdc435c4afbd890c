// Any file's bytes load into a table and the unit-conversion table without a
// crash; too many lines end in the range error, nothing else.
#include "store/tabellenspeicher.h"

#include <cstdint>
#include <memory>
#include <string>

using namespace pelmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    const std::string bytes(reinterpret_cast<const char*>(daten), groesse);
    static auto speicher = std::make_unique<Tabellenspeicher>();
    const Zeilenliste zeilen = Teile_Zeilen(Dekodiere_Text(bytes));
    speicher->DIN_Flansche.Zeilen = zeilen;
    speicher->Massumrechnung = zeilen;
    try {
        Parse_Tabelle(speicher->DIN_Flansche, 49);
    } catch (const Fehler&) {
    }
    try {
        Parse_Massumrechnung(*speicher);
    } catch (const Fehler&) {
    }
    return 0;
}
