// The settings and calculation pages (options to unit conversion) on the
// offscreen platform: every control of the form model is a widget of the right
// kind on its own page, the bound widgets show the model after the activation
// load, the pages fit the window, and the convert picture acts as a button.
#include "app/lebenszyklus.h"
#include "ui/hauptfenster.h"
#include "ui/qt_umgebung.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>

using namespace pelmark;

namespace {

class Pruef_Umgebung : public ui::Qt_Umgebung {
  public:
    void Zeige_Meldung(Meldungsart, const std::string&, const std::string& text) override {
        Meldungen.push_back(text);
    }
    std::vector<std::string> Meldungen;
};

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

    void Seiten_passen_ins_Fenster() {
        for (int i = 4; i < 10; ++i) {
            const QSize noetig = fenster->Reiter()->widget(i)->minimumSizeHint();
            QVERIFY2(noetig.width() <= 1030 && noetig.height() <= 690,
                     qPrintable(QStringLiteral("Seite %1: %2 x %3")
                                    .arg(i + 1)
                                    .arg(noetig.width())
                                    .arg(noetig.height())));
        }
    }
};

QTEST_MAIN(Seiten_B_Test)
#include "seiten_b_test.moc"
