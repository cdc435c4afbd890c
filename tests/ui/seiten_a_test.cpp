// The four dimension pages (pipes, valves, supports, sections): every control
// of the form model is a widget of the right kind on its page, every fixed
// caption is there, the values of the activation load show unclipped, and
// each page fits the window without scrolling.
#include "app/lebenszyklus.h"
#include "form/maske.h"
#include "ui/hauptfenster.h"
#include "ui/qt_umgebung.h"
#include "ui/stil.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "pruef_umgebung.h"

#include <filesystem>
#include <memory>

using namespace pelmark;

namespace {

// Control name, its kind in the form model, the tab page it belongs to.
struct Steuerelement {
    const char* Name;
    const char* Art;
    int Seite;
};

#define PELMARK_ZEILE(Typ, Name, ...) {#Name, #Typ, SEITE},
const Steuerelement steuerelemente[] = {
#define SEITE 0
    PELMARK_SEITE_ROHRTEILE(PELMARK_ZEILE)
#undef SEITE
#define SEITE 1
        PELMARK_SEITE_ARMATUREN(PELMARK_ZEILE)
#undef SEITE
#define SEITE 2
            PELMARK_SEITE_LAGER(PELMARK_ZEILE)
#undef SEITE
#define SEITE 3
                PELMARK_SEITE_PROFILE(PELMARK_ZEILE)
#undef SEITE
};
#undef PELMARK_ZEILE

// The widget class that shows a control of that kind; labels show
// captions, text blocks and pictures.
QString Widgetklasse(const QString& art) {
    static const QMap<QString, QString> klassen = {{"Edit", "QLineEdit"},
                                                   {"Liste", "QListWidget"},
                                                   {"Schalter", "QRadioButton"},
                                                   {"Knopf", "QPushButton"}};
    return klassen.value(art, QStringLiteral("QLabel"));
}

QStringList Texte_der_Seite(QWidget* seite) {
    QStringList texte;
    for (auto* label : seite->findChildren<QLabel*>()) {
        texte << label->text();
    }
    for (auto* rahmen : seite->findChildren<QGroupBox*>()) {
        texte << rahmen->title();
    }
    for (auto* knopf : seite->findChildren<QAbstractButton*>()) {
        texte << knopf->text();
    }
    return texte;
}

} // namespace

class Seiten_A_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir ordner;
    std::unique_ptr<Pruef_Umgebung> umgebung;
    std::unique_ptr<Mainform> form;
    std::unique_ptr<ui::Hauptfenster> fenster;

    std::string programmdir() const { return ordner.path().toStdString() + "/"; }

    void Kopiere_Daten(const std::filesystem::path& quelle) {
        namespace fs = std::filesystem;
        fs::remove_all(ordner.path().toStdString());
        fs::create_directories(ordner.path().toStdString());
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(quelle / teil, fs::path(programmdir()) / teil, fs::copy_options::recursive);
        }
    }

    // The window after its activation load.
    void Oeffne_Fenster(const std::filesystem::path& daten) {
        Kopiere_Daten(daten);
        umgebung = std::make_unique<Pruef_Umgebung>();
        form = std::make_unique<Mainform>(*umgebung, programmdir(), '.');
        fenster = std::make_unique<ui::Hauptfenster>(*form, *umgebung);
        fenster->show();
        QTRY_VERIFY(!form->maske.LB_AD1.Items.empty());
        QVERIFY(umgebung->Meldungen.empty());
    }

    QWidget* Seite(int index) const { return fenster->Reiter()->widget(index); }

    template <typename W> W* Widget(const char* name) const {
        return fenster->findChild<W*>(QString::fromLatin1(name));
    }

  private slots:
    void init() { Oeffne_Fenster(PELMARK_TESTDATEN); }
    void cleanup() {
        fenster.reset();
        form.reset();
        umgebung.reset();
    }

    void jedes_Steuerelement_ist_ein_Widget_seiner_Art_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("seite");
        for (const auto& s : steuerelemente) {
            QTest::newRow(s.Name) << QString::fromLatin1(s.Name) << QString::fromLatin1(s.Art)
                                  << s.Seite;
        }
    }
    void jedes_Steuerelement_ist_ein_Widget_seiner_Art() {
        QFETCH(QString, name);
        QFETCH(QString, art);
        QFETCH(int, seite);
        const auto gefunden = Seite(seite)->findChildren<QWidget*>(name);
        QCOMPARE(gefunden.size(), 1);
        QCOMPARE(QString::fromLatin1(gefunden.front()->metaObject()->className()),
                 Widgetklasse(art));
        QVERIFY2(gefunden.front()->isVisibleTo(Seite(seite)), qPrintable(name));
    }

    void feste_Beschriftungen_data() {
        QTest::addColumn<int>("seite");
        QTest::addColumn<QString>("text");
        const QStringList rohrteile = {"DN1",          "DN2",
                                       "Standart",     "DIN",
                                       "ANSI",         "Wanddickenreihe",
                                       "Nenndruck",    "Radius",
                                       "Aussendm. 1",  "Aussendm. 2",
                                       "Wanddicke",    "Flanschhöhe",
                                       "Blattdm.",     "Blattbreite",
                                       "Lochkreis",    "Anz. Schr.",
                                       "Schr. Dm",     "Schr. Lg Fl./Fl.",
                                       "+4 mm Dicht.", "+3mm Überst.",
                                       "Schrauben",    "Mu.höhe = 0,8d",
                                       "Bolzen",       "Mu.höhe =1d",
                                       "L 15° Bogen",  "L 75° Bogen",
                                       "Baulänge a",   "Baulänge b",
                                       "Baulänge",     "Länge",
                                       "Info",         "ENDE"};
        const QStringList armaturen = {"Armaturen mit Flanschanschluss",
                                       "Nennweite",
                                       "Nenndruck",
                                       "Normal",
                                       "Regelventil",
                                       "kurze BL",
                                       "lange BL",
                                       "Zwischenfl.",
                                       "Flanschgeh.",
                                       "mit Kegel",
                                       "mit Klappe"};
        const QStringList lager = {"Bezeichnung:",        "Höhe h:",
                                   "Breite b / i:",       "Breite b:",
                                   "Einsatzbereich:",     "Für Leitungen:",
                                   "GL01, FL01, FP01",    "GL02, FL02, FP03",
                                   "GL03, FL03, FP03",    "GL04, FL04, FP04",
                                   "GL05, FL05   FP05",   "GL06, FL06   FP06",
                                   "GL12, FL012   FP12",  "GL13, FL013  FP13",
                                   "Anlagenverrohrung",   "Rohrbrückenverrohrung",
                                   "Anlagen u. RBR-Ver.", "Edelstahlleitungen",
                                   "C-Stahlleitungen",    "C u. Edel - Stahlltg."};
        const QStringList profile = {"Profilauswahl",
                                     "Profilart",
                                     "Abmessungen",
                                     "b:",
                                     "h:",
                                     "s:",
                                     "t:",
                                     "w:",
                                     "d:",
                                     "Statische Werte",
                                     "Wmax [cm 3]:",
                                     "Imax [cm 4 ]:",
                                     "Wmin [cm 3]:",
                                     "Imin [cm 4]:",
                                     "Sonstige Werte",
                                     "Fläche [cm 2]:",
                                     "Gewicht [kg]:"};
        const QStringList* seiten[4] = {&rohrteile, &armaturen, &lager, &profile};
        for (int seite = 0; seite < 4; ++seite) {
            for (const auto& text : *seiten[seite]) {
                QTest::addRow("Seite %d %s", seite + 1, qPrintable(text)) << seite << text;
            }
            QTest::addRow("Seite %d ENDE", seite + 1) << seite << QStringLiteral("ENDE");
        }
    }
    void feste_Beschriftungen() {
        QFETCH(int, seite);
        QFETCH(QString, text);
        QVERIFY2(Texte_der_Seite(Seite(seite)).contains(text), qPrintable(text));
    }

    void Skizzen_mit_Hinweisen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("Flansch") << "Image2"
                                 << "V-Fansche EN1092-1, Klammerwerte für alte DIN !!";
        QTest::newRow("Bogen") << "Image3"
                               << "DIN 2605";
        QTest::newRow("T-Stück") << "Image4"
                                 << "DIN 2615";
        QTest::newRow("Reduzierung") << "Image5"
                                     << "DIN 2616";
        QTest::newRow("Kappe") << "Image6"
                               << "DIN 2617";
        for (int i = 7; i <= 17; ++i) {
            const QByteArray name = "Image" + QByteArray::number(i);
            QTest::newRow(name.constData()) << QString::fromLatin1(name) << QString();
        }
        const char* const lager[8] = {
            "GL01, FL01, FP01",  "GL02, FL02, FP03",  "GL03, FL03, FP03",   "GL04, FL04, FP04",
            "GL05, FL05   FP05", "GL06, FL06   FP06", "GL12, FL012   FP12", "GL13, FL013  FP13"};
        for (int i = 0; i < 8; ++i) {
            const QByteArray name = "Image" + QByteArray::number(18 + i);
            QTest::newRow(name.constData())
                << QString::fromLatin1(name) << QString::fromUtf8(lager[i]);
        }
    }
    void Skizzen_mit_Hinweisen() {
        QFETCH(QString, name);
        QFETCH(QString, hinweis);
        auto* bild = fenster->findChild<QLabel*>(name);
        QVERIFY(bild != nullptr);
        QVERIFY(!bild->pixmap().isNull());
        QCOMPARE(bild->toolTip(), hinweis);
        // drawn, not blank: the sketch has dark line pixels
        const QImage bildpunkte = bild->pixmap().toImage();
        int dunkel = 0;
        for (int y = 0; y < bildpunkte.height(); ++y) {
            for (int x = 0; x < bildpunkte.width(); ++x) {
                dunkel += qGray(bildpunkte.pixel(x, y)) < 100 ? 1 : 0;
            }
        }
        QVERIFY2(dunkel > 200, qPrintable(name));
    }

    void Rohrteile_zeigen_die_geladenen_Werte() {
        const auto& m = form->maske;
        QCOMPARE(Widget<QLineEdit>("E_DA1")->text(), QString::fromStdString(m.E_DA1.Text));
        QVERIFY(m.E_DA1.Text != "E_DA1");
        QCOMPARE(Widget<QLineEdit>("E_L_Bogen45")->text(),
                 QString::fromStdString(m.E_L_Bogen45.Text));
        QCOMPARE(Widget<QLineEdit>("E_Schr_Dm")->text(), QString::fromStdString(m.E_Schr_Dm.Text));
        QCOMPARE(Widget<QListWidget>("LB_AD1")->count(), m.LB_AD1.Count());
        QCOMPARE(Widget<QListWidget>("LB_AD1")->currentRow(), m.LB_AD1.ItemIndex);
        QCOMPARE(Widget<QListWidget>("LB_WD_Reihe")->count(), m.LB_WD_Reihe.Count());
        QVERIFY(Widget<QRadioButton>("RB_DIN_Rohr")->isChecked());
        QVERIFY(!Widget<QRadioButton>("RB_ANSI_Rohr")->isChecked());
        QCOMPARE(Widget<QLabel>("L_Schr_dm")->text(), QStringLiteral("mm"));
    }

    void Armaturen_zeigen_Reihe_und_Baulaenge() {
        const auto& m = form->maske;
        QVERIFY(m.L_Ventil.Caption != "Baulg");
        QCOMPARE(Widget<QLabel>("L_Ventil")->text(), QString::fromStdString(m.L_Ventil.Caption));
        QCOMPARE(Widget<QLineEdit>("E_Schieber_Lang")->text(),
                 QString::fromStdString(m.E_Schieber_Lang.Text));
        QCOMPARE(Widget<QLineEdit>("E_Y_Siebe")->text(), QString::fromStdString(m.E_Y_Siebe.Text));
        QCOMPARE(Widget<QListWidget>("LB_Armaturen_PN")->count(), m.LB_Armaturen_PN.Count());
        const QString notiz = Widget<QLabel>("Memo1")->text();
        QCOMPARE(notiz.split('\n').size(), 10);
        QVERIFY(notiz.startsWith(QStringLiteral("Gegenüberstellung alte mit neuen Baureihen\nF1")));
    }

    void Lager_zeigen_Hoehen_und_Breiten() {
        const auto& m = form->maske;
        QVERIFY(m.E_h_01.Text != "E_h_01");
        QCOMPARE(Widget<QLineEdit>("E_h_01")->text(), QString::fromStdString(m.E_h_01.Text));
        QCOMPARE(Widget<QLineEdit>("E_i_02")->text(), QStringLiteral("-")); // first size
        QCOMPARE(Widget<QLineEdit>("E_b_FP13")->text(), QString::fromStdString(m.E_b_FP13.Text));
        QCOMPARE(Widget<QLineEdit>("E_h_FP05")->toolTip(), QStringLiteral("FP05"));
        // a nominal size chosen on the support page reaches the pipe page
        Widget<QListWidget>("LB_Lager_NW")->setCurrentRow(2);
        QCOMPARE(Widget<QListWidget>("LB_AD1")->currentRow(), 2);
        QCOMPARE(Widget<QLineEdit>("E_i_02")->text(), QString::fromStdString(m.E_b_01.Text));
    }

    void Profile_zeigen_Bild_Art_und_Werte() {
        const auto& m = form->maske;
        QCOMPARE(Widget<QListWidget>("LB_Profilart")->count(), 9);
        QCOMPARE(Widget<QLineEdit>("E_Wmax")->text(), QString::fromStdString(m.E_Wmax.Text));
        QCOMPARE(Widget<QLabel>("L_Profil")->text(), QString::fromStdString(m.L_Profil.Caption));
        // Before a kind is chosen, the picture is the equal angle its caption names.
        QVERIFY(m.P_Profilart.Datei.empty());
        QVERIFY(!Widget<QLabel>("P_Profilart")->pixmap().isNull());
        Widget<QListWidget>("LB_Profilart")->setCurrentRow(6);
        QCOMPARE(Widget<QLabel>("L_Profilart")->text(), QStringLiteral("HEB-Träger"));
        QCOMPARE(Widget<QListWidget>("LB_Profil")->count(), m.LB_Profil.Count());
        QCOMPARE(Widget<QLineEdit>("E_Gew")->text(), QString::fromStdString(m.E_Gew.Text));
        auto* bild = Widget<QLabel>("P_Profilart");
        QVERIFY(!bild->pixmap().isNull());
        // drawn from the top left corner of its area, cut off at 100 x 100
        QCOMPARE(bild->pos(), QPoint(1, 1));
        QCOMPARE(bild->parentWidget()->size(), QSize(102, 102));
    }

    void Normwechsel_schaltet_die_Radioknoepfe_um() {
        QTest::mouseClick(Widget<QRadioButton>("RB_ANSI_Rohr"), Qt::LeftButton);
        QVERIFY(form->maske.RB_ANSI_Rohr.Checked);
        QVERIFY(!Widget<QRadioButton>("RB_DIN_Rohr")->isChecked());
        QCOMPARE(Widget<QLabel>("L_Schr_dm")->text(), QStringLiteral("\""));
        QCOMPARE(Widget<QLineEdit>("E_DA1")->text(),
                 QString::fromStdString(form->maske.E_DA1.Text));
    }

    void Werte_passen_in_ihre_Felder_data() {
        QTest::addColumn<int>("seite");
        QTest::addColumn<bool>("ansi");
        for (int seite = 0; seite < 4; ++seite) {
            QTest::addRow("Seite %d DIN", seite + 1) << seite << false;
            QTest::addRow("Seite %d ANSI", seite + 1) << seite << true;
        }
    }
    void Werte_passen_in_ihre_Felder() {
        QFETCH(int, seite);
        QFETCH(bool, ansi);
        if (ansi) {
            QTest::mouseClick(Widget<QRadioButton>("RB_ANSI_Rohr"), Qt::LeftButton);
        }
        auto* groessen = Widget<QListWidget>("LB_AD1");
        groessen->setCurrentRow(groessen->count() - 1); // the largest size has the widest values
        fenster->Reiter()->setCurrentIndex(seite);
        for (auto* feld : Seite(seite)->findChildren<QLineEdit*>()) {
            const int platz = feld->contentsRect().width() - 6;
            const int breite = feld->fontMetrics().horizontalAdvance(feld->text());
            QVERIFY2(breite <= platz, qPrintable(feld->objectName() + ": " + feld->text()));
        }
    }

    // For looking at the pages: PELMARK_SEITENBILDER names a folder for the
    // pictures, PELMARK_SEITENBILDER_DATEN another program folder to load
    // (the shipped data), PELMARK_SEITENBILDER_STIL a visual style.
    void Bilder_der_Seiten() {
        const QString ziel = qEnvironmentVariable("PELMARK_SEITENBILDER");
        if (ziel.isEmpty()) {
            QSKIP("no picture folder given");
        }
        const QString daten = qEnvironmentVariable("PELMARK_SEITENBILDER_DATEN");
        if (!daten.isEmpty()) {
            cleanup();
            Oeffne_Fenster(daten.toStdString());
        }
        const QString stil = qEnvironmentVariable("PELMARK_SEITENBILDER_STIL");
        if (!stil.isEmpty()) {
            ui::Wende_Stil_an(stil.toStdString());
        }
        auto* groessen = Widget<QListWidget>("LB_AD1");
        groessen->setCurrentRow(std::min(15, groessen->count() - 1));
        Widget<QListWidget>("LB_Profilart")->setCurrentRow(6);
        for (int seite = 0; seite < 4; ++seite) {
            fenster->Reiter()->setCurrentIndex(seite);
            QVERIFY(
                fenster->grab().save(QStringLiteral("%1/seite%2.png").arg(ziel).arg(seite + 1)));
        }
    }

    void Seiten_passen_ins_Fenster_data() {
        QTest::addColumn<int>("seite");
        for (int seite = 0; seite < 4; ++seite) {
            QTest::addRow("Seite %d", seite + 1) << seite;
        }
    }
    void Seiten_passen_ins_Fenster() {
        QFETCH(int, seite);
        fenster->Reiter()->setCurrentIndex(seite);
        // The content of the page's scroll area: at the default size it needs
        // no scrolling.
        const QSize noetig =
            Seite(seite)->findChild<QScrollArea*>()->widget()->layout()->minimumSize();
        QVERIFY2(noetig.width() <= 1030 && noetig.height() <= 690,
                 qPrintable(QStringLiteral("%1 x %2").arg(noetig.width()).arg(noetig.height())));
    }
};

QTEST_MAIN(Seiten_A_Test)
#include "seiten_a_test.moc"
