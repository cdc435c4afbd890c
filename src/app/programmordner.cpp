#include "app/programmordner.h"

#include "app/ausgeliefert.h"
#include "store/textdatei.h"

#include <cstdlib>

namespace pelmark {

namespace fs = std::filesystem;

namespace {

constexpr const char* Titel = "Pelmark";

bool Ist_Ordner(const fs::path& pfad) {
    std::error_code fehler;
    return fs::is_directory(pfad, fehler);
}

std::string Umgebungswert(const char* name) {
    const char* wert = std::getenv(name);
    return wert == nullptr ? std::string() : std::string(wert);
}

std::string Fehlerliste(const std::vector<std::string>& fehler) {
    std::string text = "Die ausgelieferten Daten konnten nicht vollständig in Ihren "
                       "Datenordner übernommen werden. Keine Ihrer Dateien wurde gelöscht.";
    // The first few reasons; one cause (a full disk) fails every file alike.
    constexpr size_t Hoechstens = 4;
    for (size_t i = 0; i < fehler.size() && i < Hoechstens; ++i) {
        text += "\n\n" + fehler[i];
    }
    if (fehler.size() > Hoechstens) {
        text += "\n\n… und " + std::to_string(fehler.size() - Hoechstens) + " weitere.";
    }
    return text;
}

} // namespace

Benutzerumgebung Benutzerumgebung_lesen() {
    return {Umgebungswert("XDG_DATA_HOME"), Umgebungswert("HOME")};
}

std::optional<fs::path> Benutzerordner(const Benutzerumgebung& umgebung) {
    // A relative XDG_DATA_HOME is invalid and ignored.
    if (fs::path(umgebung.Xdg_data_home).is_absolute()) {
        return fs::path(umgebung.Xdg_data_home) / "pelmark";
    }
    if (fs::path(umgebung.Home).is_absolute()) {
        return fs::path(umgebung.Home) / ".local" / "share" / "pelmark";
    }
    return std::nullopt;
}

Programmordner Programmordner_bestimmen(const fs::path& exe_ordner,
                                        const Benutzerumgebung& umgebung, std::string& fehler) {
    const fs::path ausgeliefert = (exe_ordner / ".." / "share" / "pelmark").lexically_normal();
    if (Ist_Ordner(exe_ordner / "Daten") || !Ist_Ordner(ausgeliefert / "Daten")) {
        return {Betriebsart::portabel, exe_ordner, {}};
    }
    const auto benutzer = Benutzerordner(umgebung);
    if (!benutzer) {
        fehler = "Pelmark findet Ihren Datenordner nicht: weder XDG_DATA_HOME noch HOME nennt "
                 "einen Ordner. Pelmark liest die Tabellen aus " +
                 Pfadtext(ausgeliefert) +
                 " und kann weder Tabellen noch den Stil speichern. Setzen Sie HOME, "
                 "damit Pelmark in HOME/.local/share/pelmark arbeitet.";
        return {Betriebsart::installiert, ausgeliefert, ausgeliefert};
    }
    return {Betriebsart::installiert, *benutzer, ausgeliefert};
}

Programmordner Programmordner_einrichten(const fs::path& exe_ordner,
                                         const Benutzerumgebung& umgebung, Umgebung& plattform) {
    std::string fehler;
    Programmordner ordner = Programmordner_bestimmen(exe_ordner, umgebung, fehler);
    if (!fehler.empty()) {
        plattform.Zeige_Meldung(Meldungsart::fehler, Titel, fehler);
    }
    if (ordner.Art == Betriebsart::portabel || ordner.Ordner == ordner.Ausgeliefert) {
        return ordner;
    }
    const Abgleich abgleich = Abgleichen(ordner.Ausgeliefert, ordner.Ordner);
    if (!abgleich.Fehler.empty()) {
        plattform.Zeige_Meldung(Meldungsart::fehler, Titel, Fehlerliste(abgleich.Fehler));
    }
    if (!abgleich.Beiseite.empty()) {
        plattform.Zeige_Meldung(Meldungsart::information, Titel,
                                Beiseite_Meldung(ordner.Ordner, abgleich));
    }
    if (!Ist_Ordner(ordner.Ordner / "Daten")) {
        // Nothing could be copied: read the shipped tables where they lie.
        ordner.Ordner = ordner.Ausgeliefert;
    }
    return ordner;
}

std::string Betriebsinfo(const Programmordner& ordner) {
    if (ordner.Art == Betriebsart::portabel) {
        return "Betriebsart: portabel. Programmordner: " + Pfadtext(ordner.Ordner / "");
    }
    return "Betriebsart: installiert. Programmordner: " + Pfadtext(ordner.Ordner / "") +
           " (ausgelieferte Daten: " + Pfadtext(ordner.Ausgeliefert / "") + ")";
}

} // namespace pelmark
