// Faults of the machine: a read-only program folder, a full disk, tables
// deleted or cut short while the program runs, two processes saving the same
// free table. Each ends with a clear message or a whole file, never a
// corrupted one. The folder tests mount a small tmpfs (root only; skipped
// with a message otherwise).
#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "grid/testringgrid.h"
#include "szenario/rekorder.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace pelmark {
namespace {

namespace fs = std::filesystem;

std::string Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

void Schreibe(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

// A private program folder holding a copy of the test tables, optionally on
// its own small tmpfs (unmounted again at the end).
struct Ordner {
    fs::path Pfad;
    bool Eingehaengt = false;

    explicit Ordner(bool eigenes_dateisystem) {
        std::string vorlage = (fs::temp_directory_path() / "pelmark-fehler-XXXXXX").string();
        if (::mkdtemp(vorlage.data()) == nullptr) {
            std::abort();
        }
        Pfad = vorlage;
        if (eigenes_dateisystem) {
            Eingehaengt = ::mount("tmpfs", vorlage.c_str(), "tmpfs", 0, "size=1m") == 0;
        }
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(fs::path(PELMARK_TESTDATEN) / teil, Pfad / teil, fs::copy_options::recursive);
        }
    }
    ~Ordner() {
        if (Eingehaengt) {
            ::umount2(Pfad.c_str(), MNT_DETACH);
        }
        std::error_code fehler;
        fs::remove_all(Pfad, fehler);
    }
    // Read-only: remounted so, since root may write into any folder.
    bool Nur_lesen() {
        return ::mount(nullptr, Pfad.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    bool Beschreibbar() {
        return ::mount(nullptr, Pfad.c_str(), nullptr, MS_REMOUNT, nullptr) == 0;
    }
};

struct Programm {
    Rekorder rekorder;
    std::unique_ptr<Mainform> f;

    explicit Programm(const fs::path& ordner) {
        f = std::make_unique<Mainform>(rekorder, ordner.string() + "/", '.');
        Programmstart(*f);
        FormCreate(*f);
        FormActivate(*f);
        Timer1Timer(*f); // the first free table is loaded
    }
    std::string Letzte_Meldung() const {
        return rekorder.Meldungen.empty() ? "" : rekorder.Meldungen.back().Text;
    }
    // Edit mode, one cell changed, "Editierte Tabelle Speichern".
    void Speichere(const std::string& zelle) {
        f->maske.CB_Edit.Checked = true;
        Loese_aus(*f, "CB_Edit", Ereignis::Klick);
        f->maske.SG_Tabellen.Grid.SetCell(0, 1, zelle);
        Loese_aus(*f, "B_Speichern", Ereignis::Klick);
    }
};

bool Reste(const fs::path& ordner) {
    for (const auto& e : fs::directory_iterator(ordner)) {
        if (e.path().filename().string().find(".tmp") != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(Maschinenfehler, Schreibgeschuetzter_und_voller_Programmordner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to mount a tmpfs";
    }
    for (const bool voll : {false, true}) {
        Ordner ordner(true);
        if (!ordner.Eingehaengt) {
            GTEST_SKIP() << "tmpfs cannot be mounted here";
        }
        Programm p(ordner.Pfad);
        p.Speichere("vorher");
        // A free table is saved into the folder it was opened from.
        const fs::path tabelle = ordner.Pfad / "InfoTabellen" / "Anzugsmomente.CSV";
        const std::string vorher = Inhalt(tabelle);
        const std::string stil = Inhalt(ordner.Pfad / "Daten" / "Style.INI");
        ASSERT_FALSE(vorher.empty());
        if (voll) {
            std::ofstream fueller(ordner.Pfad / "fueller", std::ios::binary);
            const std::string block(4096, 'x');
            while (fueller.write(block.data(), block.size())) {
            }
        } else {
            ASSERT_TRUE(ordner.Nur_lesen());
        }
        p.Speichere("nachher");
        EXPECT_EQ(p.Letzte_Meldung().rfind(
                      "Die Datei " + tabelle.string() + " konnte nicht geschrieben werden: ", 0),
                  0u)
            << p.Letzte_Meldung();
        EXPECT_EQ(Inhalt(tabelle), vorher);
        FormClose(*p.f);
        EXPECT_NE(p.Letzte_Meldung().find("Style.INI konnte nicht geschrieben werden"),
                  std::string::npos)
            << p.Letzte_Meldung();
        EXPECT_EQ(Inhalt(ordner.Pfad / "Daten" / "Style.INI"), stil);
        EXPECT_FALSE(Reste(ordner.Pfad / "Daten"));
        EXPECT_FALSE(Reste(ordner.Pfad / "InfoTabellen"));
        ordner.Beschreibbar();
    }
}

// A table removed or cut short in the middle of a line while the program
// runs: the next load either shows the program's message or reads what is
// there; it never crashes.
TEST(Maschinenfehler, Tabelle_weg_oder_gekuerzt) {
    const struct {
        const char* Datei;
        bool Loeschen;
        const char* Meldungsanfang; // "" for none
    } faelle[] = {
        {"Daten/P_Din.CSV", true, "Datei "},          {"Daten/P_Din.CSV", false, ""},
        {"Daten/Massumrechnung.CSV", false, ""},      {"Daten/Material.CSV", false, ""},
        {"InfoTabellen/Anzugsmomente.CSV", true, ""}, {"InfoTabellen/Anzugsmomente.CSV", false, ""},
    };
    for (const auto& fall : faelle) {
        Ordner ordner(false);
        Programm p(ordner.Pfad);
        const fs::path datei = ordner.Pfad / fall.Datei;
        if (fall.Loeschen) {
            fs::remove(datei);
        } else {
            const std::string bytes = Inhalt(datei);
            Schreibe(datei, bytes.substr(0, bytes.size() / 2 + 1));
        }
        p.rekorder.Meldungen.clear();
        FormActivate(*p.f);
        Loese_aus(*p.f, "FileListBox1", Ereignis::Aenderung);
        const std::string meldung = p.Letzte_Meldung();
        if (*fall.Meldungsanfang != '\0') {
            EXPECT_EQ(meldung.rfind(fall.Meldungsanfang, 0), 0u) << fall.Datei << ": " << meldung;
        }
        for (const auto& m : p.rekorder.Meldungen) {
            EXPECT_EQ(m.Text.find("::"), std::string::npos) << fall.Datei << ": " << m.Text;
        }
    }
}

// Two processes save the same free table over and over while a third reads
// it: every read and the end result is one of the two tables, whole.
TEST(Maschinenfehler, Zwei_Prozesse_speichern_dieselbe_Tabelle) {
    Ordner ordner(false);
    const fs::path datei = ordner.Pfad / "Daten" / "Frei.CSV";
    // What each process writes, taken before either starts: read later, the
    // other one's save could already stand there.
    std::vector<TEStringGrid> gitter;
    std::string erwartet[2];
    for (int k = 0; k < 2; ++k) {
        TEStringGrid& g = gitter.emplace_back(3, 400 + 100 * k);
        for (int r = 0; r < g.RowCount(); ++r) {
            g.SetCell(0, r, std::to_string(k));
            g.SetCell(2, r, std::string(20, static_cast<char>('a' + k)));
        }
        g.SaveToFile(datei);
        erwartet[k] = Inhalt(datei);
    }
    pid_t kinder[2];
    for (int k = 0; k < 2; ++k) {
        kinder[k] = ::fork();
        ASSERT_GE(kinder[k], 0);
        if (kinder[k] == 0) {
            for (int i = 0; i < 200; ++i) {
                gitter[static_cast<size_t>(k)].SaveToFile(datei);
            }
            std::_Exit(0);
        }
    }
    int ganze = 0;
    for (int i = 0; i < 500; ++i) {
        const std::string gelesen = Inhalt(datei);
        EXPECT_TRUE(gelesen == erwartet[0] || gelesen == erwartet[1]) << gelesen.size();
        ganze += gelesen == erwartet[0] || gelesen == erwartet[1];
    }
    for (const pid_t kind : kinder) {
        int status = 0;
        ::waitpid(kind, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(ganze, 500);
    const std::string ende = Inhalt(datei);
    EXPECT_TRUE(ende == erwartet[0] || ende == erwartet[1]);
    EXPECT_FALSE(Reste(ordner.Pfad / "Daten"));
}

} // namespace
} // namespace pelmark
