#include "ui/zuschnitt_aufruf.h"

#include "app/programmordner.h"
#include "app/zuschnitt_lauf.h"
#include "ui/massblatt_pdf.h"

#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>

#include <iostream>

namespace pelmark::ui {

int Zuschnitt_schreiben(int argc, char** argv, const Aufruf& aufruf) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    Stille_Umgebung umgebung;
    const Programmordner ordner = Programmordner_einrichten(
        QCoreApplication::applicationDirPath().toStdString(), Benutzerumgebung_lesen(), umgebung);
    const auto lauf = Zuschnitt_fuer_Aufruf(
        umgebung, ordner.Ordner.string() + "/", aufruf.Etage,
        QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString());
    if (!lauf.Blatt) {
        std::cerr << "pelmark: " << lauf.Meldung << "\n";
        return lauf.Status;
    }
    try {
        if (aufruf.Csv == "-") {
            std::cout << Blatt_als_text_tabelle(*lauf.Blatt);
        } else if (!aufruf.Csv.empty()) {
            Massblatt_speichern(*lauf.Blatt, aufruf.Csv);
        }
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
