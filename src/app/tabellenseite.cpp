// The tables page: a drive, folder and file list linked in a chain, the grid
// SG_Tabellen showing the chosen free table, and saving an edited table into
// its folder. In view mode row 0 is the fixed headings line; in edit
// mode row 0 is the line of column widths and every cell can be changed.
// A table is saved back into the folder it was opened from.

#include "app/tabellenseite.h"

#include "app/handler.h"
#include "app/ungesicherte_tabelle.h"
#include "grid/kopfsortierung.h"
#include "store/zahlen.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace pelmark {

namespace fs = std::filesystem;

namespace {

std::string Mit_Trenner(std::string pfad) {
    if (pfad.empty() || pfad.back() != '/') {
        pfad += '/';
    }
    return pfad;
}

// The folder above a folder with trailing separator; the root stays.
std::string Elternordner(const std::string& ordner) {
    std::string ohne = ordner;
    while (ohne.size() > 1 && ohne.back() == '/') {
        ohne.pop_back();
    }
    return Mit_Trenner(fs::path(ohne).parent_path().string());
}

// A file mask of "*" and "?", letters compared without regard to case.
bool Passt_zur_Maske(std::string_view name, std::string_view maske) {
    if (maske.empty()) {
        return name.empty();
    }
    if (maske.front() == '*') {
        for (size_t i = 0; i <= name.size(); ++i) {
            if (Passt_zur_Maske(name.substr(i), maske.substr(1))) {
                return true;
            }
        }
        return false;
    }
    if (name.empty()) {
        return false;
    }
    const auto n = static_cast<unsigned char>(name.front());
    const auto m = static_cast<unsigned char>(maske.front());
    return (m == '?' || std::toupper(n) == std::toupper(m)) &&
           Passt_zur_Maske(name.substr(1), maske.substr(1));
}

// The sub-folders (ordner) or the files matching the mask, sorted by name.
std::vector<std::string> Eintraege(const std::string& pfad, bool ordner, const std::string& maske) {
    std::vector<std::string> namen;
    std::error_code fehler;
    for (fs::directory_iterator it(pfad, fehler), ende; !fehler && it != ende;
         it.increment(fehler)) {
        const std::string name = it->path().filename().string();
        std::error_code art;
        if (ordner ? it->is_directory(art)
                   : it->is_regular_file(art) && Passt_zur_Maske(name, maske)) {
            namen.push_back(name);
        }
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

// The drive list; the entry is the drive the folder lies on.
void Laufwerke_zeigen(Mainform& f, const std::string& ordner) {
    auto& box = f.maske.DriveComboBox1;
    box.Clear();
    size_t laengste = 0;
    for (const auto& laufwerk : f.Plattform.Laufwerke()) {
        const std::string wurzel = Mit_Trenner(laufwerk);
        box.Add(wurzel);
        if (ordner.starts_with(wurzel) && wurzel.size() > laengste) {
            laengste = wurzel.size();
            box.ItemIndex = box.Count() - 1;
        }
    }
}

const std::string* Gewaehlte_Datei(const Ordnerliste& liste) {
    const auto anzahl = static_cast<int>(liste.Items.size());
    return liste.ItemIndex >= 0 && liste.ItemIndex < anzahl
               ? &liste.Items[static_cast<size_t>(liste.ItemIndex)]
               : nullptr;
}

// A width field that is a whole number sets its column's width.
void Breiten_uebernehmen(TEStringGrid& g) {
    g.ColWidths.resize(static_cast<size_t>(g.ColCount()), g.DefaultColWidth);
    for (int c = 0; c < g.ColCount(); ++c) {
        if (const auto breite = Lies_Ganzzahl(g.Cell(c, 0))) {
            g.ColWidths[static_cast<size_t>(c)] = *breite;
        }
    }
}

void Aktuelle_Zeile_begrenzen(TEStringGrid& g) {
    g.Row = std::clamp(g.Row, g.FixedRows, g.RowCount() - 1);
}

// View mode: the widths line is dropped and the headings line becomes the
// fixed row. A one-line file cannot fix a row: the toolkit's error ends here.
void Ansichtsmodus(TEStringGrid& g) {
    if (g.RowCount() >= 2) {
        for (int r = 1; r < g.RowCount(); ++r) {
            for (int c = 0; c < g.ColCount(); ++c) {
                g.SetCell(c, r - 1, g.Cell(c, r));
            }
        }
    }
    g.SetFixedRows(1);
    g.DeleteLine(g.RowCount() - 1);
    g.Editierbar = false;
    g.Zeilenauswahl = true;
}

} // namespace

void Tabellenordner_setzen(Mainform& f, const std::string& ordner) {
    const std::string pfad = Mit_Trenner(ordner);
    auto& verzeichnis = f.maske.DirectoryListBox1;
    auto& dateien = f.maske.FileListBox1;
    const std::string* alte_wahl = Gewaehlte_Datei(dateien);
    const std::string behalten = alte_wahl && dateien.Pfad == pfad ? *alte_wahl : "";

    verzeichnis.Pfad = pfad;
    verzeichnis.Items = Eintraege(pfad, true, "");
    if (pfad != "/") {
        verzeichnis.Items.insert(verzeichnis.Items.begin(), "..");
    }
    verzeichnis.ItemIndex = -1;

    dateien.Pfad = pfad;
    dateien.Items = Eintraege(pfad, false, dateien.Maske.empty() ? "*" : dateien.Maske);
    const auto gefunden = std::find(dateien.Items.begin(), dateien.Items.end(), behalten);
    dateien.ItemIndex = !behalten.empty() && gefunden != dateien.Items.end()
                            ? static_cast<int>(gefunden - dateien.Items.begin())
                            : -1;
    Laufwerke_zeigen(f, pfad);
}

namespace {

// After a question answered "cancel": the lists show the folder and the
// file of the table that stays.
void Gezeigte_Tabelle_waehlen(Mainform& f) {
    auto& dateien = f.maske.FileListBox1;
    const fs::path pfad(f.Freie_Tabelle.Pfad);
    Tabellenordner_setzen(f, Mit_Trenner(pfad.parent_path().string()));
    const auto gefunden =
        std::find(dateien.Items.begin(), dateien.Items.end(), pfad.filename().string());
    dateien.ItemIndex =
        gefunden != dateien.Items.end() ? static_cast<int>(gefunden - dateien.Items.begin()) : -1;
}

} // namespace

void DriveComboBox1Change(Mainform& f) {
    const std::string laufwerk = f.maske.DriveComboBox1.Auswahltext();
    if (!Aenderungen_klaeren(f)) {
        Gezeigte_Tabelle_waehlen(f);
        return;
    }
    if (!laufwerk.empty()) {
        Tabellenordner_setzen(f, laufwerk);
    }
}

void DirectoryListBox1Change(Mainform& f) {
    const auto& verzeichnis = f.maske.DirectoryListBox1;
    const std::string* eintrag = Gewaehlte_Datei(verzeichnis);
    if (eintrag == nullptr) {
        return;
    }
    const std::string ziel =
        *eintrag == ".." ? Elternordner(verzeichnis.Pfad) : verzeichnis.Pfad + *eintrag + "/";
    if (!Aenderungen_klaeren(f)) {
        Gezeigte_Tabelle_waehlen(f);
        return;
    }
    Tabellenordner_setzen(f, ziel);
}

void Freie_Tabelle_laden(Mainform& f) {
    f.maske.L_Gespeichert.Caption.clear();
    auto& g = f.maske.SG_Tabellen.Grid;
    const auto& dateien = f.maske.FileListBox1;
    const std::string* datei = Gewaehlte_Datei(dateien);
    const std::string pfad = datei ? dateien.Pfad + *datei : std::string();
    const bool editmodus = f.maske.CB_Edit.Checked;
    // Whatever the load reaches, even when it ends with an error, is the
    // table as read: edits are counted from there.
    struct Merker {
        Mainform& f;
        const std::string& pfad;
        bool editmodus;
        ~Merker() { Tabellenstand_merken(f, pfad, editmodus); }
    } merker{f, pfad, editmodus};
    g.FixedCols = 0;
    g.Clear();
    g.LoadFromFile(datei ? fs::path(pfad) : fs::path());
    if (datei == nullptr) {
        return;
    }
    g.SetFixedRows(0);
    Breiten_uebernehmen(g);
    if (editmodus) {
        g.Editierbar = true;
        g.Zeilenauswahl = false;
    } else {
        Ansichtsmodus(g);
    }
    Aktuelle_Zeile_begrenzen(g);
}

void FileListBox1Change(Mainform& f) {
    if (!Aenderungen_klaeren(f)) {
        Gezeigte_Tabelle_waehlen(f);
        return;
    }
    Freie_Tabelle_laden(f);
}

void CB_EditClick(Mainform& f) {
    if (!Aenderungen_klaeren(f)) {
        f.maske.CB_Edit.Checked = f.Freie_Tabelle.Editmodus;
        return;
    }
    Freie_Tabelle_laden(f);
}

void B_SpeichernClick(Mainform& f) {
    f.maske.L_Gespeichert.Caption.clear();
    if (!f.maske.CB_Edit.Checked) {
        Zeige_Hinweis(f, Meldungsart::hinweis, "Es kann nur im Editmodus gespeichert werden");
        return;
    }
    const std::string* datei = Gewaehlte_Datei(f.maske.FileListBox1);
    if (datei == nullptr) {
        Zeige_Hinweis(f, Meldungsart::hinweis, "Es ist keine Datei ausgewählt");
        return;
    }
    // Into the folder the table was opened from, so the saved table is the
    // one shown again, and no stray copy lands beside the reference tables.
    const std::string pfad = f.maske.FileListBox1.Pfad + *datei;
    Tabelle_schreiben(f, pfad);
    f.maske.SG_Tabellen.Grid.Clear();
    Freie_Tabelle_laden(f);
    f.maske.L_Gespeichert.Caption = "Gespeichert in " + pfad;
}

void SG_Tabellen_Spaltenkopf(Mainform& f, int spalte) {
    auto& g = f.maske.SG_Tabellen.Grid;
    const int erste = f.maske.CB_Edit.Checked ? 2 : g.FixedRows;
    for (const Gittermeldung& meldung : Nach_Spalte_sortieren(g, spalte, erste)) {
        const Meldungsart art = meldung.Stufe == Gittermeldung::Art::warnung ? Meldungsart::warnung
                                : meldung.Stufe == Gittermeldung::Art::information
                                    ? Meldungsart::information
                                    : Meldungsart::hinweis;
        Zeige_Hinweis(f, art, meldung.Text);
    }
}

} // namespace pelmark
