#pragma once
// The table store: the 32 reference tables, read from semicolon-separated files
// in the data directory on every activation of the main window. All files are
// read first; only when every one could be read are they parsed, in catalogue
// order except that the reducer and cap tables come before the flange tables,
// and the unit-conversion table last.

#include "store/tabelle.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace pelmark {

struct Massrecord {
    std::string Massart;
    std::int32_t Massanz = 0;
    std::string Beschreibung;
    std::string Kuerzel;
    std::string SI_Wert;
};

// Inhalt_Masse [kind 0..50][unit 0..30], bounds-checked.
class Masstabelle {
  public:
    static constexpr int Arten = 51;
    static constexpr int Einheiten = 31;

    Massrecord& operator()(int art, int einheit) { return feld_[Index(art, einheit)]; }
    const Massrecord& operator()(int art, int einheit) const { return feld_[Index(art, einheit)]; }

  private:
    static size_t Index(int art, int einheit) {
        if (art < 0 || art >= Arten || einheit < 0 || einheit >= Einheiten) {
            Bereichsfehler();
        }
        return static_cast<size_t>(art) * Einheiten + static_cast<size_t>(einheit);
    }
    std::array<Massrecord, static_cast<size_t>(Arten) * Einheiten> feld_{};
};

// The layer a table was loaded from: the usual data directory, or the
// design office's company folder laid over it (store/firmentabellen.h).
enum class Schicht { Daten, Firma };

struct Tabellenherkunft {
    Schicht Ebene = Schicht::Daten;
    std::string Datei;    // the file read, full path; empty before the first load
    int Abweichungen = 0; // company table: cells that differ from the usual table
};

struct Tabellenspeicher {
    Tabelle Din_Rohre{31, 31};
    Tabelle ANSI_Rohre{31, 31};
    Tabelle DIN_Boegen{11, 31};
    Tabelle ANSI_Boegen{31, 31};
    Tabelle DIN_T_Stuecke{31, 31};
    Tabelle ANSI_T_Stuecke{31, 31};
    Tabelle DIN_Flansche{101, 51};
    Tabelle ANSI_Flansche{101, 51};
    Tabelle DIN_Red{6, 31};
    Tabelle ANSI_Red{6, 31};
    Tabelle DIN_Kappen{6, 31};
    Tabelle ANSI_Kappen{6, 31};
    Tabelle Armaturenbaureihen_DIN{101, 31};
    Tabelle Baureihenzuordnung_DIN{31, 31};
    Tabelle Armaturenbaureihen_ANSI{101, 31};
    Tabelle Baureihenzuordnung_ANSI{31, 31};
    Tabelle Winkel_Gleichschenkelig{21, 101};
    Tabelle Winkel_Ungleichschenkelig{21, 101};
    Tabelle U_Stahl{31, 51};
    Tabelle I_Stahl{31, 51};
    Tabelle IPE{31, 51};
    Tabelle HEA{31, 51};
    Tabelle HEB{31, 51};
    Tabelle HEM{31, 51};
    Tabelle T_Stahl_G{31, 51};
    Tabelle Lager{31, 31};
    Tabelle Rohrabstand{31, 31};
    Tabelle Isolierung{31, 31};
    Tabelle Beruehrungsschutz{31, 31};
    Tabelle Material{11, 51};
    Tabelle Dampf{6, 301};

    Zeilenliste Massumrechnung;
    Masstabelle Inhalt_Masse;
    std::int32_t Anz_Massarten = 0;
    std::int32_t Massartpos = 0;
    std::int32_t Quellmasspos = 0;
    std::int32_t Zielmasspos = 0;

    // Per catalogue entry (the 32nd is Massumrechnung.CSV): where the last
    // load took the table from.
    std::array<Tabellenherkunft, 32> Herkunft{};
    // For a table taken from the company folder, the usual table it replaces,
    // parsed alongside it, so a value can be compared with it.
    std::array<std::shared_ptr<const Tabelle>, 31> Normtabellen{};
};

// One entry of the catalogue, in reading order.
struct Katalogeintrag {
    const char* Datei;
    Tabelle Tabellenspeicher::*Tabelle_;
    std::int32_t Spaltenanz;
};

inline constexpr int Anzahl_Tabellen = 32;
inline constexpr const char* Datei_Massumrechnung = "Massumrechnung.CSV";

// Tables 1..31 in reading order (Massumrechnung.CSV is the 32nd).
const std::array<Katalogeintrag, 31>& Katalog();

// The order in which tables 1..31 are parsed, as indices into Katalog().
const std::array<int, 31>& Parsefolge();

// Parses one ordinary table from its line list with the given column count.
void Parse_Tabelle(Tabelle& tabelle, std::int32_t spaltenanz);

// Parses Massumrechnung into Inhalt_Masse and sets Anz_Massarten and the positions.
void Parse_Massumrechnung(Tabellenspeicher& speicher);

// Parses a unit-conversion line list into a unit table of its own.
void Parse_Massumrechnung(const Zeilenliste& zeilen, Masstabelle& masse,
                          std::int32_t& anz_massarten);

// The whole load: reads all 32 files (a missing file throws before anything
// changes), then parses them. A range error stops the parse at that table.
// The load over a company folder is Lade_Tabellen in store/firmentabellen.h.
void Lade_Tabellen(Tabellenspeicher& speicher, const std::filesystem::path& datendir);

} // namespace pelmark
