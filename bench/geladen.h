#pragma once
// The form context of the benchmarks: a platform that shows nothing, and the
// shipped tables loaded with every list filled.

#include "app/auswahllisten.h"
#include "form/mainform.h"
#include "store/tabellenspeicher.h"

#include <filesystem>
#include <memory>

namespace pelmark {

class Stille_Umgebung : public Umgebung {
  public:
    void Zeige_Meldung(Meldungsart, const std::string&, const std::string&) override {}
    void Stil_anwenden(const std::string&) override {}
    void Zeige_Fenster(Infofenster&, bool) override {}
    void Schliesse_Fenster(Infofenster&) override {}
    std::optional<std::string> Datei_waehlen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::vector<std::string> Laufwerke() override { return {"/"}; }
};

inline std::unique_ptr<Mainform> Geladenes_Formular(Stille_Umgebung& umgebung) {
    auto f = std::make_unique<Mainform>(umgebung, "/tmp/", '.');
    f->Dezimal = ',';
    f->Winddruck = 1100;
    const auto daten = std::filesystem::path(PELMARK_TESTDATEN) / ".." / ".." / "Daten";
    f->Datendir = daten.lexically_normal().string() + "/";
    Lade_Tabellen(f->Speicher, f->Datendir);
    Init_Anzeige(*f);
    return f;
}

} // namespace pelmark
