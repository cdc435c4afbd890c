// Program entry: the options (read before any window exists), the application
// titled "Pelmark", the program folder, the style "Luna", the main window with
// its activation load, and the event loop.
#include "app/aufruf.h"
#include "app/firmenordner.h"
#include "app/firmenpruefung.h"
#include "app/lebenszyklus.h"
#include "app/massblatt_lauf.h"
#include "app/programmordner.h"
#include "ui/ende_von_aussen.h"
#include "ui/erstes_bild.h"
#include "ui/hauptfenster.h"
#include "ui/massblatt_pdf.h"
#include "ui/ohne_fenster.h"
#include "ui/qt_umgebung.h"
#include "ui/schablone_lauf.h"
#include "ui/sprache.h"
#include "ui/zuschnitt_aufruf.h"

#include <QApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QTabWidget>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace {

// "--massblatt": the sheet without a window, on the offscreen platform so no
// display is needed; messages go to stderr.
int Massblatt_schreiben(int argc, char** argv, const pelmark::Aufruf& aufruf,
                        const std::string& firmenordner) {
    pelmark::ui::Ohne_Fenster ohne_fenster(argc, argv);
    pelmark::Stille_Umgebung& umgebung = ohne_fenster.Plattform;
    const auto lauf = pelmark::Massblatt_fuer_Auswahl(
        umgebung, ohne_fenster.Ordner(), aufruf.Auswahl, ohne_fenster.Datum(), firmenordner);
    if (!lauf.Blatt) {
        std::cerr << "pelmark: " << lauf.Meldung << "\n";
        return lauf.Status;
    }
    for (const std::string& warnung : umgebung.Meldungen) {
        std::cerr << "pelmark: " << warnung << "\n";
    }
    try {
        pelmark::Massblatt_tabelle_ausgeben(*lauf.Blatt, aufruf.Csv, std::cout);
    } catch (const std::exception& fehler) {
        std::cerr << "pelmark: " << fehler.what() << "\n";
        return 1;
    }
    if (!aufruf.Pdf.empty() &&
        !pelmark::ui::Massblatt_als_pdf(*lauf.Blatt, QString::fromStdString(aufruf.Pdf))) {
        std::cerr << "pelmark: " << aufruf.Pdf << " kann nicht geschrieben werden\n";
        return 1;
    }
    return 0;
}

// "--pruefen": the company folder checked against the shipped tables.
int Firmenordner_pruefen(int argc, char** argv, const std::string& firmenordner) {
    if (firmenordner.empty()) {
        std::cerr << "pelmark: --pruefen braucht einen Firmenordner (--firma ORDNER, "
                     "PELMARK_FIRMA oder firma= in pelmark.conf)\n";
        return 2;
    }
    QCoreApplication anwendung(argc, argv);
    std::string fehler;
    const pelmark::Programmordner ordner =
        pelmark::Programmordner_bestimmen(QCoreApplication::applicationDirPath().toStdString(),
                                          pelmark::Benutzerumgebung_lesen(), fehler);
    const auto daten =
        (ordner.Art == pelmark::Betriebsart::installiert ? ordner.Ausgeliefert : ordner.Ordner) /
        "Daten";
    return pelmark::Firmenordner_pruefen_lauf(firmenordner, daten, std::cout);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + std::min(argc, 1), argv + argc);
    const pelmark::Firmenangaben firma = pelmark::Firmenangaben_nehmen(argumente);
    const pelmark::Aufruf aufruf = pelmark::Aufruf_lesen(argumente);
    const std::string firmenordner =
        pelmark::Firmenordner_bestimmen(firma.Ordner, pelmark::Einstellungen_lesen());
    if (!firma.Fehler.empty()) {
        std::cerr << "pelmark: " << firma.Fehler << "\n";
        return 2;
    }
    if (firma.Pruefen && aufruf.Art == pelmark::Aufrufart::starten) {
        return Firmenordner_pruefen(argc, argv, firmenordner);
    }
    if (aufruf.Art == pelmark::Aufrufart::massblatt) {
        return Massblatt_schreiben(argc, argv, aufruf, firmenordner);
    }
    if (aufruf.Art == pelmark::Aufrufart::etage) {
        return pelmark::ui::Zuschnitt_schreiben(argc, argv, aufruf);
    }
    if (aufruf.Art == pelmark::Aufrufart::schablone) {
        return pelmark::ui::Schablone_schreiben(argc, argv);
    }
    if (aufruf.Art != pelmark::Aufrufart::starten) {
        (aufruf.Status == 0 ? std::cout : std::cerr) << aufruf.Ausgabe;
        return aufruf.Status;
    }
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmark"));
    // the desktop entry the window belongs to (de.pelmark.Pelmark.desktop)
    QGuiApplication::setDesktopFileName(QStringLiteral("de.pelmark.Pelmark"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    pelmark::ui::Deutsch_laden(anwendung);

    const QString dezimal = QLocale::system().decimalPoint();
    const char systemdezimal = dezimal.isEmpty() ? '.' : dezimal.at(0).toLatin1();

    pelmark::ui::Qt_Umgebung umgebung;
    const pelmark::Programmordner ordner =
        pelmark::Programmordner_einrichten(QCoreApplication::applicationDirPath().toStdString(),
                                           pelmark::Benutzerumgebung_lesen(), umgebung);
    auto form =
        std::make_unique<pelmark::Mainform>(umgebung, ordner.Ordner.string() + "/", systemdezimal);
    form->Betriebsinfo = pelmark::Betriebsinfo(ordner);
    form->Firmenordner = firmenordner;
    pelmark::Programmstart(*form);

    pelmark::ui::Hauptfenster fenster(*form, umgebung);
    fenster.Reiter()->setCurrentIndex(std::max(aufruf.Seite - 1, 0));
    fenster.Zentriere();
    // Signals and the end of the session close as the close box does.
    new pelmark::ui::Ende_von_aussen(fenster);
    pelmark::ui::Melde_erstes_Bild(fenster, [&form] { return form->Geladen; });
    fenster.show();
    return QApplication::exec();
}
