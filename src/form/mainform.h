#pragma once
// The form context: the process-wide state of the main window in one object,
// passed by reference to every display routine and handler. It holds the
// table store, the global calculation values, the directories, the program's
// decimal separator, the form model and the platform.
//
//   Umgebung (platform)  <--  handlers (app)  -->  displays (components, calc)
//                                   |                      |
//                                   v                      v
//                               Maske (every control)   Tabellenspeicher

#include "form/maske.h"
#include "form/tabellenstand.h"
#include "form/umgebung.h"
#include "media/jpeg.h"
#include "store/tabellenspeicher.h"

#include <cstdint>
#include <memory>
#include <string>

namespace pelmark {

struct Dampfrecord {
    std::string P, t, V, h, r;
};

struct Mainform {
    Mainform(Umgebung& umgebung, std::string programmdir, char systemdezimal)
        : Plattform(umgebung), Programmdir(std::move(programmdir)),
          Systemdezimalseparator(systemdezimal), Dezimal(systemdezimal) {}

    Umgebung& Plattform;
    Tabellenspeicher Speicher;
    Maske maske;

    // Directories, each with a trailing separator.
    std::string Programmdir;
    std::string Datendir;
    std::string InfoTabellendir;

    // The system's decimal separator as found at start, and the program's own.
    char Systemdezimalseparator;
    char Dezimal;

    // The global calculation values.
    double Winddruck = 0;
    double e_Modul = 0;
    double SigmaB = 0;
    double SigmaE = 0;
    double Gamma_Rohr_Traeger = 0;
    double Beta20 = 0;
    double Delta_Beta = 0;
    std::string Materialname;
    std::int32_t Art = 1;
    double Q = 0;
    double Id = 0;
    double w = 0;
    Dampfrecord Dampfwerte;

    // The active visual style (catalogue spelling).
    std::string Stil;

    bool Timer1_aktiv = false;
    Jpegbild jpegImg; // the picture of the page "Formeln"
    bool Geschlossen = false;
    // The mode and program folder, shown at the end of the program
    // information ("Betriebsart: …"); empty where no mode was decided.
    std::string Betriebsinfo;

    // An activation load has filled the lists: later loads keep the selections.
    bool Geladen = false;

    // The browser edition has no page of cut templates: its form leaves their
    // panels as they start instead of working out curves nobody sees.
    bool Ohne_Schablonen = false;

    // The free table as read or saved last, against which edits are found.
    Tabellenstand Freie_Tabelle;
    // The design office's company folder laid over the tables (with trailing
    // separator; empty: none), and the fault last reported about it, so one
    // fault gives one message however many loads meet it.
    std::string Firmenordner;
    std::string Firmenmeldung;
};

// The error box text: a full stop is appended when the last character's code
// lies above that of the full stop.
std::string Mit_Schlusspunkt(const std::string& meldung);

// Shows an error message box titled "Pelmark".
void Zeige_Fehler(Mainform& f, const std::string& meldung);

// Shows a program message (information, warning or plain box) titled "Pelmark".
void Zeige_Hinweis(Mainform& f, Meldungsart art, const std::string& text);

} // namespace pelmark
