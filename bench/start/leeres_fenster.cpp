// The yardstick of the start-up benchmark: a bare Qt Widgets window of the
// main window's size with ten empty tabs, and nothing else.
#include "ui/erstes_bild.h"

#include <QApplication>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QWidget fenster;
    fenster.resize(1042, 731);
    auto* reiter = new QTabWidget(&fenster);
    for (int i = 1; i <= 10; ++i) {
        reiter->addTab(new QWidget, QStringLiteral("Seite %1").arg(i));
    }
    auto* anordnung = new QVBoxLayout(&fenster);
    anordnung->addWidget(reiter);
    pelmark::ui::Melde_erstes_Bild(fenster, [] { return true; });
    fenster.show();
    return QApplication::exec();
}
