#include "ui/zuschnitt_aufruf.h"

#include "app/zuschnitt_lauf.h"
#include "ui/massblatt_pdf.h"
#include "ui/ohne_fenster.h"

#include <iostream>

namespace pelmark::ui {

int Zuschnitt_schreiben(int argc, char** argv, const Aufruf& aufruf) {
    Ohne_Fenster lauf_ohne_fenster(argc, argv);
    const auto lauf = Zuschnitt_fuer_Aufruf(lauf_ohne_fenster.Plattform, lauf_ohne_fenster.Ordner(),
                                            aufruf.Etage, lauf_ohne_fenster.Datum());
    if (!lauf.Blatt) {
        std::cerr << "pelmark: " << lauf.Meldung << "\n";
        return lauf.Status;
    }
    try {
        Massblatt_tabelle_ausgeben(*lauf.Blatt, aufruf.Csv, std::cout);
    } catch (const std::exception& fehler) {
        std::cerr << "pelmark: " << fehler.what() << "\n";
        return 1;
    }
    if (!aufruf.Pdf.empty() &&
        !Massblatt_als_pdf(*lauf.Blatt, QString::fromStdString(aufruf.Pdf))) {
        std::cerr << "pelmark: " << aufruf.Pdf << " kann nicht geschrieben werden\n";
        return 1;
    }
    return 0;
}

} // namespace pelmark::ui
