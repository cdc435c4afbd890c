// Style.INI with any bytes: the start takes its first line as the style name,
// an unknown or unreadable one ends in the program's own message, and the
// close writes back a name the next start reads as the same style.
#include "app/lebenszyklus.h"
#include "szenario/rekorder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

using namespace pelmark;
namespace fs = std::filesystem;

namespace {

std::string Ordner() {
    std::string vorlage = (fs::temp_directory_path() / "pelmark-fuzz-stil-XXXXXX").string();
    if (::mkdtemp(vorlage.data()) == nullptr) {
        std::abort();
    }
    fs::create_directories(fs::path(vorlage) / "Daten");
    return vorlage + "/";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    static const std::string programmdir = Ordner();
    const fs::path ini = fs::path(programmdir) / "Daten" / "Style.INI";
    {
        std::ofstream aus(ini, std::ios::binary | std::ios::trunc);
        aus.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
    }
    Rekorder rekorder;
    auto f = std::make_unique<Mainform>(rekorder, programmdir, '.');
    Programmstart(*f);
    FormCreate(*f);
    FormClose(*f);
    const std::string stil = f->Stil;

    Rekorder zweiter;
    auto g = std::make_unique<Mainform>(zweiter, programmdir, '.');
    Programmstart(*g);
    FormCreate(*g);
    if (g->Stil != stil || !zweiter.Meldungen.empty()) {
        std::abort(); // what the close wrote must start the same style again
    }
    return 0;
}
