#include "calc/material.h"
#include "calc/anzeigen.h"

#include "store/zahlen.h"

#include <array>

namespace pelmark {

// Column by column: a cell that does not convert stops the take-over there,
// with the columns before it already stored.
void Material_uebernehmen(Mainform& f) {
    const TEStringGrid& grid = f.maske.SG_Material.Grid;
    const int zeile = grid.Row;
    f.Materialname = grid.Cell(0, zeile);
    const std::array<double*, 6> werte = {
        &f.e_Modul, &f.SigmaB, &f.SigmaE, &f.Gamma_Rohr_Traeger, &f.Beta20, &f.Delta_Beta};
    for (int c = 1; c <= 6; ++c) {
        *werte[static_cast<size_t>(c - 1)] =
            static_cast<double>(Zelle_zu_Zahl(grid.Cell(c, zeile), f.Dezimal));
    }
}

// A text that does not read stays as typed; the wind loads then show "-".
void Winddruck_uebernehmen(Mainform& f) {
    const auto wert = Lies_Zahl_streng(f.maske.E_Winddruck.Text);
    if (wert) {
        f.Winddruck = static_cast<double>(*wert);
    }
}

std::string Winddruck_Grund(const Mainform& f) {
    const std::string& text = f.maske.E_Winddruck.Text;
    const auto wert = Lies_Zahl_streng(text);
    if (!wert) {
        return "Winddruck: «" + text + "» ist keine Zahl";
    }
    if (!(*wert >= 0 && *wert <= Hoechster_Winddruck)) {
        return "Winddruck außerhalb 0 … 10000 N/m²";
    }
    return {};
}

} // namespace pelmark
