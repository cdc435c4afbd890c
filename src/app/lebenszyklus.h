#pragma once
// The life of the program: program entry, creating the main window, the
// activation load on every return of the focus, the one-shot timer and the
// close that writes Style.INI.

#include "form/mainform.h"

namespace pelmark {

// Program entry before the main window exists: selects the style "Luna".
void Programmstart(Mainform& f);

// Directories, style chooser and Style.INI, decimal separator, start values.
void FormCreate(Mainform& f);

// The activation load: all 32 tables, the unit-conversion page, every list.
void FormActivate(Mainform& f);

// Once, a second after start: the first free table on the tables page.
void Timer1Timer(Mainform& f);

// Creates a missing data directory, writes Style.INI, restores the separator.
void FormClose(Mainform& f);

// Activation of an information window: loads its document.
void Infofenster_Activate(Mainform& f, Infofenster& fenster);

// The close button of an information window.
void Infofenster_schliessen(Mainform& f, Infofenster& fenster);

} // namespace pelmark
