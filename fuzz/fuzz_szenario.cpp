// The scenario runner on any script: it ends with 0, 1 or 2 and never
// crashes. Lines that would write, delete or open paths outside the
// runner's private copy of the program folder are left out, so a random
// script cannot touch the machine.
#include "szenario/laeufer.h"
#include "szenario/skriptzeile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace pelmark;
namespace fs = std::filesystem;

namespace {

// Read with the runner's own line splitter, so the path checked is the path
// the runner would use.
bool Harmlos(const std::string& zeile) {
    const auto z = Zerlege_Skriptzeile(zeile);
    if (!z) {
        return true;
    }
    if (z->Verb == "programm" || z->Verb == "datei" || z->Verb == "ordner") {
        return false;
    }
    // No way out of the folders: no parent steps, no absolute paths.
    if (z->Rest.find("..") != std::string::npos || z->Rest.find(":/") != std::string::npos) {
        return false;
    }
    if (z->Verb == "schreibe" || z->Verb == "schreibe-hex" || z->Verb == "entferne") {
        return z->Name.rfind("@/", 0) == 0;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, size_t groesse) {
    static const fs::path skript =
        fs::temp_directory_path() / ("pelmark-fuzz-" + std::to_string(::getpid()) + ".szn");
    std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), groesse));
    {
        std::ofstream aus(skript, std::ios::binary | std::ios::trunc);
        for (std::string zeile; std::getline(ein, zeile);) {
            if (Harmlos(zeile)) {
                aus << zeile << '\n';
            }
        }
    }
    std::ostringstream ausgabe;
    const int status =
        Fuehre_Szenario_aus(skript.string(), PELMARK_QUELLE "/tests/daten-klein", ausgabe);
    if (status < 0 || status > 2) {
        std::abort();
    }
    return 0;
}
