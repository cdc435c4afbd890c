#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Massumwandlung() {
    auto [seite, panel] = Neue_Seite("TS_Massumwandlung", "P_Massumwandlung");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
