#include "ui/massblatt_dialog.h"

#include "store/fehler.h"
#include "ui/massblatt_pdf.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelmark::ui {

Massblattdialog::Massblattdialog(Massblatt blatt, QWidget* eltern)
    : QDialog(eltern), blatt_(std::move(blatt)) {
    setObjectName(QStringLiteral("F_Massblatt"));
    setWindowTitle(QString::fromStdString(blatt_.Titel));
    resize(720, 640);
    auto* text = new QPlainTextEdit(QString::fromStdString(Massblatt_text(blatt_)), this);
    text->setObjectName(QStringLiteral("M_Massblatt"));
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* knoepfe = new QDialogButtonBox(this);
    const auto knopf = [&](const char* name, const char* beschriftung, auto aktion) {
        auto* k = knoepfe->addButton(QString::fromUtf8(beschriftung), QDialogButtonBox::ActionRole);
        k->setObjectName(QString::fromLatin1(name));
        connect(k, &QPushButton::clicked, this, aktion);
    };
    knopf("B_Drucken", "Drucken", [this] { Drucken(); });
    knopf("B_Als_PDF", "Als PDF speichern", [this] { Als_pdf(); });
    knopf("B_Als_CSV", "Als CSV speichern", [this] { Als_csv(); });
    knopf("B_Alles_kopieren", "Alles kopieren", [this] {
        QApplication::clipboard()->setText(QString::fromStdString(Massblatt_text(blatt_)));
    });
    auto* schliessen =
        knoepfe->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    schliessen->setObjectName(QStringLiteral("B_Schliessen"));
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->addWidget(text);
    anordnung->addWidget(knoepfe);
}

void Massblattdialog::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setFullPage(true);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() == QDialog::Accepted) {
        Massblatt_zeichnen(blatt_, drucker);
    }
}

void Massblattdialog::Als_pdf() {
    const QString datei = QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF speichern"),
                                                       QString(), QStringLiteral("PDF (*.pdf)"));
    if (!datei.isEmpty() && !Massblatt_als_pdf(blatt_, datei)) {
        QMessageBox::critical(this, QStringLiteral("Pelmark"),
                              QStringLiteral("%1 kann nicht geschrieben werden.").arg(datei));
    }
}

void Massblattdialog::Als_csv() {
    const QString datei =
        QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"), QString(),
                                     QStringLiteral("Tabellen (*.CSV *.csv)"));
    if (datei.isEmpty()) {
        return;
    }
    try {
        Massblatt_speichern(blatt_, datei.toStdString());
    } catch (const std::exception& fehler) {
        QMessageBox::critical(this, QStringLiteral("Pelmark"), QString::fromUtf8(fehler.what()));
    }
}

QPushButton* Massblatt_knopf(const char* seite, QWidget* eltern) {
    auto* knopf = new QPushButton(QStringLiteral("Maßblatt"), eltern);
    knopf->setObjectName(QStringLiteral("B_Massblatt_") + QString::fromLatin1(seite));
    knopf->setToolTip(QStringLiteral("Alle Maße der Auswahl auf einem Blatt (Strg+P)"));
    return knopf;
}

} // namespace pelmark::ui
