// The free-table grid's file round trip: any file loads or ends in the
// program's own error; what the grid saves it loads back unchanged, and
// saving that again writes the same bytes.
#include "grid/testringgrid.h"
#include "store/fehler.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

using namespace pelmark;
namespace fs = std::filesystem;

namespace {

fs::path Datei(const char* name) {
    return fs::temp_directory_path() /
           ("pelmark-fuzz-gitter-" + std::to_string(::getpid()) + "-" + name + ".CSV");
}

std::string Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    static const fs::path quelle = Datei("quelle");
    static const fs::path erste = Datei("erste");
    static const fs::path zweite = Datei("zweite");
    {
        std::ofstream aus(quelle, std::ios::binary | std::ios::trunc);
        aus.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
    }
    TEStringGrid gitter;
    try {
        gitter.LoadFromFile(quelle);
        gitter.SaveToFile(erste);
    } catch (const Fehler&) {
        return 0;
    }
    TEStringGrid wieder;
    wieder.LoadFromFile(erste);
    if (!gitter.Gleiche_Zellen(wieder)) {
        std::abort(); // saved, then loaded back differently
    }
    wieder.SaveToFile(zweite);
    if (Inhalt(erste) != Inhalt(zweite)) {
        std::abort();
    }
    return 0;
}
