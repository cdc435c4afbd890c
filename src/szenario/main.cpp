// scripts/szenario SCRIPT [SCRIPT ...]: runs scenario scripts against the core.
#include "szenario/laeufer.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#ifndef PELMARK_QUELLVERZEICHNIS
#define PELMARK_QUELLVERZEICHNIS "."
#endif

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "Aufruf: pelmark_szenario SKRIPT [SKRIPT ...]\n";
        return 2;
    }
    // The shipped data: beside the runner when the build copied it there,
    // else in the source tree.
    namespace fs = std::filesystem;
    std::string programm = fs::canonical(fs::path("/proc/self/exe")).parent_path().string();
    if (!fs::is_directory(fs::path(programm) / "Daten")) {
        programm = PELMARK_QUELLVERZEICHNIS;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        status = std::max(status, pelmark::Fuehre_Szenario_aus(argv[i], programm, std::cout));
    }
    return status;
}
