#include "web/eingebettet.h"

#include <emscripten.h>

namespace pelmark::web {

namespace {

// Hands one table straight to the module's memory file system: through the
// C library it took an open, a stat per folder and a write per buffer each,
// which was half the start of the page.
EM_JS(void, Datei_ablegen, (const char8_t* pfad, const unsigned char* daten, std::size_t groesse), {
    const name = UTF8ToString(pfad);
    FS.mkdirTree(name.substring(0, name.lastIndexOf('/')));
    FS.writeFile(name, HEAPU8.subarray(daten, daten + groesse));
});

} // namespace

void Tabellen_auspacken() {
    static bool ausgepackt = false;
    if (ausgepackt) {
        return;
    }
    ausgepackt = true;
    for (int i = 0; i < Eingebettete_anzahl; ++i) {
        const Eingebettete_datei& d = Eingebettete_dateien[i];
        Datei_ablegen(d.Pfad, d.Daten, d.Groesse);
    }
}

} // namespace pelmark::web
