// Program entry: the options (read before any window exists), the application
// titled "Pelmark", the program folder, the style "Luna", the main window with
// its activation load, and the event loop.
#include "app/aufruf.h"
#include "app/lebenszyklus.h"
#include "app/programmordner.h"
#include "ui/hauptfenster.h"
#include "ui/qt_umgebung.h"
#include "ui/sprache.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>
#include <iostream>

int main(int argc, char** argv) {
    const pelmark::Aufruf aufruf = pelmark::Aufruf_lesen({argv + std::min(argc, 1), argv + argc});
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
    fenster.show();
    return QApplication::exec();
}
