#include "szenario/geschichte.h"

#include "szenario/zustand.h"

#include <algorithm>
#include <array>

namespace pelmark {

namespace {

using Ausfuehren = std::function<void(const std::string&)>;

// The lists a user picks from, in the order a fresh start picks them: a
// list before the lists it refills or couples (the nominal-size link through
// LB_AD1, the section kind before its sizes, the quantity before its units).
constexpr std::array<const char*, 13> Listenfolge = {
    "LB_AD1",     "LB_AD2",       "LB_WD_Reihe",   "LB_Radius",    "LB_PN",
    "LB_PN1",     "LB_PN2",       "LB_Temperatur", "LB_Profilart", "LB_Profil",
    "LB_Massart", "LB_Quellmass", "LB_Zielmass"};

// The sections page starts with the kind's caption "Winkel gleichschenkelig"
// and no picture; once a kind has been shown, a refill to the first kind shows
// its list caption and picture. Both name the same kind, so they are not
// compared.
const std::set<std::string> Startbild_des_Profils = {"L_Profilart", "P_Profilart"};

// Not values: the style, the folder browser, the windows and dialogs.
bool Kein_Wert(const std::string& name) {
    static const std::set<std::string> namen = {"CB_Style",       "L_Style",
                                                "DriveComboBox1", "DirectoryListBox1",
                                                "DLG_Bild_Laden", "L_Gespeichert"};
    return namen.count(name) != 0 || name.rfind("F_", 0) == 0 ||
           Startbild_des_Profils.count(name) != 0;
}

const Edit* Editfeld(const Mainform& f, const std::string& name) {
    const Feldzeiger* feld = f.maske.Finde(name);
    const auto* edit = feld ? std::get_if<Edit*>(feld) : nullptr;
    return edit ? *edit : nullptr;
}

const Liste& Liste_von(const Mainform& f, const char* name) {
    return *std::get<Liste*>(*f.maske.Finde(name));
}

// Radio buttons and check boxes where the fresh start differs (the standard
// and the free table's edit switch have their own step).
void Schalter_setzen(const Mainform& ziel, const Mainform& frisch,
                     const std::function<void(std::string)>& tu) {
    for (const auto& [name, feld] : ziel.maske.Felder()) {
        const auto* schalter = std::get_if<Schalter*>(&feld);
        if (schalter == nullptr || name == "CB_Edit" || name == "RB_DIN_Rohr" ||
            name == "RB_ANSI_Rohr") {
            continue;
        }
        const bool frisch_an = std::get<Schalter*>(*frisch.maske.Finde(name))->Checked;
        if ((*schalter)->Checked != frisch_an && ((*schalter)->Checked || !(*schalter)->Radio)) {
            tu("klick " + name);
        }
    }
}

// The free table: the same file, the edits made to it, the edit switch.
void Tabelle_setzen(const Mainform& ziel, const Benutzereingaben& e, const Mainform& frisch,
                    const std::function<void(std::string)>& tu) {
    const auto& m = ziel.maske;
    if (m.FileListBox1.ItemIndex >= 0 &&
        m.FileListBox1.ItemIndex != frisch.maske.FileListBox1.ItemIndex) {
        tu("waehle FileListBox1 " + std::to_string(m.FileListBox1.ItemIndex));
    }
    if ((!e.Zellen().empty() || m.CB_Edit.Checked) && !frisch.maske.CB_Edit.Checked) {
        tu("klick CB_Edit");
    }
    for (const auto& [zelle, text] : e.Zellen()) {
        tu("zelle SG_Tabellen " + std::to_string(zelle.first) + " " + std::to_string(zelle.second) +
           " " + text);
    }
    if (!m.CB_Edit.Checked && frisch.maske.CB_Edit.Checked) {
        tu("klick CB_Edit");
    }
}

} // namespace

void Benutzereingaben::Getippt(const std::string& name, const std::string& text) {
    std::erase_if(getippt_, [&](const auto& eintrag) { return eintrag.first == name; });
    getippt_.emplace_back(name, text);
    ohne_enter_.insert(name);
    nicht_verlassen_.insert(name);
}

void Benutzereingaben::Zeile_gewaehlt(const std::string& name) {
    nicht_verlassen_.insert(name);
}

void Benutzereingaben::Enter(const std::string& name) {
    ohne_enter_.erase(name);
}

void Benutzereingaben::Verlassen(const std::string& name) {
    nicht_verlassen_.erase(name);
}

void Benutzereingaben::Zelle(int spalte, int zeile, const std::string& text) {
    zellen_[{spalte, zeile}] = text;
}

void Benutzereingaben::Tabelle_gewechselt() {
    zellen_.clear();
}

void Benutzereingaben::Neustart() {
    getippt_.clear();
    ohne_enter_.clear();
    nicht_verlassen_.clear();
    zellen_.clear();
}

std::vector<std::pair<std::string, std::string>>
Benutzereingaben::Eingaben(const Mainform& f) const {
    std::vector<std::pair<std::string, std::string>> noch;
    // Each with the text it shows now: the flow panel rewrites the field
    // typed last with the value its rounded partners give, and a refill puts
    // the defaults back.
    for (const auto& [name, text] : getippt_) {
        // A field that has since become a result (the steam panel's fixed
        // value) is no input any more.
        if (const Edit* edit = Editfeld(f, name); edit != nullptr && !edit->ReadOnly) {
            noch.emplace_back(name, edit->Text);
        }
    }
    return noch;
}

std::vector<std::string> Abschlusszeilen(const Mainform& f, const Benutzereingaben& e) {
    std::vector<std::string> zeilen;
    for (const auto& [name, text] : e.Eingaben(f)) {
        if (e.Ohne_Enter(name)) {
            zeilen.push_back("taste " + name + " 13");
        }
        if (e.Nicht_verlassen(name)) {
            zeilen.push_back("verlasse " + name);
        }
    }
    if (e.Nicht_verlassen("SG_Material")) {
        zeilen.emplace_back("verlasse SG_Material");
    }
    return zeilen;
}

std::vector<std::string> Auf_Endstand_bringen(const Mainform& ziel, const Benutzereingaben& e,
                                              const Mainform& frisch, const Ausfuehren& ausfuehren,
                                              bool mit_dateien) {
    const auto& m = ziel.maske;
    std::vector<std::string> zeilen;
    const std::function<void(std::string)> tu = [&](std::string zeile) {
        zeilen.push_back(std::move(zeile));
        ausfuehren(zeilen.back());
    };
    if (m.RB_ANSI_Rohr.Checked) {
        tu("klick RB_ANSI_Rohr");
    }
    for (const char* name : Listenfolge) {
        const int index = Liste_von(ziel, name).ItemIndex;
        if (index >= 0 && index != Liste_von(frisch, name).ItemIndex) {
            tu(std::string("waehle ") + name + " " + std::to_string(index));
        }
    }
    Schalter_setzen(ziel, frisch, tu);
    const TEStringGrid& material = m.SG_Material.Grid;
    if (material.Row != frisch.maske.SG_Material.Grid.Row && material.Row >= material.FixedRows &&
        material.Row < material.RowCount()) {
        tu("waehle SG_Material " + std::to_string(material.Row));
        tu("verlasse SG_Material");
    }
    if (mit_dateien) {
        Tabelle_setzen(ziel, e, frisch, tu);
    }
    // An input that shows a value the program wrote (the steam panel's
    // field that became the fixed one) counts with that value.
    const auto eingaben = e.Eingaben(ziel);
    for (const auto& [feldname, feld] : m.Felder()) {
        const std::string& name = feldname; // a lambda may not take a structured binding
        const auto* edit = std::get_if<Edit*>(&feld);
        const bool getippt =
            std::any_of(eingaben.begin(), eingaben.end(),
                        [&](const auto& eingabe) { return eingabe.first == name; });
        if (edit == nullptr || (*edit)->ReadOnly || getippt || name.rfind("F_", 0) == 0 ||
            Editfeld(frisch, name)->ReadOnly || Editfeld(frisch, name)->Text == (*edit)->Text) {
            continue;
        }
        tu("setze " + name + " " + (*edit)->Text);
        tu("taste " + name + " 13");
        tu("verlasse " + name);
    }
    for (const auto& [name, text] : eingaben) {
        tu("setze " + name + " " + text);
        tu("taste " + name + " 13");
        tu("verlasse " + name);
    }
    return zeilen;
}

std::vector<std::string> Wertunterschiede(const Mainform& a, const Mainform& b, bool mit_dateien) {
    static const std::set<std::string> dateien = {"SG_Tabellen", "FileListBox1", "CB_Edit",
                                                  "Image1"};
    std::vector<std::string> unterschiede;
    for (const auto& [name, feld] : a.maske.Felder()) {
        if (Kein_Wert(name) || (!mit_dateien && dateien.count(name) != 0)) {
            continue;
        }
        std::vector<std::string> namen = {name};
        if (const auto* edit = std::get_if<Edit*>(&feld)) {
            // The reason behind a "-" belongs to results. A field the user
            // types into is compared by its text: the flow panel's three
            // fields are inputs and results at once, and which of them was
            // computed depends on the order they were typed in.
            if ((*edit)->ReadOnly) {
                namen.push_back(name + ".quelle");
            }
        } else if (std::holds_alternative<Liste*>(feld)) {
            namen.push_back(name + ".eintraege");
        }
        for (const std::string& n : namen) {
            const std::string wa = Zustand(a, n).value_or("");
            const std::string wb = Zustand(b, n).value_or("");
            if (wa != wb) {
                unterschiede.push_back(n + ": «" + wa + "» / «" + wb + "»");
            }
        }
    }
    return unterschiede;
}

} // namespace pelmark
