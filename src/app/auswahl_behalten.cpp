#include "app/auswahl_behalten.h"

#include "app/nennweitenkopplung.h"
#include "components/profile.h"

#include <array>
#include <initializer_list>

namespace pelmark {

namespace {

// The inputs of the design-data page that the activation resets; every
// other typed input keeps its text through the load anyway.
constexpr std::array<const char*, 4> Eingabefelder = {"E_Isolierdicke1", "E_Isolierdicke2",
                                                      "E_Isolierdicke", "E_Gamma"};

int Gemerkter_Index(const Auswahlstand& stand, const char* name) {
    const auto it = stand.Listen.find(name);
    return it == stand.Listen.end() ? -1 : it->second;
}

// The kept index where the refilled list still has it; else the list keeps
// the default that the filling selected.
void Zurueck(Liste& liste, const Auswahlstand& stand, const char* name) {
    const int index = Gemerkter_Index(stand, name);
    if (index >= 0 && index < liste.Count()) {
        liste.ItemIndex = index;
    }
}

// A link: the first list decides, the partners carry its index (none where
// they are shorter), as a click on the first list would copy it.
void Kopplung_zurueck(const Auswahlstand& stand, const char* name, Liste& erste,
                      std::initializer_list<Liste*> partner) {
    Zurueck(erste, stand, name);
    for (Liste* liste : partner) {
        const int index = erste.ItemIndex;
        liste->ItemIndex = index >= 0 && index < liste->Count() ? index : -1;
    }
}

} // namespace

Auswahlstand Auswahl_merken(const Mainform& f) {
    Auswahlstand stand;
    for (const auto& [name, feld] : f.maske.Felder()) {
        if (const auto* liste = std::get_if<Liste*>(&feld)) {
            stand.Listen[name] = (*liste)->ItemIndex;
        } else if (const auto* schalter = std::get_if<Schalter*>(&feld)) {
            stand.Schalter_an[name] = (*schalter)->Checked;
        }
    }
    for (const char* name : Eingabefelder) {
        stand.Eingaben[name] = std::get<Edit*>(*f.maske.Finde(name))->Text;
    }
    stand.Materialzeile = f.maske.SG_Material.Grid.Row;
    stand.Art = f.Art;
    stand.Massartpos = f.Speicher.Massartpos;
    stand.Quellmasspos = f.Speicher.Quellmasspos;
    stand.Zielmasspos = f.Speicher.Zielmasspos;
    return stand;
}

void Masspositionen_zurueck(Mainform& f, const Auswahlstand& stand) {
    Tabellenspeicher& s = f.Speicher;
    if (stand.Massartpos < 0 || stand.Massartpos >= s.Anz_Massarten) {
        return;
    }
    const int einheiten = s.Inhalt_Masse(stand.Massartpos, 0).Massanz;
    s.Massartpos = stand.Massartpos;
    const auto gilt = [einheiten](int pos) { return pos >= 0 && pos <= einheiten; };
    s.Quellmasspos = gilt(stand.Quellmasspos) ? stand.Quellmasspos : 0;
    s.Zielmasspos = gilt(stand.Zielmasspos) ? stand.Zielmasspos : 0;
}

void Normlisten_zurueck(Maske& m, const Auswahlstand& stand) {
    Kopplung_zurueck(stand, "LB_PN", m.LB_PN, {&m.LB_Armaturen_PN});
    Zurueck(m.LB_PN1, stand, "LB_PN1");
    Zurueck(m.LB_PN2, stand, "LB_PN2");
    Zurueck(m.LB_Radius, stand, "LB_Radius");
    Zurueck(m.LB_WD_Reihe, stand, "LB_WD_Reihe");
    Kopplung_zurueck(stand, "LB_AD1", m.LB_AD1, {&m.LB_Armaturen_NW, &m.LB_Lager_NW, &m.LB_DN1});
    Kopplung_zurueck(stand, "LB_AD2", m.LB_AD2, {&m.LB_DN2});
}

void Profillisten_zurueck(Mainform& f, const Auswahlstand& stand) {
    auto& m = f.maske;
    const int art = Gemerkter_Index(stand, "LB_Profilart");
    const Profilart* profilart = Profilart_an(art);
    if (profilart == nullptr || art >= m.LB_Profilart.Count()) {
        return;
    }
    m.LB_Profilart.ItemIndex = art;
    Profilliste_fuellen(f, f.Speicher.*(profilart->Tabelle_));
    Zurueck(m.LB_Profil, stand, "LB_Profil");
}

void Eingaben_zurueck(Mainform& f, const Auswahlstand& stand) {
    auto& m = f.maske;
    Zurueck(m.LB_Temperatur, stand, "LB_Temperatur");
    // LB_NW belongs to the nominal-size link: it follows LB_AD1's size,
    // unless the pipe table gave no sizes at all.
    if (m.LB_AD1.ItemIndex >= 0) {
        m.LB_NW.ItemIndex = Gleiche_Groesse(m.LB_AD1, m.LB_NW);
    }
    for (const auto& [name, text] : stand.Eingaben) {
        std::get<Edit*>(*m.Finde(name))->Text = text;
    }
    for (const auto& [name, an] : stand.Schalter_an) {
        std::get<Schalter*>(*m.Finde(name))->Checked = an;
    }
    f.Art = stand.Art;
    TEStringGrid& grid = m.SG_Material.Grid;
    if (stand.Materialzeile >= grid.FixedRows && stand.Materialzeile < grid.RowCount()) {
        grid.Row = stand.Materialzeile;
    }
}

} // namespace pelmark
