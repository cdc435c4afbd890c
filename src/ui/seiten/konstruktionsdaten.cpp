#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Konstruktionsdaten() {
    auto [seite, panel] = Neue_Seite("TS_Konstruktionsdaten", "P_Abstaende");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
