#include "ui/seiten/seiten.h"

namespace pelmark::ui {

QWidget* Baue_Seite(int index) {
    using Bauer = QWidget* (*)();
    static constexpr Bauer bauer[11] = {
        Baue_Seite_Rohrteile,      Baue_Seite_Armaturen, Baue_Seite_Lager,
        Baue_Seite_Profile,        Baue_Seite_Optionen,  Baue_Seite_Konstruktionsdaten,
        Baue_Seite_Dehnung,        Baue_Seite_Tabellen,  Baue_Seite_Formeln,
        Baue_Seite_Massumwandlung, Baue_Seite_Rohrbau,
    };
    return bauer[index]();
}

} // namespace pelmark::ui
