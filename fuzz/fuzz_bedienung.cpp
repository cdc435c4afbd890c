// A user who clicks, picks and types at random on the shipped data: no action
// may crash the program or hang it. Every error must end as a message box.
#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "szenario/rekorder.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace pelmark;

namespace {

namespace fs = std::filesystem;

// Texts a user types, the awkward ones included.
const std::array<const char*, 20> Eingaben = {
    "",    "0",    "1",  "-1", "10",     "12,5", "1.5",  "1e308", "-1e308",    "abc",
    "$FF", "0x10", " 3", "3 ", "1e-320", "1000", "2000", "-40",   "999999999", "0,0"};

struct Programm {
    Rekorder rekorder;
    std::unique_ptr<Mainform> f;
    std::vector<std::string> namen;

    Programm() {
        std::string vorlage = (fs::temp_directory_path() / "pelmark-fuzz-XXXXXX").string();
        if (::mkdtemp(vorlage.data()) == nullptr) {
            std::abort();
        }
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(fs::path(PELMARK_QUELLE) / teil, fs::path(vorlage) / teil,
                     fs::copy_options::recursive);
        }
        f = std::make_unique<Mainform>(rekorder, vorlage + "/", '.');
        Programmstart(*f);
        FormCreate(*f);
        FormActivate(*f);
        for (const auto& [name, feld] : f->maske.Felder()) {
            if (!Ist_Ende_Knopf(name) && name.rfind("F_", 0) != 0) {
                namen.push_back(name);
            }
        }
    }
};

void Liste_waehlen(Mainform& f, const std::string& name, Liste& liste, std::uint8_t wahl) {
    liste.ItemIndex = liste.Count() == 0 ? -1 : wahl % liste.Count();
    Loese_aus(f, name, liste.Combo ? Ereignis::Aenderung : Ereignis::Klick);
}

void Tippen(Mainform& f, const std::string& name, Edit& edit, std::uint8_t wahl) {
    if (edit.ReadOnly) {
        return;
    }
    edit.Text = Eingaben[wahl % Eingaben.size()];
    Loese_aus(f, name, Ereignis::Aenderung);
    Loese_aus(f, name, Ereignis::Taste, wahl % 2 == 0 ? 13 : 48);
    Loese_aus(f, name, Ereignis::Verlassen);
}

void Handle(Programm& p, std::uint8_t steuer, std::uint8_t wahl) {
    Mainform& f = *p.f;
    const std::string& name = p.namen[steuer % p.namen.size()];
    const Feldzeiger& feld = *f.maske.Finde(name);
    if (auto* l = std::get_if<Liste*>(&feld)) {
        Liste_waehlen(f, name, **l, wahl);
    } else if (auto* e = std::get_if<Edit*>(&feld)) {
        Tippen(f, name, **e, wahl);
    } else if (auto* s = std::get_if<Schalter*>(&feld)) {
        if ((*s)->Radio) {
            f.maske.Radio_ein(**s);
        } else {
            (*s)->Checked = !(*s)->Checked;
        }
        Loese_aus(f, name, Ereignis::Klick);
    } else if (auto* o = std::get_if<Ordnerliste*>(&feld)) {
        const int anzahl = static_cast<int>((*o)->Items.size());
        (*o)->ItemIndex = anzahl == 0 ? -1 : wahl % anzahl;
        Loese_aus(f, name, Ereignis::Aenderung);
    } else if (auto* g = std::get_if<Gitter*>(&feld)) {
        (*g)->Grid.Row = wahl % std::max(1, (*g)->Grid.RowCount());
        Loese_aus(f, name, Ereignis::Verlassen);
    } else {
        Loese_aus(f, name, Ereignis::Klick);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    static Programm programm;
    for (size_t i = 0; i + 1 < groesse; i += 2) {
        Handle(programm, daten[i], daten[i + 1]);
    }
    programm.rekorder.Meldungen.clear();
    if (groesse % 7 == 0) {
        FormActivate(*programm.f);
    }
    return 0;
}
