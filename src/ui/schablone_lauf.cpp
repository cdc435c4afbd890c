// The template options, run on the offscreen platform so no display is needed.
#include "ui/schablone_lauf.h"

#include "app/programmordner.h"
#include "app/schablonen_lauf.h"
#include "ui/schablone_druck.h"

#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>

#include <iostream>

namespace pelmark::ui {

int Schablone_schreiben(int argc, char** argv) {
    const auto lesung = Schablonenauftrag_lesen({argv + 1, argv + argc});
    if (!lesung || !lesung->Auftrag) {
        return 2; // Aufruf_lesen has refused it already
    }
    const Schablonenauftrag& auftrag = *lesung->Auftrag;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    Stille_Umgebung umgebung;
    const Programmordner ordner = Programmordner_einrichten(
        QCoreApplication::applicationDirPath().toStdString(), Benutzerumgebung_lesen(), umgebung);
    const auto lauf = Schablone_fuer_Auftrag(
        umgebung, ordner.Ordner.string() + "/", auftrag,
        QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString());
    if (lauf.Status != 0) {
        std::cerr << "pelmark: " << lauf.Meldung << "\n";
        return lauf.Status;
    }
    try {
        if (auftrag.Csv == "-") {
            for (const std::string& zeile : Massblatt_tabelle(lauf.Blatt)) {
                std::cout << zeile << "\n";
            }
        } else if (!auftrag.Csv.empty()) {
            Massblatt_speichern(lauf.Blatt, auftrag.Csv);
        }
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
