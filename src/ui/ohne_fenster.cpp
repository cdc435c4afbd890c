#include "ui/ohne_fenster.h"

#include "app/programmordner.h"

#include <QCoreApplication>
#include <QDate>

namespace pelmark::ui {

namespace {

int& Offscreen(int& argc) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

} // namespace

Ohne_Fenster::Ohne_Fenster(int& argc, char** argv) : anwendung_(Offscreen(argc), argv) {
    const pelmark::Programmordner ordner = Programmordner_einrichten(
        QCoreApplication::applicationDirPath().toStdString(), Benutzerumgebung_lesen(), Plattform);
    programmordner_ = ordner.Ordner.string() + "/";
}

std::string Ohne_Fenster::Datum() const {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
}

} // namespace pelmark::ui
