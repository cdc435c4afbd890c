// The template options, run on the offscreen platform so no display is needed.
#include "ui/schablone_lauf.h"

#include "app/schablonen_lauf.h"
#include "ui/ohne_fenster.h"
#include "ui/schablone_druck.h"

#include <iostream>

namespace pelmark::ui {

int Schablone_schreiben(int argc, char** argv) {
    const auto lesung = Schablonenauftrag_lesen({argv + 1, argv + argc});
    if (!lesung || !lesung->Auftrag) {
        return 2; // Aufruf_lesen has refused it already
    }
    const Schablonenauftrag& auftrag = *lesung->Auftrag;
    Ohne_Fenster lauf_ohne_fenster(argc, argv);
    const auto lauf =
        Schablone_fuer_Auftrag(lauf_ohne_fenster.Plattform, lauf_ohne_fenster.Ordner(), auftrag,
                               lauf_ohne_fenster.Datum());
    if (lauf.Status != 0) {
        std::cerr << "pelmark: " << lauf.Meldung << "\n";
        return lauf.Status;
    }
    try {
        Massblatt_tabelle_ausgeben(lauf.Blatt, auftrag.Csv, std::cout);
    } catch (const std::exception& fehler) {
        std::cerr << "pelmark: " << fehler.what() << "\n";
        return 1;
    }
    if (!auftrag.Pdf.empty() &&
        !Schablonen_als_pdf(lauf.Zeichnungen, QString::fromStdString(auftrag.Pdf))) {
        std::cerr << "pelmark: " << auftrag.Pdf << " kann nicht geschrieben werden\n";
        return 1;
    }
    return 0;
}

} // namespace pelmark::ui
