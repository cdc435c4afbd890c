#include "ui/sprache.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pelmark::ui {

void Deutsch_laden(QApplication& anwendung) {
    auto* uebersetzer = new QTranslator(&anwendung);
    if (uebersetzer->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(uebersetzer);
    } else {
        delete uebersetzer;
    }
}

} // namespace pelmark::ui
