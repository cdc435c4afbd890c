#include "app/wiederherstellung.h"

#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "app/tabellenseite.h"
#include "app/ungesicherte_tabelle.h"
#include "store/textdatei.h"

#include <algorithm>

namespace pelmark {

namespace fs = std::filesystem;

namespace {

constexpr const char* Kennung = "Pelmark: ungespeicherte Tabelle";

std::string Zelle_schreiben(const std::string& zelle) {
    std::string text;
    for (const char c : zelle) {
        if (c == ';' || c == '\\') {
            text += '\\';
        }
        text += c;
    }
    return text;
}

std::vector<std::string> Zeile_lesen(const std::string& zeile) {
    std::vector<std::string> zellen(1);
    for (size_t i = 0; i < zeile.size(); ++i) {
        if (zeile[i] == '\\' && i + 1 < zeile.size()) {
            zellen.back() += zeile[++i];
        } else if (zeile[i] == ';') {
            zellen.emplace_back();
        } else {
            zellen.back() += zeile[i];
        }
    }
    return zellen;
}

// The kept grid in edit mode, as the table page shows a table read for editing.
void Zeige_gerettet(Mainform& f, const Gerettete_Tabelle& gerettet) {
    const fs::path pfad(gerettet.Pfad);
    std::error_code fehler;
    if (fs::is_directory(pfad.parent_path(), fehler)) {
        Tabellenordner_setzen(f, pfad.parent_path().string());
    }
    auto& dateien = f.maske.FileListBox1;
    const auto gefunden =
        std::find(dateien.Items.begin(), dateien.Items.end(), pfad.filename().string());
    dateien.ItemIndex =
        gefunden != dateien.Items.end() ? static_cast<int>(gefunden - dateien.Items.begin()) : -1;
    f.maske.CB_Edit.Checked = true;
    Sicher_ausfuehren(f, [&] { Freie_Tabelle_laden(f); });
    // The table as its file holds it stays the saved state; the kept cells
    // are the edits.
    f.Freie_Tabelle.Pfad = gerettet.Pfad;
    f.Freie_Tabelle.Editmodus = true;
    auto& g = f.maske.SG_Tabellen.Grid;
    g.SetFixedRows(0);
    g.SetColCount(gerettet.Gitter.ColCount());
    g.SetRowCount(gerettet.Gitter.RowCount());
    for (int r = 0; r < g.RowCount(); ++r) {
        for (int c = 0; c < g.ColCount(); ++c) {
            g.SetCell(c, r, gerettet.Gitter.Cell(c, r));
        }
    }
    g.Editierbar = true;
    g.Zeilenauswahl = false;
    g.Row = std::clamp(g.Row, 0, g.RowCount() - 1);
}

} // namespace

fs::path Wiederherstellungsdatei(const Mainform& f) {
    return fs::path(f.Datendir) / "Wiederherstellung.txt";
}

std::vector<std::string> Wiederherstellung_zeilen(const Mainform& f) {
    std::vector<std::string> zeilen{Kennung, f.Freie_Tabelle.Pfad};
    const auto& g = f.maske.SG_Tabellen.Grid;
    for (int r = 0; r < g.RowCount(); ++r) {
        std::string zeile;
        for (int c = 0; c < g.ColCount(); ++c) {
            zeile += (c > 0 ? ";" : "") + Zelle_schreiben(g.Cell(c, r));
        }
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}

std::optional<Gerettete_Tabelle> Wiederherstellung_lesen(const std::vector<std::string>& zeilen) {
    if (zeilen.size() < 3 || zeilen[0] != Kennung || zeilen[1].empty()) {
        return std::nullopt;
    }
    Gerettete_Tabelle gerettet{zeilen[1], TEStringGrid(1, 1)};
    std::vector<std::vector<std::string>> reihen;
    size_t spalten = 1;
    for (size_t i = 2; i < zeilen.size(); ++i) {
        reihen.push_back(Zeile_lesen(zeilen[i]));
        spalten = std::max(spalten, reihen.back().size());
    }
    auto& g = gerettet.Gitter;
    g.FixedRows = 0;
    g.SetColCount(static_cast<int>(spalten));
    g.SetRowCount(static_cast<int>(reihen.size()));
    for (size_t r = 0; r < reihen.size(); ++r) {
        for (size_t c = 0; c < reihen[r].size(); ++c) {
            g.SetCell(static_cast<int>(c), static_cast<int>(r), reihen[r][c]);
        }
    }
    return gerettet;
}

void Beenden_von_aussen(Mainform& f) {
    if (f.Geschlossen) {
        return;
    }
    if (Tabelle_geaendert(f)) {
        Sicher_ausfuehren(f, [&] {
            // The data directory may be gone; it is made again silently, as
            // nobody is there to read the close's announcement.
            std::error_code fehler;
            fs::create_directories(f.Datendir, fehler);
            const auto zeilen = Wiederherstellung_zeilen(f);
            Schreibe_Textdatei(Wiederherstellungsdatei(f), zeilen, Passende_Kodierung(zeilen));
        });
    }
    FormClose(f);
}

bool Wiederherstellung_anbieten(Mainform& f) {
    const fs::path datei = Wiederherstellungsdatei(f);
    std::error_code fehler;
    if (!fs::is_regular_file(datei, fehler)) {
        return false;
    }
    std::optional<Gerettete_Tabelle> gerettet;
    Sicher_ausfuehren(f, [&] { gerettet = Wiederherstellung_lesen(Lies_Textdatei(datei)); });
    if (!gerettet) {
        return false;
    }
    const Antwort antwort = f.Plattform.Frage(
        Frageart::wiederherstellen, "Pelmark",
        "Pelmark wurde beendet, bevor die Änderungen an der Tabelle " + gerettet->Pfad +
            " gespeichert waren. Sollen sie wiederhergestellt werden?");
    if (antwort == Antwort::abbrechen) {
        return false;
    }
    if (antwort == Antwort::ja) {
        Zeige_gerettet(f, *gerettet);
    }
    fs::remove(datei, fehler);
    return antwort == Antwort::ja;
}

} // namespace pelmark
