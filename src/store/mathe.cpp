#include "store/mathe.h"

#include "store/gleitkomma.h"

#include <cmath>

namespace pelmark {

Extended Interpoliere_Linear(Extended Eingabe_oben, Extended Eingabe_mitte, Extended Eingabe_unten,
                             Extended Ausgabe_oben, Extended Ausgabe_unten) {
    try {
        const Extended zaehler =
            gk::pruefe((Ausgabe_oben - Ausgabe_unten) * (Eingabe_mitte - Eingabe_unten));
        return gk::pruefe(gk::teile(zaehler, Eingabe_oben - Eingabe_unten) + Ausgabe_unten);
    } catch (const Fehler&) {
        return 0;
    }
}

Extended Tangens(Extended grad) {
    constexpr Extended grad_zu_bogen = 0.017453292519943295L;
    return std::tan(grad * grad_zu_bogen);
}

Extended Zoll_in_mm(std::string_view Zollwert) {
    const auto blank = Zollwert.find(' ');
    const auto strich = Zollwert.find('/');
    std::string_view vorzahl = "0";
    if (blank != std::string_view::npos) {
        vorzahl = Zollwert.substr(0, blank);
    } else if (strich == std::string_view::npos) {
        vorzahl = Zollwert;
    }
    const auto vor = Lies_Zahl_Punkt(vorzahl);
    if (!vor) {
        return -1;
    }
    if (strich == std::string_view::npos) {
        return *vor;
    }
    const size_t zaehler_anfang = blank == std::string_view::npos ? 0 : blank;
    const std::string_view zaehler_text =
        strich > zaehler_anfang ? Zollwert.substr(zaehler_anfang, strich - zaehler_anfang) : "";
    const auto zaehler = Lies_Zahl_Punkt(zaehler_text);
    const auto teiler = Lies_Zahl_Punkt(Zollwert.substr(strich + 1));
    if (!zaehler || !teiler || *teiler == 0) {
        return -1;
    }
    return *zaehler / *teiler + *vor;
}

} // namespace pelmark
