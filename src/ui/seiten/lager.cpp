#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Lager() {
    auto [seite, panel] = Neue_Seite("TS_Lager", "P_Unterstuetzungen");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
