// Number reading never crashes, and a number written in its shortest form
// reads back to the same double (the reading goes through extended
// precision, so a rounding twice may land on the neighbouring double).
#include "store/fehler.h"
#include "store/zahlen.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace pelmark;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    if (const auto wert = Lies_Zahl_streng(text)) {
        (void)Festkomma(*wert, 2, ',');
        (void)Allgemein(*wert, ',');
        (void)Fuenfstellig(*wert, ',');
    }
    try {
        (void)Zelle_zu_Zahl(text, ',');
    } catch (const Fehler&) {
    }
    (void)Lies_Ganzzahl(text);
    if (groesse >= sizeof(double)) {
        double d;
        std::memcpy(&d, daten, sizeof d);
        if (std::isfinite(d)) {
            const auto zurueck = Lies_Zahl_Punkt(Kurzform(d));
            const double gelesen = zurueck ? static_cast<double>(*zurueck) : NAN;
            if (gelesen != d && std::nextafter(gelesen, d) != d) {
                std::abort();
            }
            const std::string fest = Festkomma(d, 3, ',');
            if (Zelle_zu_Zahl(fest, ',') != Zelle_zu_Zahl(Festkomma(d, 3, ','), ',')) {
                std::abort();
            }
        }
    }
    return 0;
}
