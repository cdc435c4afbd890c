// pelmark_affe: the monkey on the real main window. Builds the window on the
// offscreen platform over a temporary copy of the shipped data and sends
// random user actions from a printed seed. Fails on a hang, on a message box
// whose text is not one of the program's own messages, and (in the sanitizer
// build) on every sanitizer report.
//
// At random points it also checks that the window shows what a fresh start
// with the same selections and inputs shows (--ohne-geschichte: not).
//
//   pelmark_affe [--seed S] [--sekunden T] [--aktionen N] [--grenze-ms M] [--daten DIR] [-v]
#include "affe/affe.h"
#include "affe/geschichte_pruefung.h"
#include "affe/meldungen.h"
#include "affe/waechter.h"
#include "app/lebenszyklus.h"
#include "ui/hauptfenster.h"
#include "ui/qt_umgebung.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace pelmark;
namespace fs = std::filesystem;

namespace {

struct Optionen {
    std::uint64_t Seed = 0;
    bool Seed_gegeben = false;
    double Sekunden = 10;
    long Aktionen = -1;
    long Grenze_ms = 1000;
    std::string Daten = PELMARK_QUELLE;
    bool Laut = false;
    bool Geschichte = true;
};

Optionen Lies_Optionen(int argc, char** argv) {
    Optionen o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* wert = i + 1 < argc ? argv[i + 1] : "";
        if (a == "--seed") {
            o.Seed = std::stoull(wert);
            o.Seed_gegeben = true;
            ++i;
        } else if (a == "--sekunden") {
            o.Sekunden = std::stod(wert);
            ++i;
        } else if (a == "--aktionen") {
            o.Aktionen = std::stol(wert);
            ++i;
        } else if (a == "--grenze-ms") {
            o.Grenze_ms = std::stol(wert);
            ++i;
        } else if (a == "--daten") {
            o.Daten = wert;
            ++i;
        } else if (a == "--ohne-geschichte") {
            o.Geschichte = false;
        } else if (a == "-v") {
            o.Laut = true;
        }
    }
    if (!o.Seed_gegeben) {
        o.Seed = std::random_device{}();
    }
    return o;
}

// The real platform, with the monkey's folder as the only drive: the table
// page's folder lists then never show what else lies on the disk (another
// process's files would make a replay take another path).
struct Affen_Umgebung : ui::Qt_Umgebung {
    explicit Affen_Umgebung(std::string wurzel) : Wurzel(std::move(wurzel)) {}
    std::vector<std::string> Laufwerke() override { return {Wurzel}; }
    std::string Wurzel;
};

// One run of the program: platform, form and window, as the entry starts them.
struct Sitzung {
    Affen_Umgebung umgebung;
    std::unique_ptr<Mainform> form;
    std::unique_ptr<ui::Hauptfenster> fenster;

    Sitzung(const std::string& programmdir, char dezimal) : umgebung(programmdir) {
        form = std::make_unique<Mainform>(umgebung, programmdir, dezimal);
        Programmstart(*form);
        fenster = std::make_unique<ui::Hauptfenster>(*form, umgebung);
        fenster->show();
        fenster->activateWindow();
        // The activation load and the one-second timer run before the first
        // action, so a replay meets them at the same point.
        QTest::qWait(1100);
    }
};

QStringList Testbilder() {
    QStringList bilder;
    const QDir ordner(QStringLiteral(PELMARK_QUELLE "/tests/szenarien/bilder"));
    for (const QString& name : ordner.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
        bilder << ordner.filePath(name);
    }
    bilder << QStringLiteral(PELMARK_QUELLE "/Daten/Formelsammlung.jpg")
           << QStringLiteral(PELMARK_QUELLE "/Daten/HEA.bmp");
    return bilder;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_HASH_SEED", "0");
    QApplication anwendung(argc, argv);
    const Optionen o = Lies_Optionen(argc, argv);
    const std::string wiederholung = std::string(argv[0]) + " --seed " + std::to_string(o.Seed);
    std::printf("Affe: Seed %llu\n", static_cast<unsigned long long>(o.Seed));
    std::fflush(stdout);

    QTemporaryDir ordner;
    const std::string programmdir = ordner.path().toStdString() + "/";
    for (const char* teil : {"Daten", "InfoTabellen"}) {
        fs::copy(fs::path(o.Daten) / teil, fs::path(programmdir) / teil,
                 fs::copy_options::recursive);
    }

    affe::Waechter waechter(o.Grenze_ms, wiederholung);
    affe::Affe der_affe(o.Seed, Testbilder(), [&] { waechter.Schlag(); });
    const char dezimal = (o.Seed & 1) != 0 ? ',' : '.';
    std::unique_ptr<Sitzung> sitzung;
    der_affe.Erste_Zeile_gesperrt = [&](const QWidget& liste) {
        return liste.objectName() == QLatin1String("DirectoryListBox1") &&
               sitzung->form->maske.DirectoryListBox1.Pfad == programmdir;
    };
    long nummer = 0;
    long meldungen = 0;
    long starts = 0;
    std::string fremd;
    der_affe.Ankuendigung = [&](const std::string& was) {
        waechter.Aktion(nummer, was + " …");
        if (o.Laut) {
            std::printf("%ld > %s\n", nummer, was.c_str());
            std::fflush(stdout);
        }
    };

    // Answers every modal window as soon as it is open, records box texts.
    // The answer runs from a timer of its own: a timer whose slot is still
    // running (here: inside the nested loop of a box the answer opened) does
    // not fire again, and that nested box needs an answer too. One answer is
    // pending at a time, so a replay answers the same windows in the same order.
    bool geplant = false;
    auto antworte = [&] {
        geplant = false;
        waechter.Schlag();
        QWidget* modal = QApplication::activeModalWidget();
        QString text;
        if (modal == nullptr || !der_affe.Beantworte(*modal, text)) {
            return;
        }
        ++meldungen;
        if (o.Laut) {
            std::printf("  Meldung: %s\n", text.toStdString().c_str());
        }
        if (!affe::Eigene_Meldung(text.toStdString()) && fremd.empty()) {
            fremd = text.toStdString();
        }
    };
    QTimer antworter;
    QObject::connect(&antworter, &QTimer::timeout, &antworter, [&] {
        waechter.Schlag();
        if (!geplant && QApplication::activeModalWidget() != nullptr) {
            geplant = true;
            QTimer::singleShot(0, &antworter, antworte);
        }
    });
    antworter.start(5);

    sitzung = std::make_unique<Sitzung>(programmdir, dezimal);
    ++starts;
    // The checks draw from a generator of their own, so the monkey's
    // actions stay those of the seed.
    affe::Geschichtspruefung geschichte(programmdir, dezimal);
    std::mt19937_64 pruefzufall(o.Seed ^ 0x9e3779b97f4a7c15ULL);
    long pruefungen = 0;
    QElapsedTimer uhr;
    uhr.start();
    while ((o.Aktionen < 0 || nummer < o.Aktionen) &&
           (o.Aktionen >= 0 || uhr.elapsed() < static_cast<qint64>(o.Sekunden * 1000))) {
        ++nummer;
        waechter.Aktion(nummer, "");
        waechter.Pause(false);
        const std::string was = der_affe.Schritt(*sitzung->fenster, *sitzung->fenster->Reiter());
        waechter.Aktion(nummer, was);
        QApplication::processEvents();
        if (o.Laut) {
            std::printf("%ld %s\n", nummer, was.c_str());
        }
        if (!fremd.empty()) {
            std::fprintf(stderr,
                         "AFFE FREMDE MELDUNG bei Aktion %ld (%s): «%s»\n"
                         "Wiederholen: %s --aktionen %ld\n",
                         nummer, was.c_str(), fremd.c_str(), wiederholung.c_str(), nummer);
            return 1;
        }
        geschichte.Nach_Aktion(was);
        if (o.Geschichte && pruefzufall() % 40 == 0 && !sitzung->form->Geschlossen &&
            geschichte.Pruefbar(*sitzung->form)) {
            waechter.Pause(true);
            const auto unterschiede = geschichte.Pruefe(*sitzung->fenster, *sitzung->form);
            QApplication::processEvents();
            waechter.Pause(false);
            ++pruefungen;
            if (!unterschiede.empty()) {
                std::fprintf(
                    stderr, "AFFE GESCHICHTE bei Aktion %ld: andere Werte als ein frischer Start\n",
                    nummer);
                for (const std::string& zeile : unterschiede) {
                    std::fprintf(stderr, "  %s\n", zeile.substr(0, 400).c_str());
                }
                std::fprintf(stderr, "Wiederholen: %s --aktionen %ld\n", wiederholung.c_str(),
                             nummer);
                return 1;
            }
        }
        if (sitzung->form->Geschlossen) {
            // "ENDE": the user starts the program again on the same folder.
            waechter.Pause(true);
            sitzung.reset();
            sitzung = std::make_unique<Sitzung>(programmdir, dezimal);
            ++starts;
            geschichte.Neustart();
        }
    }
    waechter.Pause(true);
    std::printf("Affe: Seed %llu, %ld Aktionen, %ld Meldungen, %ld Starts in %.1f s\n",
                static_cast<unsigned long long>(o.Seed), nummer, meldungen, starts,
                static_cast<double>(uhr.elapsed()) / 1000.0);
    std::printf("Affe: längste Aktion %s\n", waechter.Spitze().c_str());
    std::printf("Affe: %ld Vergleiche mit einem frischen Start\n", pruefungen);
    std::printf("Affe: %lld Widgets, %lld Fenster\n",
                static_cast<long long>(QApplication::allWidgets().size()),
                static_cast<long long>(QApplication::topLevelWidgets().size()));
    sitzung.reset();
    return 0;
}
