// Program entry: the options (read before any window exists), the application
// titled "Pelmark", the program folder, the style "Luna", the main window with
// its activation load, and the event loop.
#include "app/aufruf.h"
#include "app/lebenszyklus.h"
#include "app/massblatt_lauf.h"
#include "app/programmordner.h"
#include "ui/erstes_bild.h"
#include "ui/hauptfenster.h"
#include "ui/massblatt_pdf.h"
#include "ui/qt_umgebung.h"
#include "ui/schablone_lauf.h"
#include "ui/sprache.h"

#include <QApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>
#include <iostream>

namespace {

// "--massblatt": the sheet without a window, on the offscreen platform so no
// display is needed; messages go to stderr.
int Massblatt_schreiben(int argc, char** argv, const pelmark::Aufruf& aufruf) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    pelmark::Stille_Umgebung umgebung;
    const pelmark::Programmordner ordner =
        pelmark::Programmordner_einrichten(QCoreApplication::applicationDirPath().toStdString(),
                                           pelmark::Benutzerumgebung_lesen(), umgebung);
    const auto lauf = pelmark::Massblatt_fuer_Auswahl(
        umgebung, ordner.Ordner.string() + "/", aufruf.Auswahl,
        QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString());
    if (!lauf.Blatt) {
        std::cerr << "pelmark: " << lauf.Meldung << "\n";
        return lauf.Status;
    }
    try {
        if (!aufruf.Csv.empty()) {
            pelmark::Massblatt_speichern(*lauf.Blatt, aufruf.Csv);
        }
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

} // namespace

int main(int argc, char** argv) {
    const pelmark::Aufruf aufruf = pelmark::Aufruf_lesen({argv + std::min(argc, 1), argv + argc});
    if (aufruf.Art == pelmark::Aufrufart::massblatt) {
        return Massblatt_schreiben(argc, argv, aufruf);
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
    pelmark::Programmstart(*form);

    pelmark::ui::Hauptfenster fenster(*form, umgebung);
    fenster.Reiter()->setCurrentIndex(std::max(aufruf.Seite - 1, 0));
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        const QRect flaeche = bildschirm->availableGeometry();
        fenster.move(flaeche.center() - fenster.rect().center());
    }
    pelmark::ui::Melde_erstes_Bild(fenster, [&form] { return form->Geladen; });
    fenster.show();
    return QApplication::exec();
}
