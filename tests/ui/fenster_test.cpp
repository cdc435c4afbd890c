// The main window on small and large screens: at the default size no page
// scrolls; in a smaller window every control can be scrolled into view; in a
// taller one the lists grow. Results look and act unlike inputs, a cut text
// shows whole in its tooltip, and a click on a free-table heading sorts.
#include "app/lebenszyklus.h"
#include "app/stile.h"
#include "ui/anleitung_oeffnen.h"
#include "ui/hauptfenster.h"
#include "ui/qt_umgebung.h"
#include "ui/seiten/wertfeld.h"
#include "ui/sprache.h"
#include "ui/stil.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "pruef_umgebung.h"

#include <filesystem>
#include <memory>

using namespace pelmark;

class Fenster_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner;
    Pruef_Umgebung umgebung;
    std::unique_ptr<Mainform> form;
    std::unique_ptr<ui::Hauptfenster> fenster;

    QScrollArea* Flaeche(int seite) const {
        return fenster->Reiter()->widget(seite)->findChild<QScrollArea*>();
    }
    template <typename W> W* Widget(const char* name) {
        return fenster->findChild<W*>(QString::fromLatin1(name));
    }
    void Groesse(int breite, int hoehe) {
        fenster->resize(breite, hoehe);
        QApplication::processEvents();
    }

  public slots:
    // Takes the place of the desktop's browser.
    void Adresse_merken(const QUrl& adresse) { geoeffnet = adresse; }

  private:
    QUrl geoeffnet;

  private slots:
    void initTestCase() {
        namespace fs = std::filesystem;
        const std::string programmdir = ordner.path().toStdString() + "/";
        // PELMARK_FENSTERBILDER_DATEN: another program folder (the shipped data).
        const QString daten = qEnvironmentVariable("PELMARK_FENSTERBILDER_DATEN");
        const fs::path quelle =
            daten.isEmpty() ? fs::path(PELMARK_TESTDATEN) : fs::path(daten.toStdString());
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(quelle / teil, fs::path(programmdir) / teil, fs::copy_options::recursive);
        }
        form = std::make_unique<Mainform>(umgebung, programmdir, '.');
        fenster = std::make_unique<ui::Hauptfenster>(*form, umgebung);
        fenster->show();
        QTRY_VERIFY(!form->Speicher.Din_Rohre.Zeilen.empty());
    }

    void cleanupTestCase() {
        fenster->close();
        fenster.reset();
    }

    // For looking at the window: with PELMARK_FENSTERBILDER naming a folder,
    // saves the whole screen with each page in two styles, the file dialog
    // and a field's context menu, at the size the window takes on this screen.
    void Bildschirmbilder() {
        const QString ziel = qEnvironmentVariable("PELMARK_FENSTERBILDER");
        if (ziel.isEmpty()) {
            QSKIP("PELMARK_FENSTERBILDER not set");
        }
        ui::Deutsch_laden(*qApp);
        QScreen* bildschirm = fenster->screen();
        auto foto = [&](const QString& name) {
            QApplication::processEvents();
            QTest::qWait(150);
            QVERIFY(bildschirm->grabWindow(0).save(ziel + QLatin1Char('/') + name + ".png"));
        };
        fenster->move(bildschirm->availableGeometry().topLeft());
        for (const char* stil : {"Luna", "Windows10 Dark"}) {
            ui::Wende_Stil_an(stil);
            for (int i = 0; i < 10; ++i) {
                fenster->Reiter()->setCurrentIndex(i);
                foto(QStringLiteral("seite%1_%2").arg(i + 1).arg(QString(stil).remove(' ')));
            }
        }
        ui::Wende_Stil_an("Luna");
        QFileDialog dialog(fenster.get(), QString(), ordner.path(), QStringLiteral("*.jpg"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        foto(QStringLiteral("dateidialog"));
        dialog.hide();
        fenster->Reiter()->setCurrentIndex(5);
        auto* feld = Widget<QLineEdit>("E_Gamma");
        std::unique_ptr<QMenu> menue(feld->createStandardContextMenu());
        menue->popup(feld->mapToGlobal(QPoint(10, 10)));
        foto(QStringLiteral("kontextmenue"));
        menue->hide();
        ui::Wende_Stil_an("Windows");
    }

    void Grundgroesse_ohne_Rollbalken() {
        for (const char* stil : {"Windows", "Luna", "Windows10 Dark"}) {
            ui::Wende_Stil_an(stil);
            Groesse(ui::Hauptfenster::Grundbreite, ui::Hauptfenster::Grundhoehe);
            for (int i = 0; i < 10; ++i) {
                fenster->Reiter()->setCurrentIndex(i);
                QApplication::processEvents();
                const QSize noetig = Flaeche(i)->widget()->minimumSizeHint();
                const QSize da = Flaeche(i)->maximumViewportSize();
                QVERIFY2(noetig.width() <= da.width() && noetig.height() <= da.height(),
                         qPrintable(QStringLiteral("%1, Seite %2: %3 x %4 in %5 x %6")
                                        .arg(stil)
                                        .arg(i + 1)
                                        .arg(noetig.width())
                                        .arg(noetig.height())
                                        .arg(da.width())
                                        .arg(da.height())));
            }
        }
        ui::Wende_Stil_an("Windows");
    }

    // The window a screen of 1366 x 768 with a taskbar leaves (1366 x 728
    // with the title bar), and one of 1920 x 1080 at 150 % (1280 x 693
    // logical pixels, 1920 x 1040 with the taskbar): no page scrolls.
    void Bildschirmgroessen_ohne_Rollbalken_data() {
        QTest::addColumn<QString>("stil");
        QTest::addColumn<int>("hoehe");
        for (const char* stil : {"Windows", "Luna", "Windows10 Dark"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 1366x728").arg(stil))) << stil << 728 - 32;
            QTest::newRow(qPrintable(QStringLiteral("%1 150% 1920x1040").arg(stil)))
                << stil << 693 - 32;
        }
    }

    void Bildschirmgroessen_ohne_Rollbalken() {
        QFETCH(QString, stil);
        QFETCH(int, hoehe);
        ui::Wende_Stil_an(stil.toStdString());
        Groesse(ui::Hauptfenster::Grundbreite, hoehe);
        QStringList zu_gross;
        for (int i = 0; i < 10; ++i) {
            fenster->Reiter()->setCurrentIndex(i);
            QApplication::processEvents();
            const QSize noetig = Flaeche(i)->widget()->minimumSizeHint();
            const QSize da = Flaeche(i)->maximumViewportSize();
            if (noetig.height() > da.height() || noetig.width() > da.width()) {
                zu_gross << QStringLiteral("Seite %1: %2 x %3 in %4 x %5")
                                .arg(i + 1)
                                .arg(noetig.width())
                                .arg(noetig.height())
                                .arg(da.width())
                                .arg(da.height());
            }
        }
        QVERIFY2(zu_gross.isEmpty(), qPrintable(zu_gross.join(QStringLiteral("; "))));
        ui::Wende_Stil_an("Windows");
        Groesse(ui::Hauptfenster::Grundbreite, ui::Hauptfenster::Grundhoehe);
    }

    // The window takes no more than the screen leaves, its title bar and a
    // taskbar included, also when the desktop reports no taskbar.
    void Fenstergroesse_laesst_Titelleiste_und_Taskleiste_frei_data() {
        QTest::addColumn<QRect>("verfuegbar");
        QTest::addColumn<QRect>("ganz");
        QTest::addColumn<qreal>("faktor");
        QTest::addColumn<QSize>("groesse");
        const QRect klein(0, 0, 1366, 768);
        const QRect gross(0, 0, 1280, 720); // 1920 x 1080 at 150 %
        QTest::newRow("1366x768 ohne Taskleiste") << klein << klein << 1.0 << QSize(1042, 696);
        QTest::newRow("1366x768 mit Taskleiste")
            << QRect(0, 0, 1366, 728) << klein << 1.0 << QSize(1042, 696);
        QTest::newRow("150% ohne Taskleiste") << gross << gross << 1.5 << QSize(1042, 672);
        QTest::newRow("150% mit Taskleiste")
            << QRect(0, 0, 1280, 693) << gross << 1.5 << QSize(1042, 672);
        QTest::newRow("1920x1080")
            << QRect(0, 0, 1920, 1040) << QRect(0, 0, 1920, 1080) << 1.0 << QSize(1042, 731);
        QTest::newRow("1024x600") << QRect(0, 0, 1024, 600) << QRect(0, 0, 1024, 600) << 1.0
                                  << QSize(1008, 528);
    }

    void Fenstergroesse_laesst_Titelleiste_und_Taskleiste_frei() {
        QFETCH(QRect, verfuegbar);
        QFETCH(QRect, ganz);
        QFETCH(qreal, faktor);
        QFETCH(QSize, groesse);
        QCOMPARE(ui::Hauptfenster::Fenstergroesse(verfuegbar, ganz, faktor), groesse);
    }

    // A screen reader reads every field, list, drop-down list and grid by
    // its caption on the page.
    void jedes_Feld_hat_einen_Zugangsnamen() {
        for (int i = 0; i < 10; ++i) {
            fenster->Reiter()->setCurrentIndex(i);
        }
        QStringList ohne;
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            const bool gesucht = qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w) ||
                                 qobject_cast<QComboBox*>(w) || qobject_cast<QTableWidget*>(w);
            if (gesucht && w->accessibleName().isEmpty()) {
                ohne << w->objectName();
            }
            if (auto* wahl = qobject_cast<QComboBox*>(w);
                wahl && wahl->view()->accessibleName().isEmpty()) {
                ohne << w->objectName() + QStringLiteral(" (Liste)");
            }
            if (gesucht && qEnvironmentVariableIsSet("PELMARK_ZUGANGSNAMEN")) {
                qInfo("%s: %s", qPrintable(w->objectName()), qPrintable(w->accessibleName()));
            }
        }
        QVERIFY2(ohne.isEmpty(), qPrintable(ohne.join(QLatin1Char(' '))));
        const std::pair<const char*, const char*> namen[] = {
            {"E_Blattdm", "Blattdm."},
            {"LB_AD1", "DN1"},
            {"E_Schr_Dm", "Schr. Dm"},
            {"E_Regelventil", "Regelventil"},
            {"E_h_02", "GL02, FL02, FP03 Höhe h"},
            {"E_Winddruck", "Winddruck [N/m²]"},
            {"SG_Material", "Werkstoffkennwerte"},
            {"E_Isolierdicke1", "Isolierstärke"},
            {"E_Z_L1", "L1"},
        };
        for (const auto& [name, text] : namen) {
            QCOMPARE(Widget<QWidget>(name)->accessibleName(), QString::fromUtf8(text));
        }
    }

    // F1 opens the guide in the browser, or says why it cannot.
    void F1_oeffnet_die_Anleitung() {
        umgebung.Meldungen.clear();
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        // The test's own folder holds no guide.
        QTest::keyClick(fenster.get(), Qt::Key_F1);
        QCOMPARE(umgebung.Meldungen.size(), size_t(1));
        QVERIFY(umgebung.Meldungen[0].Text.find("Die Anleitung wurde nicht gefunden") == 0);
        umgebung.Meldungen.clear();
        QTemporaryDir exe;
        QDir(exe.path()).mkpath(QStringLiteral("docs"));
        QFile seite(exe.path() + QStringLiteral("/docs/Anleitung.html"));
        QVERIFY(seite.open(QIODevice::WriteOnly));
        seite.close();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Adresse_merken");
        ui::Anleitung_oeffnen(exe.path().toStdString(), umgebung);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(geoeffnet, QUrl::fromLocalFile(seite.fileName()));
        QVERIFY(umgebung.Meldungen.empty());
    }

    // A window smaller than the pages: every control scrolls into view.
    void kleines_Fenster_rollt_zu_jedem_Steuerelement() {
        Groesse(800, 480);
        for (int i = 0; i < 10; ++i) {
            fenster->Reiter()->setCurrentIndex(i);
            QApplication::processEvents();
            QScrollArea* flaeche = Flaeche(i);
            for (const auto& [name, feld] : form->maske.Felder()) {
                auto* w = flaeche->widget()->findChild<QWidget*>(QString::fromStdString(name));
                if (w == nullptr || !w->isVisibleTo(flaeche)) {
                    continue;
                }
                flaeche->ensureWidgetVisible(w, 0, 0);
                QApplication::processEvents();
                const QRect ort(w->mapTo(flaeche->viewport(), QPoint(0, 0)), w->size());
                QVERIFY2(flaeche->viewport()->rect().intersects(ort), name.c_str());
            }
        }
        Groesse(ui::Hauptfenster::Grundbreite, ui::Hauptfenster::Grundhoehe);
    }

    // A taller window: the nominal-size lists show more entries, no page scrolls.
    void hoeheres_Fenster_verlaengert_die_Listen() {
        Groesse(ui::Hauptfenster::Grundbreite, ui::Hauptfenster::Grundhoehe + 200);
        QCOMPARE(Widget<QListWidget>("LB_AD1")->height(), 330 + 200);
        QCOMPARE(Widget<QListWidget>("LB_Lager_NW")->height(), 420 + 200);
        for (int i = 0; i < 10; ++i) {
            fenster->Reiter()->setCurrentIndex(i);
            QApplication::processEvents();
            QCOMPARE(Flaeche(i)->verticalScrollBar()->maximum(), 0);
        }
        Groesse(ui::Hauptfenster::Grundbreite, ui::Hauptfenster::Grundhoehe);
        QCOMPARE(Widget<QListWidget>("LB_AD1")->height(), 330);
    }

    // In every style a result field has another background than an input,
    // and only inputs take the focus by Tab.
    void Ergebnisse_sehen_anders_aus_als_Eingaben() {
        fenster->Reiter()->setCurrentIndex(5);
        auto* ergebnis = Widget<QLineEdit>("E_Masse_Ltg");
        auto* eingabe = Widget<QLineEdit>("E_Gamma");
        QVERIFY(ergebnis->isReadOnly() && !eingabe->isReadOnly());
        auto grund = [](QLineEdit* feld) {
            return feld->grab().toImage().pixelColor(feld->width() - 4, feld->height() / 2);
        };
        for (const auto& stil : Stilkatalog()) {
            ui::Wende_Stil_an(stil.Name);
            QApplication::processEvents();
            QVERIFY2(grund(ergebnis) != grund(eingabe), stil.Name);
        }
        ui::Wende_Stil_an("Windows");
        for (auto* feld : fenster->findChildren<QLineEdit*>()) {
            QCOMPARE(feld->focusPolicy(), feld->isReadOnly() ? Qt::ClickFocus : Qt::StrongFocus);
        }
    }

    // A change of style restyles every window, those without a parent
    // too, and polishes no widget more than twice (an application-wide
    // sheet polished each once for every ancestor, over a second under the
    // sanitizers).
    void Stilwechsel_erreicht_jedes_Fenster_und_poliert_hoechstens_zweimal() {
        struct Zaehler : QObject {
            QHash<QObject*, int> Anzahl;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::StyleChange) {
                    ++Anzahl[o];
                }
                return false;
            }
        } zaehler;
        ui::Wende_Stil_an("Luna");
        qApp->installEventFilter(&zaehler);
        ui::Wende_Stil_an("Obsidian");
        qApp->removeEventFilter(&zaehler);
        const auto widgets = fenster->findChildren<QWidget*>();
        QVERIFY(zaehler.Anzahl.size() >= widgets.size());
        for (int anzahl : std::as_const(zaehler.Anzahl)) {
            QVERIFY(anzahl <= 2);
        }
        const QColor obsidian(0x2b, 0x2d, 0x30);
        QCOMPARE(fenster->palette().color(QPalette::Window), obsidian);
        int ohne_eltern = 0; // the speed table's window, the search's proposals
        for (QWidget* oben : QApplication::topLevelWidgets()) {
            if (oben->parentWidget() == nullptr && oben->windowType() != Qt::ToolTip) {
                ++ohne_eltern;
                oben->ensurePolished();
                QCOMPARE(oben->palette().color(QPalette::Window), obsidian);
            }
        }
        QVERIFY(ohne_eltern >= 3);
        ui::Wende_Stil_an("Windows");
    }

    // In every style the list with the focus looks other than without it,
    // and its entries stay where they were.
    void Liste_mit_Fokus_ist_in_jedem_Stil_zu_sehen() {
        fenster->Reiter()->setCurrentIndex(0);
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        auto* liste = Widget<QListWidget>("LB_AD1");
        auto* andere = Widget<QListWidget>("LB_AD2");
        for (const auto& stil : Stilkatalog()) {
            ui::Wende_Stil_an(stil.Name);
            andere->setFocus();
            QApplication::processEvents();
            const QImage ohne = liste->grab().toImage();
            const QRect eintrag = liste->visualItemRect(liste->item(0));
            liste->setFocus();
            QApplication::processEvents();
            QVERIFY(liste->hasFocus());
            const QImage mit = liste->grab().toImage();
            QVERIFY2(ohne.pixelColor(0, liste->height() / 2) !=
                             mit.pixelColor(0, liste->height() / 2) ||
                         ohne.pixelColor(1, liste->height() / 2) !=
                             mit.pixelColor(1, liste->height() / 2),
                     stil.Name);
            QCOMPARE(liste->visualItemRect(liste->item(0)), eintrag);
        }
        ui::Wende_Stil_an("Windows");
    }

    // The steam panel's messages fit their fields; a number too long for
    // its field shows whole in the tooltip.
    void abgeschnittener_Text_steht_ganz_im_Tooltip() {
        fenster->Reiter()->setCurrentIndex(6);
        auto* dampf = fenster->findChild<ui::Wertfeld*>(QStringLiteral("E_Dampftemperatur"));
        dampf->setText(QStringLiteral("Bereichsüberschreitung"));
        QVERIFY(!dampf->Abgeschnitten());
        fenster->Reiter()->setCurrentIndex(5);
        auto* feld = fenster->findChild<ui::Wertfeld*>(QStringLiteral("E_Masse_Ltg"));
        const QString alt = feld->text();
        feld->setText(QStringLiteral("123456789012345,67"));
        QVERIFY(feld->Abgeschnitten());
        QVERIFY(feld->Hinweistext().startsWith(QStringLiteral("123456789012345,67")));
        feld->setText(alt);
        QVERIFY(!feld->Abgeschnitten());
        QCOMPARE(feld->Hinweistext(), feld->toolTip());
    }

    // The moments are in ascending order: the first click turns them round,
    // the second sorts them ascending again, as numbers; the file stays.
    void Klick_auf_Spaltenkopf_sortiert_beide_Richtungen() {
        const TEStringGrid& g = form->maske.SG_Tabellen.Grid;
        QTRY_COMPARE_WITH_TIMEOUT(g.Cell(0, 0), std::string("Gewinde"), 3000);
        fenster->Reiter()->setCurrentIndex(7);
        auto* gitter = Widget<QTableWidget>("SG_Tabellen");
        QHeaderView* kopf = gitter->horizontalHeader();
        auto spalte = [&] {
            QStringList werte;
            for (int r = 1; r < gitter->rowCount(); ++r) {
                werte << gitter->item(r, 1)->text();
            }
            return werte;
        };
        const QString pfad = ordner.path() + QStringLiteral("/InfoTabellen/Gewinde.CSV");
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray vorher = datei.readAll();
        datei.close();
        const QPoint ort(kopf->sectionViewportPosition(1) + 10, kopf->height() / 2);
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, ort);
        QCOMPARE(spalte(), (QStringList{"210", "86", "49"}));
        QCOMPARE(gitter->item(1, 0)->text(), QStringLiteral("M16"));
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, ort);
        QCOMPARE(spalte(), (QStringList{"49", "86", "210"}));
        QCOMPARE(gitter->item(0, 1)->text(), QStringLiteral("Moment 8.8 [Nm]"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), vorher);
        QVERIFY(umgebung.Meldungen.empty());
    }
};

QTEST_MAIN(Fenster_Test)
#include "fenster_test.moc"
