#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Tabellen() {
    auto [seite, panel] = Neue_Seite("TS_Tabellen", "P_Tabellen");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
