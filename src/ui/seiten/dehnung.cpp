#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Dehnung() {
    auto [seite, panel] = Neue_Seite("TS_Dehnung", "P_Rohrdehnung");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
