#include "ui/seiten/seiten.h"
#include "ui/seiten/bausteine.h"

namespace pelmark::ui {

QWidget* Baue_Seite_Armaturen() {
    auto [seite, panel] = Neue_Seite("TS_Armaturen", "P_Armaturen");
    (void)panel;
    return seite;
}

} // namespace pelmark::ui
