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

void Winddruck_uebernehmen(Mainform& f) {
    const auto wert = Lies_Zahl_streng(f.maske.E_Winddruck.Text);
    if (wert) {
        f.Winddruck = static_cast<double>(*wert);
        return;
    }
    f.maske.E_Winddruck.Text = Festkomma(f.Winddruck, 2, f.Dezimal);
}

} // namespace pelmark
