#include "web/eingebettet.h"

#include <filesystem>
#include <fstream>

namespace pelmark::web {

void Tabellen_auspacken() {
    static bool ausgepackt = false;
    if (ausgepackt) {
        return;
    }
    ausgepackt = true;
    for (int i = 0; i < Eingebettete_anzahl; ++i) {
        const Eingebettete_datei& d = Eingebettete_dateien[i];
        const std::filesystem::path pfad(d.Pfad);
        std::filesystem::create_directories(pfad.parent_path());
        std::ofstream(pfad, std::ios::binary)
            .write(reinterpret_cast<const char*>(d.Daten), static_cast<std::streamsize>(d.Groesse));
    }
}

} // namespace pelmark::web
