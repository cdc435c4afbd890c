// Hovering a value field shows where its value comes from: the binder turns
// the core's source text into the field's tooltip, beside any tooltip of its
// own. With PELMARK_SEITENBILDER set, the tooltips are also saved as pictures.
#include "ui/hauptfenster.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "pruef_umgebung.h"

#include <filesystem>
#include <memory>

using namespace pelmark;

class Quellen_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner;
    Pruef_Umgebung umgebung;
    std::unique_ptr<Mainform> form;
    std::unique_ptr<ui::Hauptfenster> fenster;

    // Hovers the field and returns the tooltip shown.
    QString Schwebe(const char* name, int seite) {
        fenster->Reiter()->setCurrentIndex(seite);
        auto* feld = fenster->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (feld == nullptr) {
            return QStringLiteral("%1 fehlt").arg(QLatin1String(name));
        }
        QToolTip::hideText();
        const QPoint mitte = feld->rect().center();
        QHelpEvent hilfe(QEvent::ToolTip, mitte, feld->mapToGlobal(mitte));
        QApplication::sendEvent(feld, &hilfe);
        Bild(name);
        // The tooltip is rich text, one line of the source text a line.
        QString text = QToolTip::text();
        return text.remove(QStringLiteral("<qt>"))
            .remove(QStringLiteral("</qt>"))
            .replace(QStringLiteral("<br>"), QStringLiteral("\n"));
    }

    // The window with the tooltip painted where it shows.
    void Bild(const char* name) {
        const QString ziel = qEnvironmentVariable("PELMARK_SEITENBILDER");
        QWidget* tipp = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->inherits("QTipLabel") && w->isVisible()) {
                tipp = w;
            }
        }
        if (ziel.isEmpty() || tipp == nullptr) {
            return;
        }
        const QRect tipp_ort(fenster->mapFromGlobal(tipp->pos()), tipp->size());
        QPixmap bild(fenster->rect().united(tipp_ort).size());
        bild.fill(Qt::darkGray);
        QPainter maler(&bild);
        maler.drawPixmap(0, 0, fenster->grab());
        maler.drawPixmap(tipp_ort.topLeft(), tipp->grab());
        maler.end();
        bild.save(QStringLiteral("%1/quelle_%2.png").arg(ziel, QLatin1String(name)));
    }

  private slots:
    void initTestCase() {
        namespace fs = std::filesystem;
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(fs::path(PELMARK_TESTDATEN) / teil,
                     fs::path(ordner.path().toStdString()) / teil, fs::copy_options::recursive);
        }
        form = std::make_unique<Mainform>(umgebung, ordner.path().toStdString() + "/", '.');
        fenster = std::make_unique<ui::Hauptfenster>(*form, umgebung);
        fenster->show();
        QTRY_VERIFY(!form->Speicher.Din_Rohre.Zeilen.empty());
    }

    void cleanupTestCase() {
        QToolTip::hideText();
        fenster->close();
        fenster.reset();
    }

    void Tooltip_nennt_Quelle_und_Zelle() {
        const QString wert = Schwebe("E_Flanschhoehe", 0);
        QVERIFY2(wert.startsWith(QStringLiteral("Quelle: EN 1092-1")), qPrintable(wert));
        QVERIFY2(wert.contains(QStringLiteral("Datei F_Din_rev.CSV, Zeile 3 (DN 10), Spalte 2")),
                 qPrintable(wert));
        const QString bolzen = Schwebe("E_Bolzenlg_Fl_Fl", 0);
        QVERIFY2(bolzen.contains(QStringLiteral("Nächste Kauflänge: 55 mm")), qPrintable(bolzen));
    }

    void Strich_nennt_Grund() {
        fenster->findChild<QRadioButton*>(QStringLiteral("RB_ANSI_Rohr"))->click();
        const QString wert = Schwebe("E_Ventil", 1);
        QVERIFY2(wert.contains(QStringLiteral("Quelle: ")), qPrintable(wert));
        // NPS 2 has no DIN row in the small support table.
        fenster->findChild<QListWidget*>(QStringLiteral("LB_Lager_NW"))->setCurrentRow(5);
        QCOMPARE(Schwebe("E_h_01", 2),
                 QStringLiteral("Kein Wert: keine DIN-Nennweite entspricht dieser NPS"));
    }
};

QTEST_MAIN(Quellen_Test)
#include "quellen_test.moc"
