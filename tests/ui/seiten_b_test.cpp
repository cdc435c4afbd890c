// The settings and calculation pages (options to unit conversion) on the
// offscreen platform: every control of the form model is a widget of the right
// kind on its own page, the bound widgets show the model after the activation
// load, the pages fit the window, and the convert picture acts as a button.
#include "app/lebenszyklus.h"
#include "store/zahlen.h"
#include "ui/hauptfenster.h"
#include "ui/qt_umgebung.h"
#include "ui/stil.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "pruef_umgebung.h"

#include <filesystem>
#include <memory>

using namespace pelmark;

namespace {

// The Qt class each kind of control is shown by.
template <typename T> const char* Klasse();
template <> const char* Klasse<Edit>() {
    return "QLineEdit";
}
template <> const char* Klasse<Liste>() {
    return "QListWidget";
}
template <> const char* Klasse<Ordnerliste>() {
    return "QListWidget";
}
template <> const char* Klasse<Schalter>() {
    return "QAbstractButton";
}
template <> const char* Klasse<Beschriftung>() {
    return "QLabel";
}
template <> const char* Klasse<Textblock>() {
    return "QLabel";
}
template <> const char* Klasse<Gitter>() {
    return "QTableWidget";
}
template <> const char* Klasse<Bild>() {
    return "QLabel";
}
template <> const char* Klasse<Knopf>() {
    return "QPushButton";
}

struct Steuerelement {
    int Seite;
    const char* Name;
    const char* Klasse;
};

std::vector<Steuerelement> Steuerelemente() {
    std::vector<Steuerelement> alle;
    int seite = 0;
#define PELMARK_ZEILE(Typ, Name, ...) alle.push_back({seite, #Name, Klasse<Typ>()});
    seite = 4;
    PELMARK_SEITE_OPTIONEN(PELMARK_ZEILE)
    seite = 5;
    PELMARK_SEITE_KONSTRUKTION(PELMARK_ZEILE)
    seite = 6;
    PELMARK_SEITE_DEHNUNG(PELMARK_ZEILE)
    seite = 7;
    PELMARK_SEITE_TABELLEN(PELMARK_ZEILE)
    seite = 8;
    PELMARK_SEITE_FORMELN(PELMARK_ZEILE)
    seite = 9;
    PELMARK_SEITE_MASSUMWANDLUNG(PELMARK_ZEILE)
#undef PELMARK_ZEILE
    return alle;
}

// Combo-box lists are combo boxes.
bool Ist_Combo(const char* name) {
    return QByteArray(name) == "CB_Style" || QByteArray(name) == "DriveComboBox1";
}

} // namespace

class Seiten_B_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner;
    Pruef_Umgebung umgebung;
    std::unique_ptr<Mainform> form;
    std::unique_ptr<ui::Hauptfenster> fenster;

    std::string programmdir() const { return ordner.path().toStdString() + "/"; }

    template <typename W> W* Widget(const char* name) {
        auto* w = fenster->findChild<W*>(QString::fromLatin1(name));
        if (w == nullptr) {
            qWarning("%s fehlt", name);
        }
        return w;
    }

    QString Text(const Edit& feld) const { return QString::fromStdString(feld.Text); }
    std::string m_Stil() const { return form->maske.L_Style.Caption; }

  private slots:
    void initTestCase() {
        namespace fs = std::filesystem;
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(fs::path(PELMARK_TESTDATEN) / teil, fs::path(programmdir()) / teil,
                     fs::copy_options::recursive);
        }
        form = std::make_unique<Mainform>(umgebung, programmdir(), '.');
        fenster = std::make_unique<ui::Hauptfenster>(*form, umgebung);
        fenster->show();
        QTRY_VERIFY(!form->Speicher.Din_Rohre.Zeilen.empty());
    }

    void cleanupTestCase() {
        fenster->close();
        fenster.reset();
    }

    void jedes_Steuerelement_hat_sein_Widget_data() {
        QTest::addColumn<int>("seite");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("klasse");
        for (const auto& s : Steuerelemente()) {
            const char* klasse = Ist_Combo(s.Name) ? "QComboBox" : s.Klasse;
            QTest::newRow(s.Name) << s.Seite << QString::fromLatin1(s.Name)
                                  << QString::fromLatin1(klasse);
        }
    }

    void jedes_Steuerelement_hat_sein_Widget() {
        QFETCH(int, seite);
        QFETCH(QString, name);
        QFETCH(QString, klasse);
        QWidget* blatt = fenster->Reiter()->widget(seite);
        const auto treffer = blatt->findChildren<QWidget*>(name);
        QCOMPARE(treffer.size(), 1);
        QVERIFY2(treffer.front()->inherits(klasse.toLatin1().constData()),
                 treffer.front()->metaObject()->className());
    }

    void Eingaben_und_Ausgaben_zeigen_das_Modell() {
        const auto& m = form->maske;
        for (const auto* feld : {&m.E_Winddruck, &m.E_Isolierdicke, &m.E_Gamma, &m.E_Dehnung_L,
                                 &m.E_Menge, &m.E_Dampfdruck, &m.E_Anz_Quellmass}) {
            QVERIFY(!feld->Text.empty());
        }
        QCOMPARE(Widget<QLineEdit>("E_Winddruck")->text(), Text(m.E_Winddruck));
        QCOMPARE(Widget<QLineEdit>("E_Isolierdicke")->text(), Text(m.E_Isolierdicke));
        QCOMPARE(Widget<QLineEdit>("E_Gamma")->text(), Text(m.E_Gamma));
        QCOMPARE(Widget<QLineEdit>("E_Dehnung_DL")->text(), Text(m.E_Dehnung_DL));
        QCOMPARE(Widget<QLineEdit>("E_Anz_Zielmass")->text(), Text(m.E_Anz_Zielmass));
        QVERIFY(!Widget<QLineEdit>("E_Dampfdruck")->isReadOnly());
        QVERIFY(Widget<QLineEdit>("E_Dampftemperatur")->isReadOnly());
        QCOMPARE(Widget<QLabel>("L_Wert_V")->text(), QString::fromStdString(m.L_Wert_V.Caption));
        QCOMPARE(Widget<QLabel>("L_Quelle")->text(), QString::fromStdString(m.L_Quelle.Caption));
        QCOMPARE(Widget<QLabel>("Memo2")->text(),
                 QStringLiteral("Achtung!!\nDie Berechnung berücksichtigt keine Belastungen durch\n"
                                "Leitungsgewicht, Innendruck, Windkräfte, Erdbeben etc."));
    }

    void Listen_zeigen_Eintraege_und_Auswahl_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"LB_DN1", "LB_DN2", "LB_PN1", "LB_PN2", "LB_NW", "LB_Temperatur",
                                 "LB_Massart", "LB_Quellmass", "LB_Zielmass", "FileListBox1"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void Listen_zeigen_Eintraege_und_Auswahl() {
        QFETCH(QString, name);
        const Feldzeiger* feld = form->maske.Finde(name.toStdString());
        QVERIFY(feld != nullptr);
        std::vector<std::string> eintraege;
        int index = -1;
        if (auto* liste = std::get_if<Liste*>(feld)) {
            eintraege = (*liste)->Items;
            index = (*liste)->ItemIndex;
        } else {
            eintraege = std::get<Ordnerliste*>(*feld)->Items;
            index = std::get<Ordnerliste*>(*feld)->ItemIndex;
        }
        auto* widget = Widget<QListWidget>(name.toLatin1().constData());
        QVERIFY(!eintraege.empty());
        QCOMPARE(widget->count(), static_cast<int>(eintraege.size()));
        QCOMPARE(widget->item(0)->text(), QString::fromStdString(eintraege.front()));
        QCOMPARE(widget->currentRow(), index);
    }

    void Stilwahl_zeigt_die_Stile() {
        const auto& wahl = form->maske.CB_Style;
        auto* box = Widget<QComboBox>("CB_Style");
        QVERIFY(wahl.Count() > 1);
        QCOMPARE(box->count(), wahl.Count());
        QCOMPARE(box->currentIndex(), wahl.ItemIndex);
        QCOMPARE(Widget<QLabel>("L_Style")->text(), QString::fromStdString(m_Stil()));
        QCOMPARE(Widget<QPushButton>("B_Programminfo")->toolTip(),
                 QStringLiteral("Info über Programm und Autor"));
    }

    void Materialgitter_zeigt_ganze_Zeilen() {
        const TEStringGrid& g = form->maske.SG_Material.Grid;
        auto* gitter = Widget<QTableWidget>("SG_Material");
        QVERIFY(g.RowCount() > 1);
        QCOMPARE(gitter->rowCount(), g.RowCount());
        QCOMPARE(gitter->columnCount(), 7);
        QCOMPARE(gitter->item(1, 0)->text(), QString::fromStdString(g.Cell(0, 1)));
        // The caption row is the header and stays in view; row 0 is not repeated.
        QCOMPARE(gitter->horizontalHeaderItem(0)->text(), QString::fromStdString(g.Cell(0, 0)));
        QVERIFY(gitter->isRowHidden(0) && !gitter->isRowHidden(1));
        QCOMPARE(gitter->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(gitter->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(gitter->horizontalHeader()->sectionsMovable());
        QVERIFY(gitter->verticalHeader()->sectionsMovable());
        QCOMPARE(gitter->rowHeight(1), 20);
        QCOMPARE(gitter->columnWidth(0), 140);
    }

    // Columns moved and widened with the mouse keep their meaning: leaving the
    // grid takes over the material of the chosen row, and the width the user
    // dragged survives the redraw after the event.
    void Materialgitter_Spalten_ziehen_aendert_keine_Werte() {
        const TEStringGrid& g = form->maske.SG_Material.Grid;
        QVERIFY(g.RowCount() > 3);
        auto* gitter = Widget<QTableWidget>("SG_Material");
        gitter->horizontalHeader()->moveSection(1, 0);
        gitter->verticalHeader()->moveSection(3, 1);
        gitter->horizontalHeader()->resizeSection(2, 200);
        gitter->selectRow(3);
        QFocusEvent aus(QEvent::FocusOut);
        QApplication::sendEvent(gitter, &aus);
        QCOMPARE(form->Materialname, g.Cell(0, 3));
        QCOMPARE(form->e_Modul, static_cast<double>(Zelle_zu_Zahl(g.Cell(1, 3), form->Dezimal)));
        QCOMPARE(gitter->columnWidth(2), 200);
        QCOMPARE(g.ColWidth(2), 200);
        gitter->horizontalHeader()->moveSection(0, 1);
        gitter->verticalHeader()->moveSection(1, 3);
        gitter->horizontalHeader()->resizeSection(2, 140);
    }

    void freie_Tabelle_erscheint_nach_dem_Zeitgeber() {
        const TEStringGrid& g = form->maske.SG_Tabellen.Grid;
        auto* gitter = Widget<QTableWidget>("SG_Tabellen");
        // The first file of the folder, in view mode: headings in row 0.
        QTRY_COMPARE_WITH_TIMEOUT(g.Cell(0, 0), std::string("Gewinde"), 3000);
        QCOMPARE(gitter->rowCount(), g.RowCount());
        QCOMPARE(gitter->columnCount(), 3);
        QCOMPARE(gitter->item(0, 0)->text(), QStringLiteral("Gewinde"));
        QCOMPARE(gitter->item(1, 0)->text(), QStringLiteral("M10"));
        QCOMPARE(gitter->columnWidth(0), 80);
        QCOMPARE(Widget<QListWidget>("FileListBox1")->currentRow(), 0);
        QVERIFY(!Widget<QCheckBox>("CB_Edit")->isChecked());
    }

    void Fix_Knoepfe_bilden_zwei_Gruppen() {
        fenster->Reiter()->setCurrentIndex(6);
        auto* menge = Widget<QRadioButton>("RB_Q");
        auto* weite = Widget<QRadioButton>("RB_Id");
        auto* druck = Widget<QRadioButton>("RB_Druck_Fix");
        QVERIFY(druck->isChecked());
        QVERIFY(!menge->isChecked() && !weite->isChecked());
        QTest::mouseClick(menge, Qt::LeftButton);
        QVERIFY(menge->isChecked());
        QVERIFY(druck->isChecked());
        QTest::mouseClick(weite, Qt::LeftButton);
        QVERIFY(weite->isChecked() && !menge->isChecked());
        QVERIFY(form->maske.RB_Id.Checked);
        QVERIFY(Widget<QRadioButton>("RB1")->isChecked());
    }

    // Typing on the page "Rohrbau" runs its display through the binder: an
    // unreadable offset stays as typed and its results show "-".
    void Rohrbau_rechnet_beim_Tippen() {
        fenster->Reiter()->setCurrentIndex(10);
        auto* versatz = Widget<QLineEdit>("E_Etage_Versatz");
        versatz->selectAll();
        QTest::keyClicks(versatz, QStringLiteral("5x"));
        QCOMPARE(form->maske.E_Etage_Versatz.Text, std::string("5x"));
        QCOMPARE(Widget<QLineEdit>("E_Etage_Schraeg")->text(), QStringLiteral("-"));
        versatz->selectAll();
        QTest::keyClicks(versatz, QStringLiteral("500"));
        // 500 / sin 45°
        QCOMPARE(Widget<QLineEdit>("E_Etage_Schraeg")->text(), QStringLiteral("707,1"));
        QCOMPARE(Widget<QLineEdit>("E_Etage_Lauf")->text(), QStringLiteral("500,0"));
    }

    void Umrechnungsbild_rechnet_um() {
        fenster->Reiter()->setCurrentIndex(9);
        Widget<QListWidget>("LB_Zielmass")->setCurrentRow(1);
        auto* betrag = Widget<QLineEdit>("E_Anz_Quellmass");
        betrag->setText(QStringLiteral("2"));
        QTest::mouseClick(Widget<QLabel>("Image30"), Qt::LeftButton);
        QCOMPARE(form->maske.E_Anz_Quellmass.Text, std::string("2"));
        QCOMPARE(form->maske.LB_Zielmass.ItemIndex, 1);
        QVERIFY(form->maske.E_Anz_Zielmass.Text.rfind("2000", 0) == 0);
        QCOMPARE(Widget<QLineEdit>("E_Anz_Zielmass")->text(), Text(form->maske.E_Anz_Zielmass));
        QCOMPARE(Widget<QLabel>("Image30")->size(), QSize(125, 127));
    }

    void Formelbild_oben_links_und_gestreckt() {
        auto* bild = Widget<QLabel>("Image1");
        const QSize vorher = fenster->size();
        fenster->resize(ui::Hauptfenster::Grundbreite, ui::Hauptfenster::Grundhoehe);
        QApplication::processEvents();
        QCOMPARE(bild->size(), QSize(1000, 631));
        // A window 70 pixels lower shows it 70 pixels lower, in its proportions.
        fenster->resize(ui::Hauptfenster::Grundbreite, ui::Hauptfenster::Grundhoehe - 70);
        QApplication::processEvents();
        QCOMPARE(bild->size(), QSize(1000 * 561 / 631, 561));
        fenster->resize(vorher);
        QApplication::processEvents();
        QVERIFY(bild->hasScaledContents());
        QCOMPARE(bild->parentWidget()->objectName(), QStringLiteral("P_Graphik"));
        QCOMPARE(bild->pos(), QPoint(0, 0));
        QCOMPARE(Widget<QPushButton>("B_Graphik_laden")->text(), QStringLiteral("Graphik laden"));
    }

    void Ende_Knoepfe_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"B_Ende", "BitBtn8", "BitBtn10", "BitBtn9", "BitBtn4", "BitBtn5"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void Ende_Knoepfe() {
        QFETCH(QString, name);
        QCOMPARE(Widget<QPushButton>(name.toLatin1().constData())->text(), QStringLiteral("ENDE"));
    }

    void Seiten_passen_ins_Fenster() {
        for (int i = 4; i < 10; ++i) {
            // The content of the page's scroll area: at the default size it
            // needs no scrolling.
            const QSize noetig = fenster->Reiter()
                                     ->widget(i)
                                     ->findChild<QScrollArea*>()
                                     ->widget()
                                     ->minimumSizeHint();
            QVERIFY2(noetig.width() <= 1030 && noetig.height() <= 690,
                     qPrintable(QStringLiteral("Seite %1: %2 x %3")
                                    .arg(i + 1)
                                    .arg(noetig.width())
                                    .arg(noetig.height())));
        }
    }

    // With PELMARK_SEITENBILDER set to a folder, saves a picture of every page
    // in two styles, to look at the layout.
    void Seitenbilder() {
        const QString ziel = qEnvironmentVariable("PELMARK_SEITENBILDER");
        if (ziel.isEmpty()) {
            QSKIP("PELMARK_SEITENBILDER not set");
        }
        // Placeholders and zeros become values of a realistic width.
        for (int i = 4; i < 10; ++i) {
            for (auto* feld : fenster->Reiter()->widget(i)->findChildren<QLineEdit*>()) {
                if (feld->text() == feld->objectName() || feld->text() == QStringLiteral("0")) {
                    feld->setText(feld->objectName() == QStringLiteral("E_F_Dehnung")
                                      ? QStringLiteral("123456,78")
                                      : QStringLiteral("1234,56"));
                }
            }
        }
        for (const char* stil : {"Luna", "Windows10 Dark"}) {
            ui::Wende_Stil_an(stil);
            for (int i = 4; i < 10; ++i) {
                fenster->Reiter()->setCurrentIndex(i);
                QApplication::processEvents();
                const QString datei = QStringLiteral("%1/seite%2_%3.png")
                                          .arg(ziel)
                                          .arg(i + 1)
                                          .arg(QString::fromLatin1(stil).remove(' '));
                QVERIFY(fenster->grab().save(datei));
            }
        }
        fenster->Reiter()->setCurrentIndex(0);
    }
};

QTEST_MAIN(Seiten_B_Test)
#include "seiten_b_test.moc"
