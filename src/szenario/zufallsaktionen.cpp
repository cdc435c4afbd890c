#include "szenario/zufallsaktionen.h"

#include "store/text.h"
#include "store/zahlen.h"
#include "szenario/skriptzeile.h"

#include <array>
#include <vector>

namespace pelmark {

namespace {

// Every list the user can pick from, the partners of the links included.
constexpr std::array<const char*, 19> Listen = {
    "LB_AD1",     "LB_AD2",          "LB_WD_Reihe",   "LB_Radius",      "LB_PN",
    "LB_PN1",     "LB_PN2",          "LB_Temperatur", "LB_Profilart",   "LB_Profil",
    "LB_Massart", "LB_Quellmass",    "LB_Zielmass",   "LB_DN1",         "LB_DN2",
    "LB_NW",      "LB_Armaturen_NW", "LB_Lager_NW",   "LB_Armaturen_PN"};

constexpr std::array<const char*, 10> Schalter_namen = {
    "RB_DIN_Rohr", "RB_ANSI_Rohr", "RB1",  "RB2",          "RB3",
    "RB_Q",        "RB_Id",        "RB_W", "RB_Druck_Fix", "RB_Temperatur_Fix"};

// What a fitter types: sizes, temperatures, lengths, with a comma or a point.
constexpr std::array<const char*, 16> Zahlen = {"0",   "1",    "10",   "20",  "40",  "50",
                                                "100", "180",  "250",  "1,5", "2.5", "12,75",
                                                "3",   "1100", "0,25", "600"};

// Texts that no table or rule can serve: unreadable, negative, zero,
// absurdly large, empty.
constexpr std::array<const char*, 9> Schlechte_Texte = {"abc", "4O",     "-5", "-300", "",
                                                        "1e3", "999999", " 7", "0,0"};

// Correct searches, and searches that find nothing.
constexpr std::array<const char*, 10> Suchen = {"DN 150 PN 40", "NPS 6", "IPE 200", "DN 50",
                                                "HEB 300",      "M16",   "DN 100",  "NPS 1/2",
                                                "M64",          "xyz"};

// Known faults whose fix is not in yet: the generator draws no action that an
// entry matches (unless --zulassen names it), and the property covers that
// action again once the entry is removed.
struct Ausschluss {
    const char* Fehler;
    bool (*Trifft)(const std::string& zeile);
};
// None at present: every action is drawn.
constexpr std::array<Ausschluss, 0> Ausschluesse{};

} // namespace

bool Schlechter_Text(const std::string& text) {
    for (const char* schlecht : Schlechte_Texte) {
        if (text == schlecht) {
            return true;
        }
    }
    const auto zahl = Lies_Zahl_streng(Komma_zu_Punkt(text));
    return !zahl || *zahl < 0 || *zahl > 100000;
}

bool Ausgeschlossen(const std::string& zeile, const std::string& zulassen) {
    for (const Ausschluss& a : Ausschluesse) {
        const bool zugelassen =
            zulassen == "*" ||
            (!zulassen.empty() && std::string(a.Fehler).find(zulassen) != std::string::npos);
        if (!zugelassen && a.Trifft(zeile)) {
            return true;
        }
    }
    return false;
}

namespace {

const Liste& Liste_von(const Mainform& f, const char* name) {
    return *std::get<Liste*>(*f.maske.Finde(name));
}

std::vector<std::string> Eingabefelder(const Mainform& f) {
    std::vector<std::string> namen;
    for (const auto& [name, feld] : f.maske.Felder()) {
        const auto* edit = std::get_if<Edit*>(&feld);
        if (edit != nullptr && !(*edit)->ReadOnly && name.rfind("F_", 0) != 0) {
            namen.push_back(name);
        }
    }
    return namen;
}

} // namespace

int Zufallsaktionen::Zahl(int bis) {
    return static_cast<int>(zufall_() % static_cast<std::uint64_t>(bis));
}

std::string Zufallsaktionen::Text() {
    if (Zahl(100) < 20) {
        return Schlechte_Texte[static_cast<size_t>(Zahl(static_cast<int>(Schlechte_Texte.size())))];
    }
    return Zahlen[static_cast<size_t>(Zahl(static_cast<int>(Zahlen.size())))];
}

std::string Zufallsaktionen::Liste_waehlen(const Mainform& f) {
    const char* name = Listen[static_cast<size_t>(Zahl(Listen.size()))];
    const Liste& liste = Liste_von(f, name);
    if (liste.Count() == 0) {
        return "aktivieren";
    }
    return std::string("waehle ") + name + " " + std::to_string(Zahl(liste.Count()));
}

std::string Zufallsaktionen::Schalter_klicken() {
    // The standard switches are rarer: they refill every list.
    const int i = Zahl(100) < 20 ? Zahl(2) : 2 + Zahl(static_cast<int>(Schalter_namen.size()) - 2);
    return std::string("klick ") + Schalter_namen[static_cast<size_t>(i)];
}

std::string Zufallsaktionen::Eingabe(const Mainform& f) {
    const std::vector<std::string> felder = Eingabefelder(f);
    if (felder.empty()) {
        return "aktivieren";
    }
    const int art = Zahl(10);
    if (art < 3 && !zuletzt_getippt_.empty()) {
        return (art == 0 ? "verlasse " : "taste ") + zuletzt_getippt_ + (art == 0 ? "" : " 13");
    }
    zuletzt_getippt_ = felder[static_cast<size_t>(Zahl(static_cast<int>(felder.size())))];
    return (Zahl(2) == 0 ? "tippe " : "setze ") + zuletzt_getippt_ + " " + Text();
}

std::string Zufallsaktionen::Tabellenaktion(const Mainform& f) {
    const auto& m = f.maske;
    const int art = Zahl(4);
    if (art == 0 && !m.FileListBox1.Items.empty()) {
        return "waehle FileListBox1 " +
               std::to_string(Zahl(static_cast<int>(m.FileListBox1.Items.size())));
    }
    if (art == 1) {
        return "klick CB_Edit";
    }
    const TEStringGrid& g = m.SG_Tabellen.Grid;
    if (art == 2 && m.CB_Edit.Checked && g.RowCount() > 0 && g.ColCount() > 0) {
        return "zelle SG_Tabellen " + std::to_string(Zahl(g.ColCount())) + " " +
               std::to_string(Zahl(g.RowCount())) + " " + Text();
    }
    return "aktivieren";
}

std::string Zufallsaktionen::Naechste(const Mainform& f) {
    std::string zeile = Ziehe(f);
    for (int versuch = 0; versuch < 100 && Ausgeschlossen(zeile, zulassen_); ++versuch) {
        zeile = Ziehe(f);
    }
    return Ausgeschlossen(zeile, zulassen_) ? "aktivieren" : zeile;
}

std::string Zufallsaktionen::Ziehe(const Mainform& f) {
    const int wurf = Zahl(100);
    if (wurf < 30) {
        return Liste_waehlen(f);
    }
    if (wurf < 42) {
        return Schalter_klicken();
    }
    if (wurf < 80) {
        return Eingabe(f);
    }
    if (wurf < 85) {
        const TEStringGrid& g = f.maske.SG_Material.Grid;
        return Zahl(2) == 0 || g.RowCount() <= g.FixedRows
                   ? "verlasse SG_Material"
                   : "waehle SG_Material " +
                         std::to_string(g.FixedRows + Zahl(g.RowCount() - g.FixedRows));
    }
    if (wurf < 89) {
        return std::string("suche ") +
               Suchen[static_cast<size_t>(Zahl(static_cast<int>(Suchen.size())))];
    }
    if (wurf < 92) {
        return Zahl(2) == 0 ? "aktivieren" : "klick Image30";
    }
    return Tabellenaktion(f);
}

void Vermerke(const std::string& zeile, Benutzereingaben& e) {
    const auto z = Zerlege_Skriptzeile(zeile);
    if (!z) {
        return;
    }
    if (z->Verb == "tippe" || z->Verb == "setze") {
        e.Getippt(z->Name, z->Text);
    } else if (z->Verb == "taste") {
        if (z->Text == "13") {
            e.Enter(z->Name);
        }
    } else if (z->Verb == "verlasse") {
        e.Verlassen(z->Name);
    } else if (z->Verb == "waehle" && z->Name == "SG_Material") {
        e.Zeile_gewaehlt(z->Name);
    } else if ((z->Verb == "waehle" && z->Name == "FileListBox1") ||
               (z->Verb == "klick" && z->Name == "CB_Edit")) {
        // Another table, or the edit mode switched: unsaved edits are
        // discarded (the answer a script gives when it gives none).
        e.Tabelle_gewechselt();
    } else if (z->Verb == "zelle") {
        const auto blank = z->Text.find(' ');
        const auto zweites = z->Text.find(' ', blank + 1);
        const int spalte = Lies_Index(z->Text.substr(0, blank));
        const int reihe = Lies_Index(z->Text.substr(blank + 1, zweites - blank - 1));
        e.Zelle(spalte, reihe, zweites == std::string::npos ? "" : z->Text.substr(zweites + 1));
    }
}

} // namespace pelmark
