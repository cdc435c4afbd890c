#include "calc/lasten_herkunft.h"

#include <array>
#include <utility>

namespace pelmark {

void Lasten_Herkunft(Mainform& f) {
    auto& m = f.maske;
    const Edit* da = &m.E_DA1;
    const Edit* s = &m.E_WD1;
    const std::array<std::pair<Edit*, const char*>, 6> lasten = {{
        {&m.E_Masse_Ltg, "Rohrwand aus da und s, Dichte des Werkstoffs (Optionen)"},
        {&m.E_Masse_Fuellung, "Füllung der Bohrung da − 2 · s mit der Dichte γ"},
        {&m.E_Masse_Isolierung,
         "Dämmung der Dicke t um da (0,2 kg/dm³) und Blechmantel 1 mm (2,75 kg/dm³)"},
        {&m.E_Gesammtmasse, "Summe aus Rohr, Füllung und Dämmung"},
        {&m.E_Windlast_isoliert, "Winddruck auf den Außen-Ø da + 2 · t, Formbeiwert 0,75"},
        {&m.E_Windlast_unisoliert, "Winddruck auf den Außen-Ø da, Formbeiwert 0,75"},
    }};
    for (const auto& [feld, regel] : lasten) {
        feld->Quelle = Berechnet(regel, {da, s});
    }
    for (Edit* feld : {&m.E_Stuetzweite_leer_unisoliert, &m.E_Stuetzweite_leer_isoliert,
                       &m.E_Stuetzweite_voll_unisoliert, &m.E_Stuetzweite_Voll_isoliert}) {
        feld->Quelle = Berechnet("Stützweite der gewählten Lagerung aus da, s, Masse und Windlast "
                                 "je Meter und dem E-Modul (Optionen)",
                                 {da, s});
        feld->Quelle.Grund = "keine Stützweite im Suchbereich gefunden";
    }
}

} // namespace pelmark
