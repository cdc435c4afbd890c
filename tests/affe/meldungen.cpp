#include "affe/meldungen.h"

#include <regex>
#include <vector>

namespace pelmark::affe {

namespace {

// One pattern per message of the program; "…" parts are file names, numbers,
// typed texts and the operating system's reasons. Error boxes end with a full
// stop the program adds.
const char* const Muster[] = {
    R"(Fehler bei Bereichsprüfung\.)",
    R"(Gleitkommadivision durch Null\.)",
    R"(Ungültige Gleitkommaoperation\.)",
    R"(Gleitkommaüberlauf\.)",
    R"('[\s\S]*' ist kein gültiger Gleitkommawert\.)",
    R"(Datei [\s\S]+ kann nicht geöffnet werden\. [\s\S]+)",
    R"(Listenindex außerhalb des gültigen Bereichs \(-?[0-9]+\)\.)",
    R"(Bitmap ist ungültig\.)",
    R"(JPEG-Fehler: [\s\S]+)",
    R"(Die Datei [\s\S]+ konnte nicht geschrieben werden: [\s\S]+)",
    R"(Die Zelle in Zeile [0-9]+, Spalte [0-9]+ enthält [\s\S]+ die Tabelle wurde nicht gespeichert\.)",
    R"(Die Anzahl fester Zeilen muss kleiner sein als die Zeilenanzahl\.)",
    R"(Sichtbares Fenster kann nicht in modales geändert werden\.)",
    R"(Es kann nur im Editmodus gespeichert werden)",
    R"(Es ist keine Datei ausgewählt)",
    R"(Das Verzeichniss; [\s\S]+existiert nicht, es wird erzeugt!)",
    R"(Die Eingabe ist nicht zulässig\.)",
    R"(Stil '[\s\S]*' nicht gefunden)",
    R"(Die Tabelle [\s\S]+ wurde geändert\. Sollen die Änderungen gespeichert werden\?)",
    R"(Pelmark wurde beendet, bevor die Änderungen an der Tabelle [\s\S]+ gespeichert waren\. Sollen sie wiederhergestellt werden\?)",
};

} // namespace

bool Eigene_Meldung(const std::string& text) {
    static const std::vector<std::regex> liste = [] {
        std::vector<std::regex> l;
        for (const char* m : Muster) {
            l.emplace_back(m);
        }
        return l;
    }();
    for (const auto& m : liste) {
        if (std::regex_match(text, m)) {
            return true;
        }
    }
    return false;
}

} // namespace pelmark::affe
