#include "ui/anleitung_oeffnen.h"

#include "app/anleitung.h"
#include "form/umgebung.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>
#include <QWidget>

namespace pelmark::ui {

void Anleitung_oeffnen(const std::filesystem::path& exe_ordner, Umgebung& umgebung) {
    const auto anleitung = Anleitung_finden(exe_ordner);
    if (!anleitung) {
        umgebung.Zeige_Meldung(Meldungsart::warnung, "Pelmark",
                               Meldung_Anleitung_fehlt(exe_ordner));
        return;
    }
    const QUrl adresse = QUrl::fromLocalFile(QString::fromStdString(anleitung->string()));
    if (!QDesktopServices::openUrl(adresse)) {
        umgebung.Zeige_Meldung(Meldungsart::warnung, "Pelmark", Meldung_kein_Browser(*anleitung));
    }
}

void Richte_Anleitung_ein(QWidget* fenster, Umgebung& umgebung) {
    auto* taste = new QShortcut(QKeySequence(Qt::Key_F1), fenster);
    taste->setContext(Qt::WindowShortcut);
    QObject::connect(taste, &QShortcut::activated, fenster, [&umgebung] {
        Anleitung_oeffnen(QCoreApplication::applicationDirPath().toStdString(), umgebung);
    });
}

} // namespace pelmark::ui
