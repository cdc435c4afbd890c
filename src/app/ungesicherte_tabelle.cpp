#include "app/ungesicherte_tabelle.h"

#include <exception>
#include <filesystem>

namespace pelmark {

bool Tabelle_geaendert(const Mainform& f) {
    const Tabellenstand& stand = f.Freie_Tabelle;
    return stand.Editmodus && !stand.Pfad.empty() &&
           !stand.Gitter.Gleiche_Zellen(f.maske.SG_Tabellen.Grid);
}

void Tabellenstand_merken(Mainform& f, const std::string& pfad, bool editmodus) {
    f.Freie_Tabelle = {pfad, editmodus, f.maske.SG_Tabellen.Grid};
}

void Tabelle_schreiben(Mainform& f, const std::string& pfad) {
    f.maske.SG_Tabellen.Grid.SaveToFile(std::filesystem::path(pfad));
    Tabellenstand_merken(f, pfad, f.Freie_Tabelle.Editmodus);
}

bool Aenderungen_klaeren(Mainform& f) {
    if (!Tabelle_geaendert(f)) {
        return true;
    }
    const std::string pfad = f.Freie_Tabelle.Pfad;
    const std::string name = std::filesystem::path(pfad).filename().string();
    const Antwort antwort = f.Plattform.Frage(
        Frageart::aenderungen_sichern, "Pelmark",
        "Die Tabelle " + name + " wurde geändert. Sollen die Änderungen gespeichert werden?");
    if (antwort == Antwort::nein) {
        f.maske.SG_Tabellen.Grid = f.Freie_Tabelle.Gitter;
        return true;
    }
    if (antwort == Antwort::abbrechen) {
        return false;
    }
    try {
        Tabelle_schreiben(f, pfad);
        f.maske.L_Gespeichert.Caption = "Gespeichert in " + pfad;
        return true;
    } catch (const std::exception& fehler) {
        Zeige_Fehler(f, fehler.what());
        return false;
    }
}

bool FormCloseQuery(Mainform& f) {
    return Aenderungen_klaeren(f);
}

} // namespace pelmark
