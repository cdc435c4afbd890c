// The main window on the offscreen platform: caption, the ten tabs, the
// activation load on first show, the error box with its full stop, and the
// search field, sheet buttons and copying of a value field.
#include "app/lebenszyklus.h"
#include "app/stile.h"
#include "ui/hauptfenster.h"
#include "ui/qt_umgebung.h"
#include "ui/stil.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>

#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "pruef_umgebung.h"

#include <filesystem>
#include <functional>
#include <memory>

using namespace pelmark;

namespace {

// A platform whose message box takes the focus, as a real one does.
struct Fokus_Umgebung : Pruef_Umgebung {
    std::function<void()> Beim_Zeigen;
    void Zeige_Meldung(Meldungsart art, const std::string& titel,
                       const std::string& text) override {
        Pruef_Umgebung::Zeige_Meldung(art, titel, text);
        if (Beim_Zeigen) {
            Beim_Zeigen();
        }
    }
};

} // namespace

class Hauptfenster_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner;
    std::string programmdir() const { return ordner.path().toStdString() + "/"; }

    void Kopiere_Testdaten() {
        namespace fs = std::filesystem;
        fs::remove_all(ordner.path().toStdString());
        fs::create_directories(ordner.path().toStdString());
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(fs::path(PELMARK_TESTDATEN) / teil, fs::path(programmdir()) / teil,
                     fs::copy_options::recursive);
        }
    }

  private slots:
    void init() { Kopiere_Testdaten(); }

    void Titel_und_zehn_Reiter() {
        Pruef_Umgebung umgebung;
        auto form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        ui::Hauptfenster fenster(*form, umgebung);
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Pelmark - Tabellen für den Rohrbauer"));
        const QStringList erwartet = {"Maße Rohrteile",
                                      "Maße Armaturen",
                                      "Maße Lager",
                                      "Maße Profile",
                                      "Optionen",
                                      "Konstruktionsdaten",
                                      "Dehnung, Durchfluss, Dampftafel",
                                      "Tabellen",
                                      "Formeln",
                                      "Massumwandlung",
                                      "Rohrbau"};
        QCOMPARE(fenster.Reiter()->count(), 11);
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(fenster.Reiter()->tabText(i), erwartet[i]);
        }
        QCOMPARE(fenster.Reiter()->widget(7)->objectName(), QStringLiteral("TS_Tabellen"));
        QCOMPARE(fenster.Reiter()->currentIndex(), 0);
    }

    // The ten tabs fit the window's client area of 1042 pixels in every style.
    void Reiter_passen_in_jedem_Stil() {
        Pruef_Umgebung umgebung;
        auto form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        ui::Hauptfenster fenster(*form, umgebung);
        for (const auto& stil : Stilkatalog()) {
            ui::Wende_Stil_an(stil.Name);
            fenster.ensurePolished();
            // The ten tabs of the tables; the page "Rohrbau" follows them and
            // scrolls into view in the widest style.
            const QTabBar* leiste = fenster.Reiter()->tabBar();
            int breite = 0;
            for (int i = 0; i < 10; ++i) {
                breite += leiste->tabRect(i).width();
            }
            QVERIFY2(breite <= 1030,
                     (std::string(stil.Name) + ": " + std::to_string(breite)).c_str());
        }
        ui::Wende_Stil_an("Windows");
    }

    void erstes_Zeigen_laedt_die_Tabellen() {
        Pruef_Umgebung umgebung;
        auto form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        ui::Hauptfenster fenster(*form, umgebung);
        QVERIFY(form->Speicher.Din_Rohre.Zeilen.empty());
        fenster.show();
        QTRY_VERIFY(!form->Speicher.Din_Rohre.Zeilen.empty());
        QCOMPARE(form->Dezimal, ',');
        QVERIFY(umgebung.Meldungen.empty());
        fenster.close();
        QVERIFY(form->Geschlossen);
        QCOMPARE(form->Dezimal, '.');
        QVERIFY(QFile::exists(ordner.path() + "/Daten/Style.INI"));
    }

    void Meldung_nimmt_den_Fokus_ohne_zweiten_Handler() {
        Fokus_Umgebung umgebung;
        auto form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        ui::Hauptfenster fenster(*form, umgebung);
        fenster.show();
        QTRY_VERIFY(form->Geladen);
        auto* feld = fenster.findChild<QLineEdit*>(QStringLiteral("E_Anz_Quellmass"));
        feld->setText(QStringLiteral("abc"));
        // The box takes the focus from the field: its leave event comes in
        // while the click's handler still runs.
        umgebung.Beim_Zeigen = [&] {
            if (umgebung.Meldungen.size() == 1) {
                fenster.Ausloesen("E_Anz_Quellmass", Ereignis::Verlassen, 0);
            }
        };
        fenster.Ausloesen("Image30", Ereignis::Klick, 0);
        QCOMPARE(umgebung.Meldungen.size(), size_t{1});
        QCOMPARE(feld->text(), QStringLiteral("abc")); // the typed text stays
        fenster.close();
    }

    void fehlende_Datei_zeigt_Fehlerbox_mit_Punkt() {
        QFile::remove(ordner.path() + "/Daten/Lager.CSV");
        Pruef_Umgebung umgebung;
        auto form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        ui::Hauptfenster fenster(*form, umgebung);
        fenster.show();
        QTRY_COMPARE(umgebung.Meldungen.size(), size_t{1});
        const auto& meldung = umgebung.Meldungen.front();
        QCOMPARE(meldung.Art, Meldungsart::fehler);
        QCOMPARE(meldung.Titel, std::string("Pelmark"));
        const std::string anfang =
            "Datei " + programmdir() + "Daten/Lager.CSV kann nicht geöffnet werden. ";
        QVERIFY2(meldung.Text.rfind(anfang, 0) == 0, meldung.Text.c_str());
        QCOMPARE(meldung.Text.back(), '.');
        QVERIFY(form->Speicher.Din_Rohre.Zeilen.empty()); // nothing parsed
        fenster.close();
    }

    // The page in front comes with the window, a page chosen before the
    // first activation when it is chosen, the others right after it; each
    // shows what the model holds when it is built, and its handlers run.
    void Seiten_entstehen_bei_Bedarf() {
        Pruef_Umgebung umgebung;
        auto form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        ui::Hauptfenster fenster(*form, umgebung);
        const auto feld = [&](const char* name) {
            return fenster.findChild<QLineEdit*>(QString::fromLatin1(name));
        };
        QVERIFY(feld("E_DA1") != nullptr);
        QVERIFY(feld("E_Isolierdicke1") == nullptr);
        form->maske.E_Isolierdicke1.Text = "40";
        fenster.Reiter()->setCurrentIndex(5);
        QVERIFY(feld("E_Isolierdicke1") != nullptr);
        QCOMPARE(feld("E_Isolierdicke1")->text(), QStringLiteral("40"));
        QVERIFY(feld("E_Anz_Quellmass") == nullptr);
        fenster.show();
        QTRY_VERIFY(form->Geladen);
        auto* menge = feld("E_Anz_Quellmass");
        QVERIFY(menge != nullptr);
        menge->setText(QStringLiteral("abc"));
        fenster.Ausloesen("Image30", Ereignis::Klick, 0);
        QCOMPARE(umgebung.Meldungen.size(), size_t{1});
        fenster.close();
    }

    // Closing the program takes the focus from the field the fitter is in;
    // that leave must not run the field's handler on a window being taken
    // down (it showed "abc" as unreadable after the window was gone).
    void Abbau_ruft_keinen_Handler() {
        Pruef_Umgebung umgebung;
        auto form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        auto fenster = std::make_unique<ui::Hauptfenster>(*form, umgebung);
        fenster->show();
        fenster->activateWindow();
        QTRY_VERIFY(form->Geladen);
        fenster->Reiter()->setCurrentIndex(9);
        auto* feld = fenster->findChild<QLineEdit*>(QStringLiteral("E_Anz_Quellmass"));
        feld->setFocus();
        QTRY_VERIFY(feld->hasFocus());
        feld->setText(QStringLiteral("abc"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QObject::")));
        fenster.reset();
        QVERIFY(umgebung.Meldungen.empty());
    }

    // Search field, the "Maßblatt" buttons and copying a value field.
    void Suche_Massblatt_und_Kopie() {
        Pruef_Umgebung umgebung;
        auto form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        ui::Hauptfenster fenster(*form, umgebung);
        fenster.show();
        QTRY_VERIFY(!form->maske.LB_AD1.Items.empty());
        for (const char* seite : {"Rohrteile", "Armaturen", "Lager", "Profile"}) {
            QVERIFY(fenster.findChild<QPushButton*>(QStringLiteral("B_Massblatt_") + seite));
        }
        auto* suche = fenster.findChild<QLineEdit*>(QStringLiteral("E_Suche"));
        auto* meldung = fenster.findChild<QLabel*>(QStringLiteral("L_Suchmeldung"));
        const struct {
            const char* Eingabe;
            int Seite;
            const char* Liste;
            int Zeile;
            bool Meldung;
        } faelle[] = {
            {"dn 25 pn 16", 0, "LB_Armaturen_NW", 3, false},
            {"IPE 100", 3, "LB_Profil", 1, false},
            {"Flansch", 3, "LB_Profil", 1, true},
        };
        for (const auto& fall : faelle) {
            suche->setText(QString::fromUtf8(fall.Eingabe));
            QTest::keyClick(suche, Qt::Key_Return);
            QCOMPARE(fenster.Reiter()->currentIndex(), fall.Seite);
            QCOMPARE(fenster.findChild<QListWidget*>(fall.Liste)->currentRow(), fall.Zeile);
            QCOMPARE(meldung->text().isEmpty(), !fall.Meldung);
        }
        fenster.Reiter()->setCurrentIndex(0);
        auto* blatt = fenster.findChild<QLineEdit*>(QStringLiteral("E_Blattdm"));
        QTest::keyClick(blatt, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Blattdm.: ") + blatt->text() + QStringLiteral(" mm"));
        fenster.close();
    }
};

QTEST_MAIN(Hauptfenster_Test)
#include "hauptfenster_test.moc"
