#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Profile() {
    auto [seite, panel] = Neue_Seite("TS_Profile", "P_Profile1");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
