// Date keys from any text: a date or -1; a date has a day of the year from 1
// to 366 and its minute count follows from it without a crash.
#include "grid/u_zeit.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace pelmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const Datumswert datum = String_zu_Datum(text);
    if (datum != -1) {
        const int tag = TagNummer(datum);
        if (tag < 1 || tag > 366) {
            std::abort();
        }
        Minuten_seit_1900_lang(datum);
    }
    String_zu_Minuten_seit_1900(text);
    return 0;
}
