#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Rohrteile() {
    auto [seite, panel] = Neue_Seite("TS_Rohrteile", "P_Rohre");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
