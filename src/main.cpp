// Program entry: the application titled "Pelmark", the style "Luna", the main
// window with its activation load, and the event loop.
#include "app/lebenszyklus.h"
#include "ui/hauptfenster.h"
#include "ui/qt_umgebung.h"
#include "ui/sprache.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmark"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    pelmark::ui::Deutsch_laden(anwendung);

    const QString dezimal = QLocale::system().decimalPoint();
    const char systemdezimal = dezimal.isEmpty() ? '.' : dezimal.at(0).toLatin1();
    const std::string programmdir = QCoreApplication::applicationDirPath().toStdString() + "/";

    pelmark::ui::Qt_Umgebung umgebung;
    auto form = std::make_unique<pelmark::Mainform>(umgebung, programmdir, systemdezimal);
    pelmark::Programmstart(*form);

    pelmark::ui::Hauptfenster fenster(*form, umgebung);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        const QRect flaeche = bildschirm->availableGeometry();
        fenster.move(flaeche.center() - fenster.rect().center());
    }
    fenster.show();
    return QApplication::exec();
}
