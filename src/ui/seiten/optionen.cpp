#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Optionen() {
    auto [seite, panel] = Neue_Seite("TS_Berechnungswerte", "P_Grundeinstellungen");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
