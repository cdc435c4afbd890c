#pragma once
// The value types of the form model: one small value per control kind. The Qt
// layer shows them; the scenario runner prints them.

#include "form/herkunft.h"
#include "grid/testringgrid.h"

#include <string>
#include <vector>

namespace pelmark {

// Single-line edit field.
struct Edit {
    std::string Text;
    bool ReadOnly = false;
    bool Name_als_Text = false; // placeholder: the control's own name
    Herkunft Quelle;            // the cells the text comes from, if any

    static Edit Ausgabe() { return {"", true, true, {}}; }
    static Edit Ausgabe(std::string text) { return {std::move(text), true, false, {}}; }
    static Edit Eingabe() { return {"", false, true, {}}; }
    static Edit Eingabe(std::string text) { return {std::move(text), false, false, {}}; }
};

// List box or combo box: the entries and the selected index (-1 for none).
struct Liste {
    std::vector<std::string> Items;
    int ItemIndex = -1;
    bool Combo = false;
    std::string Text; // typed text of a combo box with no selection

    static Liste Listbox() { return {}; }
    static Liste Combobox() { return {{}, -1, true, ""}; }

    void Clear() {
        Items.clear();
        ItemIndex = -1;
    }
    void Add(std::string eintrag) { Items.push_back(std::move(eintrag)); }
    int Count() const { return static_cast<int>(Items.size()); }
    // The selected entry's text, or the empty text.
    std::string Auswahltext() const {
        return ItemIndex >= 0 && ItemIndex < Count() ? Items[static_cast<size_t>(ItemIndex)]
                                                     : (Combo ? Text : std::string());
    }
};

// Radio button or check box.
// Radio buttons of one group share a group name; switching one on switches
// the others off.
struct Schalter {
    bool Checked = false;
    bool Radio = true;
    const char* Gruppe = "";
};

// Label: one line of text.
struct Beschriftung {
    std::string Caption;
    bool Name_als_Text = false;

    static Beschriftung Text(std::string text) { return {std::move(text), false}; }
    static Beschriftung Name() { return {"", true}; }
};

// Static multi-line text block.
struct Textblock {
    std::vector<std::string> Lines;
};

// String grid.
// String grid; both grids of the window have a fixed top row and no fixed column.
struct Gitter {
    TEStringGrid Grid;

    static Gitter Ohne_feste_Spalte(int spaltenbreite = 64, bool zeilenauswahl = false) {
        Gitter g;
        g.Grid.Zeilenauswahl = zeilenauswahl;
        g.Grid.FixedCols = 0;
        g.Grid.DefaultColWidth = spaltenbreite;
        g.Grid.ColWidths.assign(g.Grid.ColWidths.size(), spaltenbreite);
        return g;
    }
};

// Picture: the file it shows and its size in pixels.
struct Bild {
    std::string Datei;
    int Breite = 0;
    int Hoehe = 0;
};

// File-open dialog: its filter ("description|pattern") and start folder.
struct Dateidialog {
    std::string Filter;
    std::string InitialDir;
};

// Button: only clicks.
struct Knopf {};

// Information window with its rich-text field.
struct Infofenster {
    enum class Zustand { zu, offen, modal };
    Zustand Status = Zustand::zu;
    std::string Dokument; // file name in the data directory
    Textblock E_Infotext; // plain text of the document, paragraph by paragraph
    std::string Html;     // the same document with its formatting
    Knopf BitBtn1;        // closes the window
};

// Folder browser of the tables page: drive, folder and file lists.
struct Ordnerliste {
    std::string Pfad;               // the folder shown, with trailing separator
    std::vector<std::string> Items; // sub-folders or files
    int ItemIndex = -1;
    std::string Maske; // file mask ("*.CSV") of a file list
};

} // namespace pelmark
