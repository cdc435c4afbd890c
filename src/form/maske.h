#pragma once
// The form model: one member per control, named exactly as the control, and
// one index from control name to field that the Qt binder and the scenario
// runner share. Display routines read and write these members; nothing else
// holds the state of a control.

#include "form/maske_felder.h"

#include <map>
#include <string>
#include <variant>

namespace pelmark {

#define PELMARK_DEKLARATION(Typ, Name, ...) Typ Name = __VA_ARGS__;

struct Seite_Rohrteile {
    PELMARK_SEITE_ROHRTEILE(PELMARK_DEKLARATION)
};
struct Seite_Armaturen {
    PELMARK_SEITE_ARMATUREN(PELMARK_DEKLARATION)
};
struct Seite_Lager {
    PELMARK_SEITE_LAGER(PELMARK_DEKLARATION)
};
struct Seite_Profile {
    PELMARK_SEITE_PROFILE(PELMARK_DEKLARATION)
};
struct Seite_Optionen {
    PELMARK_SEITE_OPTIONEN(PELMARK_DEKLARATION)
};
struct Seite_Konstruktionsdaten {
    PELMARK_SEITE_KONSTRUKTION(PELMARK_DEKLARATION)
};
struct Seite_Dehnung {
    PELMARK_SEITE_DEHNUNG(PELMARK_DEKLARATION)
};
struct Seite_Tabellen {
    PELMARK_SEITE_TABELLEN(PELMARK_DEKLARATION)
};
struct Seite_Formeln {
    PELMARK_SEITE_FORMELN(PELMARK_DEKLARATION)
};
struct Seite_Massumwandlung {
    PELMARK_SEITE_MASSUMWANDLUNG(PELMARK_DEKLARATION)
};
struct Seite_Rohrbau {
    PELMARK_SEITE_ROHRBAU(PELMARK_DEKLARATION)
};
struct Reiterseiten {
    PELMARK_REITERSEITEN(PELMARK_DEKLARATION)
};
struct Tafeln_und_Dialoge {
    PELMARK_TAFELN_UND_DIALOGE(PELMARK_DEKLARATION)
};
struct Schablonen {
    PELMARK_SCHABLONEN(PELMARK_DEKLARATION)
};

#undef PELMARK_DEKLARATION

using Feldzeiger = std::variant<Edit*, Liste*, Schalter*, Beschriftung*, Textblock*, Gitter*, Bild*,
                                Knopf*, Infofenster*, Ordnerliste*, Dateidialog*>;

// The tab pages in tab order: caption and page name; the page "Rohrbau"
// follows the ten.
struct Seitenbeschreibung {
    const char* Caption;
    const char* Name;
};
inline constexpr Seitenbeschreibung Seiten[11] = {
    {"Maße Rohrteile", "TS_Rohrteile"},
    {"Maße Armaturen", "TS_Armaturen"},
    {"Maße Lager", "TS_Lager"},
    {"Maße Profile", "TS_Profile"},
    {"Optionen", "TS_Berechnungswerte"},
    {"Konstruktionsdaten", "TS_Konstruktionsdaten"},
    {"Dehnung, Durchfluss, Dampftafel", "TS_Dehnung"},
    {"Tabellen", "TS_Tabellen"},
    {"Formeln", "TS_Graphiken"},
    {"Massumwandlung", "TS_Massumwandlung"},
    {"Rohrbau", "TS_Rohrbau"},
};

struct Maske : Seite_Rohrteile,
               Seite_Armaturen,
               Seite_Lager,
               Seite_Profile,
               Seite_Optionen,
               Seite_Konstruktionsdaten,
               Seite_Dehnung,
               Seite_Tabellen,
               Seite_Formeln,
               Seite_Massumwandlung,
               Seite_Rohrbau,
               Reiterseiten,
               Tafeln_und_Dialoge,
               Schablonen {
    Maske();
    Maske(const Maske&) = delete;
    Maske& operator=(const Maske&) = delete;

    // The two information windows, created hidden.
    Infofenster F_Programminfo{Infofenster::Zustand::zu, "Hilfe1_SW.RTF", {}, {}, {}};
    Infofenster F_Geschwindigkeitsinfo{Infofenster::Zustand::zu, "Hilfe2.RTF", {}, {}, {}};

    // The field of that name, or nullptr.
    const Feldzeiger* Finde(const std::string& name) const;
    const std::map<std::string, Feldzeiger>& Felder() const { return felder_; }

    // Switches a radio button on and the others of its group off.
    void Radio_ein(Schalter& schalter);

  private:
    void Verzeichne(const char* name, Feldzeiger feld);
    std::map<std::string, Feldzeiger> felder_;
};

} // namespace pelmark
