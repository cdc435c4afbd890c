// pelmark_geschichte: the history-independence property over random action
// sequences. Each trial runs random user actions, then a fresh start with the
// final selections and inputs, and compares every value field.
//
//   pelmark_geschichte [--seed S] [--sekunden T] [--versuche N] [--versuch K] [--laenge L]
//                      [--weiter] [--alle-aktionen | --zulassen TEXT]
//
// Without --seed a random seed is drawn and printed; --versuch K replays
// trial K of the seed alone and prints its actions; --weiter goes on after a
// failure and counts them (for long runs); --alle-aktionen also draws the
// actions left out while their faults are fixed elsewhere, --zulassen TEXT
// those of the entries whose description contains TEXT.
#include "szenario/geschichte_lauf.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#ifndef PELMARK_QUELLVERZEICHNIS
#define PELMARK_QUELLVERZEICHNIS "."
#endif

using namespace pelmark;

namespace {

struct Optionen {
    std::uint64_t Seed = 0;
    bool Seed_gegeben = false;
    double Sekunden = 3;
    long Versuche = -1;
    long Versuch = -1;
    int Laenge = 40;
    bool Weiter = false;  // after a failure go on with the next trial
    std::string Zulassen; // also the actions left out for these faults fixed elsewhere
};

Optionen Lies_Optionen(int argc, char** argv) {
    Optionen o;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--weiter") {
            o.Weiter = true;
            continue;
        }
        if (std::string(argv[i]) == "--alle-aktionen") {
            o.Zulassen = "*";
            continue;
        }
        if (i + 1 >= argc) {
            break;
        }
        const std::string a = argv[i++];
        const std::string wert = argv[i];
        if (a == "--seed") {
            o.Seed = std::stoull(wert);
            o.Seed_gegeben = true;
        } else if (a == "--sekunden") {
            o.Sekunden = std::stod(wert);
        } else if (a == "--versuche") {
            o.Versuche = std::stol(wert);
        } else if (a == "--versuch") {
            o.Versuch = std::stol(wert);
        } else if (a == "--zulassen") {
            o.Zulassen = wert;
        } else if (a == "--laenge") {
            o.Laenge = std::max(1, std::stoi(wert));
        }
    }
    if (!o.Seed_gegeben) {
        o.Seed = std::random_device{}();
    }
    return o;
}

// The option that replays the same actions.
std::string Zulassen_text(const Optionen& o) {
    if (o.Zulassen.empty()) {
        return "";
    }
    return o.Zulassen == "*" ? " --alle-aktionen" : " --zulassen '" + o.Zulassen + "'";
}

void Drucke(const char* titel, const std::vector<std::string>& zeilen) {
    std::printf("%s\n", titel);
    for (const std::string& zeile : zeilen) {
        std::printf("  %s\n", zeile.substr(0, 400).c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const Optionen o = Lies_Optionen(argc, argv);
    std::string programm = fs::canonical(fs::path("/proc/self/exe")).parent_path().string();
    if (!fs::is_directory(fs::path(programm) / "Daten")) {
        programm = PELMARK_QUELLVERZEICHNIS;
    }
    const auto seed = static_cast<unsigned long long>(o.Seed);
    std::printf("Geschichte: Seed %llu\n", seed);
    std::fflush(stdout);
    const auto beginn = std::chrono::steady_clock::now();
    const auto vergangen = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
    };
    long versuche = 0;
    long aktionen = 0;
    long fehlschlaege = 0;
    for (long k = o.Versuch >= 0 ? o.Versuch : 0;; ++k) {
        if (o.Versuch >= 0
                ? versuche == 1
                : (o.Versuche >= 0 ? versuche >= o.Versuche : vergangen() >= o.Sekunden)) {
            break;
        }
        const Geschichtsversuch v = Versuche_Geschichte(
            programm, o.Seed, static_cast<std::uint64_t>(k), o.Laenge, o.Zulassen);
        ++versuche;
        aktionen += static_cast<long>(v.Aktionen.size());
        aktionen += static_cast<long>(v.Abschluss.size());
        if (o.Versuch >= 0 || !v.Skriptfehler.empty()) {
            Drucke("Aktionen:", v.Aktionen);
            Drucke("Enter danach:", v.Abschluss);
            Drucke("Frischer Start (nach start, timer):", v.Frischstart);
        }
        if (!v.Skriptfehler.empty()) {
            std::printf("GESCHICHTE: Versuch %ld: Zeile nicht ausführbar: %s\n"
                        "Wiederholen: %s --seed %llu --versuch %ld --laenge %d%s\n",
                        k, v.Skriptfehler.c_str(), argv[0], seed, k, o.Laenge,
                        Zulassen_text(o).c_str());
            if (!o.Weiter) {
                return 2;
            }
            ++fehlschlaege;
            continue;
        }
        if (!v.Unterschiede.empty()) {
            // The shortest sequence that still shows a difference.
            const Geschichtsversuch kurz =
                Pruefe_Folge(programm, v.Dezimal, Kuerze(programm, v.Dezimal, v.Aktionen));
            std::printf("Gekürzt auf %zu von %zu Aktionen (dezimal %c):\n", kurz.Aktionen.size(),
                        v.Aktionen.size(), v.Dezimal);
            Drucke("Aktionen:", kurz.Aktionen);
            Drucke("Enter danach:", kurz.Abschluss);
            Drucke("Frischer Start (nach start, timer):", kurz.Frischstart);
            Drucke("Unterschiede (nach den Aktionen / frischer Start):", kurz.Unterschiede);
            std::printf("GESCHICHTE: Versuch %ld zeigt andere Werte als ein frischer Start\n"
                        "Wiederholen: %s --seed %llu --versuch %ld --laenge %d%s\n",
                        k, argv[0], seed, k, o.Laenge, Zulassen_text(o).c_str());
            if (!o.Weiter) {
                return 1;
            }
            ++fehlschlaege;
        }
    }
    std::printf("Geschichte: Seed %llu, %ld Versuche, %ld Aktionen in %.1f s, %ld Abweichungen\n",
                seed, versuche, aktionen, vergangen(), fehlschlaege);
    return fehlschlaege == 0 ? 0 : 1;
}
