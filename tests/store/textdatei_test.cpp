// Reading text files in their code page and writing them safely.
#include "store/fehler.h"
#include "store/textdatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmark {
namespace {

namespace fs = std::filesystem;

class Textdatei_Test : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string vorlage = (fs::temp_directory_path() / "pelmark-text-XXXXXX").string();
        ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
        ordner = vorlage;
    }
    void TearDown() override {
        fs::permissions(ordner, fs::perms::owner_all);
        fs::remove_all(ordner);
    }
    fs::path Schreibe(const std::string& name, const std::string& bytes) {
        std::ofstream(ordner / name, std::ios::binary) << bytes;
        return ordner / name;
    }
    fs::path ordner;
};

TEST_F(Textdatei_Test, Kodierungen_und_Zeilenenden) {
    const struct {
        const char* Name;
        std::string Bytes;
        Zeilenliste Zeilen;
    } faelle[] = {
        {"Windows-1252 mit Umlaut",
         "Gr\xF6\xDF"
         "e;\x80\r\nx",
         {"Größe;€", "x"}},
        {"Windows-1252, nur ein Umlaut", "\xFC", {"ü"}},
        {"UTF-8 mit BOM", "\xEF\xBB\xBF\xC3\xA4;b\n", {"ä;b"}},
        {"UTF-8, falsches Byte am Ende",
         "\xEF\xBB\xBF"
         "a\xC3\xA4\xFF",
         {"aä\xEF\xBF\xBD"}},
        {"UTF-16 LE", std::string("\xFF\xFE\xE4\x00;\x00\r\x00\n\x00z\x00", 12), {"ä;", "z"}},
        {"UTF-16 BE", std::string("\xFE\xFF\x00\xFC\x00\n\x00y", 8), {"ü", "y"}},
        {"CR allein", "a\rb\rc", {"a", "b", "c"}},
        {"letzte Zeile ohne Ende", "a\r\nb", {"a", "b"}},
        {"Leerzeile bleibt", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"leere Datei", "", {}},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Lies_Textdatei(Schreibe("t.csv", fall.Bytes)), fall.Zeilen) << fall.Name;
    }
}

TEST_F(Textdatei_Test, fehlende_Datei_nennt_Pfad_und_Grund) {
    try {
        Lies_Textdatei(ordner / "fehlt.CSV");
        FAIL() << "keine Meldung";
    } catch (const Fehler& fehler) {
        const std::string erwartet =
            "Datei " + (ordner / "fehlt.CSV").string() + " kann nicht geöffnet werden. ";
        EXPECT_EQ(std::string(fehler.what()).substr(0, erwartet.size()), erwartet);
        EXPECT_GT(std::string(fehler.what()).size(), erwartet.size());
    }
}

TEST_F(Textdatei_Test, schreibt_Windows1252_oder_UTF8_mit_BOM) {
    const Zeilenliste deutsch = {"Größe;Maß", "€"};
    EXPECT_EQ(Passende_Kodierung(deutsch), Kodierung::Windows1252);
    Schreibe_Textdatei(ordner / "a.CSV", deutsch, Kodierung::Windows1252);
    EXPECT_EQ(Lies_Bytes(ordner / "a.CSV"), "Gr\xF6\xDF"
                                            "e;Ma\xDF\r\n\x80\r\n");
    EXPECT_EQ(Lies_Textdatei(ordner / "a.CSV"), deutsch);

    const Zeilenliste griechisch = {"Δp;bar", "ä"};
    EXPECT_EQ(Passende_Kodierung(griechisch), Kodierung::Utf8_mit_BOM);
    Schreibe_Textdatei(ordner / "b.CSV", griechisch, Kodierung::Utf8_mit_BOM);
    EXPECT_EQ(Lies_Textdatei(ordner / "b.CSV"), griechisch);
}

TEST_F(Textdatei_Test, misslungenes_Schreiben_laesst_alte_Datei_ganz) {
    if (::geteuid() == 0) {
        // root writes into read-only folders; use a path whose folder is a file instead
        Schreibe("datei", "x");
        EXPECT_THROW(
            Schreibe_Textdatei(ordner / "datei" / "neu.CSV", {"a"}, Kodierung::Windows1252),
            Fehler);
        return;
    }
    Schreibe("alt.CSV", "alt\r\n");
    fs::permissions(ordner, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(Schreibe_Textdatei(ordner / "alt.CSV", {"neu"}, Kodierung::Windows1252), Fehler);
    fs::permissions(ordner, fs::perms::owner_all);
    EXPECT_EQ(Lies_Bytes(ordner / "alt.CSV"), "alt\r\n");
}

TEST_F(Textdatei_Test, keine_Restdatei_nach_dem_Schreiben) {
    Schreibe_Textdatei(ordner / "c.CSV", {"a", "b"}, Kodierung::Windows1252);
    int anzahl = 0;
    for ([[maybe_unused]] const auto& eintrag : fs::directory_iterator(ordner)) {
        ++anzahl;
    }
    EXPECT_EQ(anzahl, 1);
}

} // namespace
} // namespace pelmark
