#include "app/firmenpruefung.h"

#include "store/fehler.h"
#include "store/firmentabellen.h"

namespace pelmark {

namespace {

std::string Zellen(int anzahl) {
    return anzahl == 1 ? "1 Zelle weicht" : std::to_string(anzahl) + " Zellen weichen";
}

} // namespace

Firmenangaben Firmenangaben_nehmen(std::vector<std::string>& argumente) {
    Firmenangaben angaben;
    std::vector<std::string> rest;
    for (size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--pruefen") {
            angaben.Pruefen = true;
        } else if (a == "--firma") {
            if (i + 1 >= argumente.size()) {
                angaben.Fehler = "--firma braucht einen Ordner";
            } else {
                angaben.Ordner = argumente[++i];
            }
        } else if (a.rfind("--firma=", 0) == 0) {
            angaben.Ordner = a.substr(8);
        } else {
            rest.push_back(a);
        }
    }
    argumente = std::move(rest);
    return angaben;
}

int Firmenordner_pruefen_lauf(const std::string& ordner, const std::filesystem::path& datendir,
                              std::ostream& aus) {
    aus << "Firmenordner " << ordner << "\n";
    std::vector<Pruefergebnis> ergebnis;
    try {
        ergebnis = Firmenordner_pruefen(ordner, datendir);
    } catch (const Fehler& e) {
        aus << "FEHLER: " << e.what() << "\n";
        return 1;
    }
    int fehler = 0;
    int tabellen = 0;
    for (const Pruefergebnis& p : ergebnis) {
        aus << p.Datei << ": ";
        if (!p.Tabelle) {
            aus << "keine Tabelle von Pelmark, nicht gelesen\n";
        } else if (!p.Fehler.empty()) {
            const bool punkt = p.Fehler.back() == '.';
            aus << "FEHLER: " << p.Fehler << (punkt ? "" : ".")
                << " Die Tabelle würde ganz abgelehnt.\n";
            ++fehler;
        } else if (!p.Vergleich) {
            aus << "in Ordnung; die ausgelieferte Tabelle in " << datendir.string()
                << " ist nicht lesbar, kein Vergleich\n";
        } else {
            aus << "in Ordnung, " << Zellen(p.Abweichungen)
                << " von der ausgelieferten Tabelle ab\n";
        }
        tabellen += p.Tabelle ? 1 : 0;
    }
    aus << tabellen << (tabellen == 1 ? " Tabelle, " : " Tabellen, ") << fehler << " Fehler\n";
    return fehler == 0 ? 0 : 1;
}

} // namespace pelmark
