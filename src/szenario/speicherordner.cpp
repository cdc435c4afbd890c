#include "szenario/speicherordner.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// The layer's functions, when the runner was linked with it.
EM_JS(int, pelmark_speicher_kopieren, (const char* quelle, const char* ziel), {
    var kopieren = Module['pelmarkKopiere'];
    return kopieren ? kopieren(UTF8ToString(quelle), UTF8ToString(ziel)) : 0;
});

EM_JS(int, pelmark_speicher_entfernen, (const char* ordner), {
    var entfernen = Module['pelmarkEntferne'];
    return entfernen ? entfernen(UTF8ToString(ordner)) : 0;
});
#endif

namespace pelmark {

#ifdef __EMSCRIPTEN__
bool In_Speicher_kopieren(const std::filesystem::path& quelle, const std::filesystem::path& ziel) {
    return pelmark_speicher_kopieren(quelle.c_str(), ziel.c_str()) != 0;
}

bool Aus_Speicher_entfernen(const std::filesystem::path& ordner) {
    return pelmark_speicher_entfernen(ordner.c_str()) != 0;
}
#else
bool In_Speicher_kopieren(const std::filesystem::path&, const std::filesystem::path&) {
    return false;
}

bool Aus_Speicher_entfernen(const std::filesystem::path&) {
    return false;
}
#endif

} // namespace pelmark
