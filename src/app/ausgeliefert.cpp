#include "app/ausgeliefert.h"

#include "store/textdatei.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>

namespace pelmark {

namespace fs = std::filesystem;

namespace {

// Relative path (with '/') -> checksum of the version last copied.
using Pruefsummen = std::map<std::string, std::uint64_t>;

std::string Hex(std::uint64_t wert) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(wert));
    return text;
}

// Lines "CHECKSUM<TAB>PATH"; a missing or unreadable list is empty.
Pruefsummen Lies_Pruefsummen(const fs::path& datei) {
    Pruefsummen liste;
    std::error_code fehler;
    if (!fs::is_regular_file(datei, fehler)) {
        return liste;
    }
    std::istringstream text;
    try {
        text.str(Lies_Bytes(datei));
    } catch (const std::exception&) {
        return liste;
    }
    std::string zeile;
    while (std::getline(text, zeile)) {
        std::uint64_t summe = 0;
        const auto [ende, fehler_zahl] =
            std::from_chars(zeile.data(), zeile.data() + zeile.size(), summe, 16);
        if (fehler_zahl == std::errc() && ende == zeile.data() + 16 && *ende == '\t') {
            liste[zeile.substr(17)] = summe;
        }
    }
    return liste;
}

void Schreibe_Pruefsummen(const fs::path& datei, const Pruefsummen& liste) {
    std::string text = "# Pelmark: Prüfsummen der zuletzt kopierten ausgelieferten Dateien\n";
    for (const auto& [pfad, summe] : liste) {
        text += Hex(summe) + '\t' + pfad + '\n';
    }
    Schreibe_Bytes(datei, text);
}

// The shipped files, relative to the shipped folder.
std::vector<std::string> Ausgelieferte_Dateien(const fs::path& quelle, Abgleich& abgleich) {
    std::vector<std::string> dateien;
    for (const char* ordner : Ausgelieferte_Ordner) {
        std::error_code fehler;
        for (auto it = fs::recursive_directory_iterator(quelle / ordner, fehler);
             !fehler && it != fs::recursive_directory_iterator(); it.increment(fehler)) {
            if (it->is_regular_file(fehler)) {
                dateien.push_back(it->path().lexically_relative(quelle).generic_string());
            }
        }
        if (fehler) {
            abgleich.Fehler.push_back("Der ausgelieferte Ordner " + Pfadtext(quelle / ordner) +
                                      " kann nicht gelesen werden: " + fehler.message());
        }
    }
    return dateien;
}

void Anlegen(const fs::path& ordner) {
    std::error_code fehler;
    fs::create_directories(ordner, fehler);
    if (fehler) {
        throw std::runtime_error("Der Ordner " + Pfadtext(ordner) +
                                 " kann nicht angelegt werden: " + fehler.message());
    }
}

void Abgleiche_Datei(const fs::path& quelle, const fs::path& ziel, const std::string& datei,
                     Pruefsummen& liste, Abgleich& abgleich) {
    const std::string neu = Lies_Bytes(quelle / datei);
    const std::uint64_t summe_neu = Pruefsumme(neu);
    const fs::path kopie = ziel / datei;
    std::error_code fehler;
    if (!fs::exists(kopie, fehler)) {
        Anlegen(kopie.parent_path());
        Schreibe_Bytes(kopie, neu);
        liste[datei] = summe_neu;
        return;
    }
    const std::uint64_t summe_kopie = Pruefsumme(Lies_Bytes(kopie));
    const auto alt = liste.find(datei);
    if (summe_kopie == summe_neu) {
        liste[datei] = summe_neu;
    } else if (alt != liste.end() && alt->second == summe_kopie) {
        // Never edited: the new version replaces it.
        Schreibe_Bytes(kopie, neu);
        liste[datei] = summe_neu;
    } else if (alt == liste.end() || alt->second != summe_neu) {
        // Edited, and something new was shipped: put it beside, say so once.
        fs::path daneben = kopie;
        daneben += Neu_Endung;
        Schreibe_Bytes(daneben, neu);
        liste[datei] = summe_neu;
        abgleich.Beiseite.push_back(datei);
    }
}

} // namespace

std::uint64_t Pruefsumme(std::string_view bytes) {
    std::uint64_t summe = 0xcbf29ce484222325ULL;
    for (const char zeichen : bytes) {
        summe ^= static_cast<unsigned char>(zeichen);
        summe *= 0x100000001b3ULL;
    }
    return summe;
}

Abgleich Abgleichen(const fs::path& quelle, const fs::path& ziel) {
    Abgleich abgleich;
    try {
        Anlegen(ziel);
    } catch (const std::exception& fehler) {
        abgleich.Fehler.push_back(fehler.what());
        return abgleich;
    }
    Pruefsummen liste = Lies_Pruefsummen(ziel / Pruefsummendatei);
    for (const auto& datei : Ausgelieferte_Dateien(quelle, abgleich)) {
        try {
            Abgleiche_Datei(quelle, ziel, datei, liste, abgleich);
        } catch (const std::exception& fehler) {
            abgleich.Fehler.push_back(fehler.what());
        }
    }
    try {
        Schreibe_Pruefsummen(ziel / Pruefsummendatei, liste);
    } catch (const std::exception& fehler) {
        abgleich.Fehler.push_back(fehler.what());
    }
    return abgleich;
}

std::string Beiseite_Meldung(const fs::path& ziel, const Abgleich& abgleich) {
    std::string text = "Diese Pelmark-Fassung bringt neue Fassungen von Tabellen mit, die Sie "
                       "geändert haben. Ihre Dateien bleiben, wie sie sind; die neue Fassung "
                       "liegt jeweils daneben:";
    for (const auto& datei : abgleich.Beiseite) {
        const std::string pfad = Pfadtext(ziel / datei);
        text += "\n\n" + pfad + "\n  neu: " + pfad + Neu_Endung;
    }
    return text;
}

} // namespace pelmark
