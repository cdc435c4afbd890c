// Every button of every window runs its own handler and no other: the
// information windows' buttons close only their window. The close box asks
// about unsaved table edits, and a SIGTERM closes as the close box does,
// keeping those edits in the recovery file.
#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "app/wiederherstellung.h"
#include "store/textdatei.h"
#include "ui/ende_von_aussen.h"
#include "ui/hauptfenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "pruef_umgebung.h"

#include <csignal>
#include <filesystem>
#include <memory>

using namespace pelmark;
namespace fs = std::filesystem;

namespace {

// One run of the program on a copy of the small test tables, with every
// page built and every event that reaches the dispatcher written down.
struct Lauf {
    Pruef_Umgebung umgebung;
    std::unique_ptr<Mainform> form;
    std::unique_ptr<ui::Hauptfenster> fenster;
    std::vector<std::string> klicks;

    explicit Lauf(const std::string& programmdir) {
        form = std::make_unique<Mainform>(umgebung, programmdir, '.');
        fenster = std::make_unique<ui::Hauptfenster>(*form, umgebung);
        fenster->Bei_Ausloesen = [this](const std::string& name, Ereignis art) {
            if (art == Ereignis::Klick) {
                klicks.push_back(name);
            }
        };
        fenster->show();
    }
    bool Bereit() const {
        return form->Geladen && fenster->findChild<QPushButton*>(QStringLiteral("BitBtn5"));
    }
    template <typename T> T* Widget(const char* name) const {
        return fenster->findChild<T*>(QString::fromLatin1(name));
    }
    // The first free table of InfoTabellen in edit mode, one cell changed.
    void Tabelle_bearbeiten() {
        // After the timer has shown the first table, which asks nothing then.
        QTRY_VERIFY(!form->Timer1_aktiv);
        Widget<QListWidget>("FileListBox1")->setCurrentRow(0);
        Widget<QCheckBox>("CB_Edit")->click();
        auto* gitter = Widget<QTableWidget>("SG_Tabellen");
        QVERIFY(gitter->item(2, 0) != nullptr);
        gitter->item(2, 0)->setText(QStringLiteral("geändert"));
    }
};

std::vector<std::string> Nur(const std::string& name) {
    return {name};
}

} // namespace

class Knoepfe_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner;
    std::string programmdir() const { return ordner.path().toStdString() + "/"; }

  private slots:
    void init() {
        fs::remove_all(ordner.path().toStdString());
        fs::create_directories(ordner.path().toStdString());
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(fs::path(PELMARK_TESTDATEN) / teil, fs::path(programmdir()) / teil,
                     fs::copy_options::recursive);
        }
        fs::remove(fs::path(programmdir()) / "Daten" / "Style.INI");
    }

    void jeder_Knopf_fuehrt_nur_seinen_Handler_aus() {
        Lauf lauf(programmdir());
        QTRY_VERIFY(lauf.Bereit());
        // A modal window (the program information, the sheet) is closed as
        // soon as it shows.
        QTimer waechter;
        connect(&waechter, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
        waechter.start(20);
        std::vector<std::string> ende_knoepfe;
        for (auto* knopf : lauf.fenster->findChildren<QPushButton*>()) {
            const std::string name = knopf->objectName().toStdString();
            if (knopf->window() != lauf.fenster.get() || name.empty()) {
                continue;
            }
            if (Ist_Ende_Knopf(name)) {
                ende_knoepfe.push_back(name);
                continue;
            }
            lauf.klicks.clear();
            knopf->click();
            QCoreApplication::processEvents();
            if (Finde_Ereignis(name, Ereignis::Klick) != nullptr) {
                QCOMPARE(lauf.klicks, Nur(name));
            } else {
                // A button of the form model without a handler may report its
                // own click; no other handler may run.
                QVERIFY2(lauf.klicks.empty() || lauf.klicks == Nur(name), name.c_str());
            }
            QVERIFY2(lauf.fenster->isVisible() && !lauf.form->Geschlossen, name.c_str());
        }
        QCOMPARE(ende_knoepfe.size(), size_t{10});

        // Each information window's buttons close that window, nothing else.
        const struct {
            const char* Oeffner;
            const char* Fenster;
        } infofenster[] = {{"B_Info", "F_Programminfo"}, {"BitBtn6", "F_Geschwindigkeitsinfo"}};
        for (const auto& info : infofenster) {
            lauf.Widget<QPushButton>(info.Oeffner)->click();
            QDialog* dialog = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String(info.Fenster)) {
                    dialog = qobject_cast<QDialog*>(w);
                }
            }
            QVERIFY(dialog != nullptr);
            QTRY_VERIFY(dialog->isVisible());
            const auto knoepfe = dialog->findChildren<QPushButton*>();
            QVERIFY(!knoepfe.isEmpty());
            for (auto* knopf : knoepfe) {
                if (!dialog->isVisible()) {
                    lauf.Widget<QPushButton>(info.Oeffner)->click();
                    QTRY_VERIFY(dialog->isVisible());
                }
                lauf.klicks.clear();
                knopf->click();
                QTRY_VERIFY(!dialog->isVisible());
                QCOMPARE(lauf.klicks, std::vector<std::string>{});
                QVERIFY(lauf.fenster->isVisible());
                QVERIFY(!lauf.form->Geschlossen);
            }
        }
        lauf.fenster->close();

        // Every "ENDE" button closes the main window through its own event.
        for (const std::string& name : ende_knoepfe) {
            Lauf neu(programmdir());
            QTRY_VERIFY(neu.Bereit());
            neu.Widget<QPushButton>(name.c_str())->click();
            QCOMPARE(neu.klicks, Nur(name));
            QTRY_VERIFY(neu.form->Geschlossen);
            QVERIFY(!neu.fenster->isVisible());
        }
    }

    // The close box with unsaved table edits asks: cancel keeps the window
    // and the edits, discard closes and leaves the file as it was.
    void Schliessfeld_fragt_nach_ungespeicherten_Aenderungen() {
        Lauf lauf(programmdir());
        QTRY_VERIFY(lauf.Bereit());
        lauf.Tabelle_bearbeiten();
        const fs::path datei = fs::path(programmdir()) / "InfoTabellen" / "Anzugsmomente.CSV";
        const std::string vorher = Lies_Bytes(datei);
        lauf.umgebung.Antworten = {Antwort::abbrechen};
        QVERIFY(!lauf.fenster->close());
        QCOMPARE(lauf.umgebung.Fragen.size(), size_t{1});
        QVERIFY(lauf.fenster->isVisible());
        QVERIFY(!lauf.form->Geschlossen);
        QCOMPARE(lauf.Widget<QTableWidget>("SG_Tabellen")->item(2, 0)->text(),
                 QStringLiteral("geändert"));
        lauf.umgebung.Antworten = {Antwort::nein};
        QVERIFY(lauf.fenster->close());
        QVERIFY(lauf.form->Geschlossen);
        QCOMPARE(Lies_Bytes(datei), vorher);
    }

    // SIGTERM to a running window: the close runs without a question, the
    // style is written, and the unsaved edits are in the recovery file.
    void SIGTERM_schliesst_und_rettet_die_Aenderungen() {
        Lauf lauf(programmdir());
        new ui::Ende_von_aussen(*lauf.fenster);
        QTRY_VERIFY(lauf.Bereit());
        lauf.Tabelle_bearbeiten();
        // A cell still being typed into is kept too.
        auto* gitter = lauf.Widget<QTableWidget>("SG_Tabellen");
        gitter->setCurrentCell(2, 1);
        gitter->editItem(gitter->item(2, 1));
        auto* editor = qobject_cast<QLineEdit*>(gitter->indexWidget(gitter->currentIndex()));
        QVERIFY(editor != nullptr);
        editor->setText(QStringLiteral("offen"));
        const fs::path daten = fs::path(programmdir()) / "Daten";
        QVERIFY(!fs::exists(daten / "Style.INI"));
        std::raise(SIGTERM);
        QTRY_VERIFY(lauf.form->Geschlossen);
        QVERIFY(lauf.umgebung.Fragen.empty());
        QVERIFY(lauf.umgebung.Meldungen.empty());
        QVERIFY(!lauf.fenster->isVisible());
        QCOMPARE(Lies_Textdatei(daten / "Style.INI").size(), size_t{1});
        const auto gerettet =
            Wiederherstellung_lesen(Lies_Textdatei(daten / "Wiederherstellung.txt"));
        QVERIFY(gerettet.has_value());
        QCOMPARE(gerettet->Pfad, programmdir() + "InfoTabellen/Anzugsmomente.CSV");
        QCOMPARE(gerettet->Gitter.Cell(0, 2), std::string("geändert"));
        QCOMPARE(gerettet->Gitter.Cell(1, 2), std::string("offen"));
    }
};

QTEST_MAIN(Knoepfe_Test)
#include "knoepfe_test.moc"
