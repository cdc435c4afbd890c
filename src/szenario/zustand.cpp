#include "szenario/zustand.h"

#include "app/firma.h"
#include "app/massblatt.h"
#include "form/quellentext.h"

#include "store/zahlen.h"

#include <functional>
#include <map>

namespace pelmark {

namespace {

std::string Verbinde(const std::vector<std::string>& teile, const std::string& trenner) {
    std::string text;
    for (size_t i = 0; i < teile.size(); ++i) {
        text += (i ? trenner : "") + teile[i];
    }
    return text;
}

std::string Ja_nein(bool wert) {
    return wert ? "ja" : "nein";
}

std::string Auswahl(const std::vector<std::string>& eintraege, int index, const std::string& text) {
    if (index >= 0 && index < static_cast<int>(eintraege.size())) {
        return std::to_string(index) + ": " + eintraege[static_cast<size_t>(index)];
    }
    return text.empty() ? "-1" : "-1: " + text;
}

std::optional<std::string> Liste_Zustand(const Liste& l, const std::string& eigenschaft) {
    if (eigenschaft.empty()) {
        return Auswahl(l.Items, l.ItemIndex, l.Combo ? l.Text : "");
    }
    if (eigenschaft == "eintraege") {
        return Verbinde(l.Items, " | ");
    }
    if (eigenschaft == "anzahl") {
        return std::to_string(l.Items.size());
    }
    return std::nullopt;
}

std::optional<std::string> Gitter_Zustand(const TEStringGrid& g, const std::string& eigenschaft) {
    if (eigenschaft.empty()) {
        std::vector<std::string> zeilen;
        for (int r = 0; r < g.RowCount(); ++r) {
            std::vector<std::string> zellen;
            for (int c = 0; c < g.ColCount(); ++c) {
                zellen.push_back(g.Cell(c, r));
            }
            zeilen.push_back(Verbinde(zellen, ";"));
        }
        return Verbinde(zeilen, " | ");
    }
    if (eigenschaft == "zeilen") {
        return std::to_string(g.RowCount());
    }
    if (eigenschaft == "spalten") {
        return std::to_string(g.ColCount());
    }
    if (eigenschaft == "fest") {
        return std::to_string(g.FixedRows);
    }
    if (eigenschaft == "zeile") {
        return std::to_string(g.Row);
    }
    if (eigenschaft == "edit") {
        return Ja_nein(g.Editierbar);
    }
    if (eigenschaft == "breiten") {
        std::vector<std::string> breiten;
        for (int c = 0; c < g.ColCount(); ++c) {
            breiten.push_back(std::to_string(g.ColWidth(c)));
        }
        return Verbinde(breiten, ";");
    }
    return std::nullopt;
}

std::string Dateiname(const std::string& pfad) {
    const auto pos = pfad.find_last_of('/');
    return pos == std::string::npos ? pfad : pfad.substr(pos + 1);
}

std::optional<std::string> Feld_Zustand(const Feldzeiger& feld, const std::string& eigenschaft) {
    if (auto* e = std::get_if<Edit*>(&feld)) {
        if (eigenschaft == "nurlesen") {
            return Ja_nein((*e)->ReadOnly);
        }
        return eigenschaft.empty() ? std::optional((*e)->Text) : std::nullopt;
    }
    if (auto* l = std::get_if<Liste*>(&feld)) {
        return Liste_Zustand(**l, eigenschaft);
    }
    if (auto* s = std::get_if<Schalter*>(&feld)) {
        return eigenschaft.empty() ? std::optional<std::string>((*s)->Checked ? "an" : "aus")
                                   : std::nullopt;
    }
    if (auto* b = std::get_if<Beschriftung*>(&feld)) {
        return eigenschaft.empty() ? std::optional((*b)->Caption) : std::nullopt;
    }
    if (auto* t = std::get_if<Textblock*>(&feld)) {
        return eigenschaft.empty() || eigenschaft == "text"
                   ? std::optional(Verbinde((*t)->Lines, " | "))
                   : std::nullopt;
    }
    if (auto* g = std::get_if<Gitter*>(&feld)) {
        return Gitter_Zustand((*g)->Grid, eigenschaft);
    }
    if (auto* p = std::get_if<Bild*>(&feld)) {
        if (eigenschaft == "groesse") {
            return std::to_string((*p)->Breite) + "x" + std::to_string((*p)->Hoehe);
        }
        return eigenschaft.empty() ? std::optional(Dateiname((*p)->Datei)) : std::nullopt;
    }
    if (std::get_if<Knopf*>(&feld)) {
        return eigenschaft.empty() ? std::optional<std::string>("") : std::nullopt;
    }
    if (auto* w = std::get_if<Infofenster*>(&feld)) {
        if (eigenschaft == "text") {
            return Verbinde((*w)->E_Infotext.Lines, " | ");
        }
        static const char* namen[] = {"zu", "offen", "modal"};
        return eigenschaft.empty()
                   ? std::optional<std::string>(namen[static_cast<int>((*w)->Status)])
                   : std::nullopt;
    }
    if (auto* o = std::get_if<Ordnerliste*>(&feld)) {
        if (eigenschaft == "pfad") {
            return (*o)->Pfad;
        }
        Liste l{(*o)->Items, (*o)->ItemIndex, false, ""};
        return Liste_Zustand(l, eigenschaft);
    }
    if (auto* d = std::get_if<Dateidialog*>(&feld)) {
        if (eigenschaft == "ordner") {
            return (*d)->InitialDir;
        }
        return eigenschaft.empty() ? std::optional((*d)->Filter) : std::nullopt;
    }
    return std::nullopt;
}

using Wertleser = std::function<std::string(const Mainform&)>;

const std::map<std::string, Wertleser>& Wertnamen() {
    static const std::map<std::string, Wertleser> werte = {
        {"Winddruck", [](const Mainform& f) { return Kurzform(f.Winddruck); }},
        {"e_Modul", [](const Mainform& f) { return Kurzform(f.e_Modul); }},
        {"SigmaB", [](const Mainform& f) { return Kurzform(f.SigmaB); }},
        {"SigmaE", [](const Mainform& f) { return Kurzform(f.SigmaE); }},
        {"Gamma_Rohr_Traeger", [](const Mainform& f) { return Kurzform(f.Gamma_Rohr_Traeger); }},
        {"Beta20", [](const Mainform& f) { return Kurzform(f.Beta20); }},
        {"Delta_Beta", [](const Mainform& f) { return Kurzform(f.Delta_Beta); }},
        {"Materialname", [](const Mainform& f) { return f.Materialname; }},
        {"Art", [](const Mainform& f) { return std::to_string(f.Art); }},
        {"Q", [](const Mainform& f) { return Kurzform(f.Q); }},
        {"Id", [](const Mainform& f) { return Kurzform(f.Id); }},
        {"w", [](const Mainform& f) { return Kurzform(f.w); }},
        {"Massartpos", [](const Mainform& f) { return std::to_string(f.Speicher.Massartpos); }},
        {"Quellmasspos", [](const Mainform& f) { return std::to_string(f.Speicher.Quellmasspos); }},
        {"Zielmasspos", [](const Mainform& f) { return std::to_string(f.Speicher.Zielmasspos); }},
        {"Anz_Massarten",
         [](const Mainform& f) { return std::to_string(f.Speicher.Anz_Massarten); }},
        {"Stil", [](const Mainform& f) { return f.Stil; }},
        {"Dezimal", [](const Mainform& f) { return std::string(1, f.Dezimal); }},
    };
    return werte;
}

} // namespace

std::optional<std::string> Zustand(const Mainform& f, const std::string& name) {
    if (const auto it = Wertnamen().find(name); it != Wertnamen().end()) {
        return it->second(f);
    }
    if (const Feldzeiger* feld = f.maske.Finde(name)) {
        return Feld_Zustand(*feld, "");
    }
    const auto punkt = name.rfind('.');
    if (punkt == std::string::npos) {
        return std::nullopt;
    }
    const Feldzeiger* feld = f.maske.Finde(name.substr(0, punkt));
    if (feld != nullptr && name.substr(punkt + 1) == "quelle") {
        // What the field's tooltip says about its value, lines joined by " | ".
        const auto* edit = std::get_if<Edit*>(feld);
        return edit ? std::optional(Verbinde(Feldquellentext(f, **edit), " | ")) : std::nullopt;
    }
    if (feld != nullptr && name.substr(punkt + 1) == "datei") {
        // The sheet's data-file column for the field (its layer included).
        return Datenquelle(f, name.substr(0, punkt));
    }
    return feld ? Feld_Zustand(*feld, name.substr(punkt + 1)) : std::nullopt;
}

std::string Alle_Zustaende(const Mainform& f) {
    std::string text;
    for (const auto& [name, feld] : f.maske.Felder()) {
        text += name + " = " + Feld_Zustand(feld, "").value_or("") + "\n";
    }
    return text;
}

} // namespace pelmark
