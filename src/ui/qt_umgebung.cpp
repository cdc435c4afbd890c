#include "ui/qt_umgebung.h"

#include "app/stile.h"
#include "ui/stil.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>

#include <iostream>

namespace pelmark::ui {

void Qt_Umgebung::Zeige_Meldung(Meldungsart art, const std::string& titel,
                                const std::string& text) {
    if (Ohne_Fenster) {
        std::cerr << titel << ": " << text << "\n";
        return;
    }
    QMessageBox box(Elternfenster);
    box.setWindowTitle(QString::fromStdString(titel));
    box.setText(QString::fromStdString(text));
    switch (art) {
    case Meldungsart::fehler:
        box.setIcon(QMessageBox::Critical);
        break;
    case Meldungsart::warnung:
        box.setIcon(QMessageBox::Warning);
        break;
    case Meldungsart::information:
        box.setIcon(QMessageBox::Information);
        break;
    case Meldungsart::hinweis:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    const bool stilfehler = text.rfind("Stil '", 0) == 0;
    box.addButton(stilfehler ? QStringLiteral("&Schließen") : QStringLiteral("OK"),
                  QMessageBox::AcceptRole);
    box.exec();
}

Antwort Qt_Umgebung::Frage(Frageart art, const std::string& titel, const std::string& text) {
    if (Ohne_Fenster) {
        return Antwort::abbrechen;
    }
    QMessageBox box(Elternfenster);
    box.setWindowTitle(QString::fromStdString(titel));
    box.setText(QString::fromStdString(text));
    box.setIcon(QMessageBox::Question);
    const Antworttexte texte = Knopftexte(art);
    auto* ja = box.addButton(QString::fromUtf8(texte.Ja), QMessageBox::AcceptRole);
    auto* nein = box.addButton(QString::fromUtf8(texte.Nein), QMessageBox::DestructiveRole);
    auto* abbrechen = box.addButton(QString::fromUtf8(texte.Abbrechen), QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(abbrechen);
    box.exec();
    if (box.clickedButton() == ja) {
        return Antwort::ja;
    }
    return box.clickedButton() == nein ? Antwort::nein : Antwort::abbrechen;
}

void Qt_Umgebung::Stil_anwenden(const std::string& name) {
    Wende_Stil_an(name);
}

void Qt_Umgebung::Zeige_Fenster(Infofenster& fenster, bool modal) {
    if (Bei_Fenster_zeigen) {
        Bei_Fenster_zeigen(fenster, modal);
    }
}

void Qt_Umgebung::Schliesse_Fenster(Infofenster& fenster) {
    if (Bei_Fenster_schliessen) {
        Bei_Fenster_schliessen(fenster);
    }
}

std::optional<std::string> Qt_Umgebung::Datei_waehlen(const std::string& filter,
                                                      const std::string& startordner) {
    // The filter comes as "description|pattern".
    const QString teile = QString::fromStdString(filter);
    const auto strich = teile.indexOf('|');
    const QString qt_filter =
        strich < 0 ? teile : teile.left(strich) + " (" + teile.mid(strich + 1) + ")";
    // Qt's own dialog, which speaks the loaded German translations.
    const QString datei =
        QFileDialog::getOpenFileName(Elternfenster, QString(), QString::fromStdString(startordner),
                                     qt_filter, nullptr, QFileDialog::DontUseNativeDialog);
    if (datei.isEmpty()) {
        return std::nullopt;
    }
    return datei.toStdString();
}

std::vector<std::string> Qt_Umgebung::Laufwerke() {
    std::vector<std::string> wurzeln;
    for (const QStorageInfo& platz : QStorageInfo::mountedVolumes()) {
        if (platz.isValid() && platz.isReady()) {
            wurzeln.push_back(platz.rootPath().toStdString());
        }
    }
    return wurzeln;
}

} // namespace pelmark::ui
