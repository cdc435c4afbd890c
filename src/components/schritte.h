#pragma once
// The steps of the dimension-page refresh. One refresh reads the selection
// from the lists, copies the cells of the chosen standard's tables into the
// fields, reads some of them back as numbers and writes the derived lengths:
//
//   lists --> Auswahl --> table step (pipes, flanges, valves) --> fields
//   fields --> read-back (R, a, h, b, d) --> elbow, combined and bolt lengths
//   then the section picture and list, then the supports.

#include "form/mainform.h"
#include "store/zahlen.h"

#include <string>
#include <string_view>

namespace pelmark {

// A number that cannot be read back from a field.
inline constexpr Extended Fehlwert = -1;

// The tables of one standard.
struct Normtabellen {
    const Tabelle& Rohre;
    const Tabelle& Boegen;
    const Tabelle& T_Stuecke;
    const Tabelle& Red;
    const Tabelle& Kappen;
    const Tabelle& Flansche;
    const Tabelle& Baureihen;
    const Tabelle& Zuordnung;
    bool Ansi;
};

Normtabellen Din_Tabellen(const Tabellenspeicher& s);
Normtabellen Ansi_Tabellen(const Tabellenspeicher& s);

// The selection of one refresh, as table rows, columns and group.
struct Auswahl {
    int DN1_Zeile;
    int DN2_Zeile;
    int WD_Spalte;
    int Radius_Spalte;
    int PN_Gruppe;
};

Auswahl Lies_Auswahl(const Maske& m);

// The numbers read back from the fields; each is Fehlwert on its own.
struct Rueckwerte {
    Extended R = Fehlwert;
    Extended a = Fehlwert;
    Extended h = Fehlwert;
    Extended b = Fehlwert;
    Extended d = Fehlwert;
};

// The read-back rule: commas become points, then the strict reading; an
// unreadable text and a text reading exactly -1 both give Fehlwert.
Extended Rueckgelesen(std::string_view text);

// The same after cutting the text at its first "(".
Extended Rueckgelesen_ohne_Klammer(std::string_view text);

bool Fehlt(Extended wert);

// A computed length with one decimal (or none) and the program's separator.
std::string Laenge(const Mainform& f, Extended wert, int stellen = 1);

// Table step: pipes and fittings, flanges, valves.
void Rohrteile_eintragen(Mainform& f, const Normtabellen& t, const Auswahl& a);
void Flansche_eintragen(Mainform& f, const Normtabellen& t, const Auswahl& a);
void Armaturen_eintragen(Mainform& f, const Normtabellen& t, const Auswahl& a);

// Read-back of R and a, then h, b and d (which also sets the bolt unit label).
void Rohrteile_zuruecklesen(const Mainform& f, Rueckwerte& w);
void Flansche_zuruecklesen(Mainform& f, bool ansi, Rueckwerte& w);

// The elbow segments, then the "-" of missing inputs and the combined lengths.
void Bogensegmente_schreiben(Mainform& f, const Rueckwerte& w);
void Verbundlaengen_schreiben(Mainform& f, bool ansi, const Rueckwerte& w);

// Section picture, caption and list.
void Profilschritt(Mainform& f);

// Support fields for the DN1 row.
void Lager_eintragen(Mainform& f, int dn1_zeile);

} // namespace pelmark
