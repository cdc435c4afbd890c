#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Formeln() {
    auto [seite, panel] = Neue_Seite("TS_Graphiken", "P_Graphik");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
