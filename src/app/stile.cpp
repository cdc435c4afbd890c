#include "app/stile.h"

#include "app/handler.h"

#include <algorithm>
#include <cctype>

namespace pelmark {

const std::vector<Stilbeschreibung>& Stilkatalog() {
    static const std::vector<Stilbeschreibung> katalog = {
        {"Windows", ""},
        {"Iceberg Classico", "ICEBERGCLASSICO"},
        {"Lavender Classico", "LAVENDERCLASSICO"},
        {"Light", "LIGHT"},
        {"Luna", "LUNA"},
        {"Metropolis UI Blue", "METROPOLISUIBLUE"},
        {"Obsidian", "OBSIDIAN"},
        {"Ruby Graphite", "RUBYGRAPHITE"},
        {"Sapphire Kamri", "SAPPHIREKAMRI"},
        {"Silver", "SILVER"},
        {"Sky", "SKY"},
        {"Smokey Quartz Kamri", "SMOKEYQUARTZKAMRI"},
        {"Tablet Light", "TABLETLIGHT"},
        {"Turquoise Gray", "TURQUOISEGRAY"},
        {"Windows10", "WINDOWS"},
        {"Windows10 Blue", "WINDOWSBLUE"},
        {"Windows10 Dark", "WINDOWSDARK"},
        {"Windows10 Green", "WINDOWSGREEN"},
        {"Windows10 Purple", "WINDOWSPURPLE"},
        {"Windows10 SlateGray", "WINDOWSSLATEGRAY"},
    };
    return katalog;
}

namespace {
bool Gleich_ohne_Gross(const std::string& a, const char* b) {
    const std::string_view bv(b);
    return a.size() == bv.size() && std::equal(a.begin(), a.end(), bv.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

const Stilbeschreibung* Finde_Stil(const std::string& name) {
    for (const auto& stil : Stilkatalog()) {
        if (Gleich_ohne_Gross(name, stil.Name)) {
            return &stil;
        }
    }
    return nullptr;
}

bool Stil_waehlen(Mainform& f, const std::string& name) {
    const Stilbeschreibung* stil = Finde_Stil(name);
    if (stil == nullptr) {
        f.Plattform.Zeige_Meldung(Meldungsart::fehler, "Pelmark",
                                  "Stil '" + name + "' nicht gefunden");
        return false;
    }
    f.Stil = stil->Name;
    f.Plattform.Stil_anwenden(f.Stil);
    return true;
}

void CB_StyleChange(Mainform& f) {
    Stil_waehlen(f, f.maske.CB_Style.Auswahltext());
    f.maske.L_Style.Caption = f.Stil;
}

} // namespace pelmark
