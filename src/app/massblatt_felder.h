#pragma once
// The value fields of the dimension pages as the sheet lists them: group,
// control, German caption, unit and which tables the value comes from.

#include <array>
#include <span>

namespace pelmark {

// Tables a value is read or computed from; a derived value names its inputs.
enum class Quelle {
    Rohre,
    Boegen,
    Boegen_berechnet,
    T_Stuecke,
    Reduzierungen,
    Kappen,
    Flansche,
    Schrauben_berechnet,
    Bogen_Flansch,
    Bogen_T,
    T_Flansch,
    Armaturen,
    Lager,
    Profil
};

struct Feldbeschreibung {
    const char* Feld;
    const char* Beschriftung;
    const char* Einheit; // "" for a count; "L_Schr_dm" takes that label's text
    Quelle Herkunft;
};

struct Gruppenbeschreibung {
    const char* Titel;
    std::array<const char*, 3> Skizzen; // nullptr where none
    std::span<const Feldbeschreibung> Felder;
};

std::span<const Gruppenbeschreibung> Rohrleitungsgruppen();
std::span<const Gruppenbeschreibung> Profilgruppen();

// The series label beside a valve's length field, or nullptr.
const char* Reihenbeschriftung(const char* feld);

} // namespace pelmark
