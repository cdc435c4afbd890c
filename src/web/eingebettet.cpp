#include "web/eingebettet.h"

#include <emscripten.h>

namespace pelmark::web {

namespace {

static_assert(sizeof(Eingebettete_datei) == 12, "three 32-bit words: path, bytes, size");

// Hands every table in one call straight to the module's memory file system,
// a file node each with its bytes. Through the C library it took an open, a
// stat per folder and a write per buffer for each file, and through the file
// system's own calls still a path lookup each: half the start of the page.
// clang-format off
EM_JS(void, Dateien_ablegen, (const Eingebettete_datei* dateien, int anzahl), {
    let ordner = null;
    let knoten = null;
    for (let i = 0; i < anzahl; ++i) {
        const eintrag = (dateien >> 2) + 3 * i;
        const pfad = UTF8ToString(HEAPU32[eintrag]);
        const daten = HEAPU32[eintrag + 1];
        const groesse = HEAPU32[eintrag + 2];
        const schnitt = pfad.lastIndexOf('/');
        if (pfad.substring(0, schnitt) !== ordner) {
            ordner = pfad.substring(0, schnitt);
            FS.mkdirTree(ordner);
            knoten = FS.lookupPath(ordner).node;
        }
        const datei = MEMFS.createNode(knoten, pfad.substring(schnitt + 1), 0o100644, 0);
        datei.contents = HEAPU8.slice(daten, daten + groesse);
        datei.usedBytes = groesse;
    }
});
// clang-format on

} // namespace

void Tabellen_auspacken() {
    static bool ausgepackt = false;
    if (!ausgepackt) {
        ausgepackt = true;
        Dateien_ablegen(Eingebettete_dateien, Eingebettete_anzahl);
    }
}

} // namespace pelmark::web
