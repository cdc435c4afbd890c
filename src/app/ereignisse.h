#pragma once
// The event table: which handler each control's click, change, leave or key
// release runs, and the one place that runs a handler and turns the core's
// error into the error box titled "Pelmark".

#include "form/mainform.h"

#include <exception>
#include <string_view>

namespace pelmark {

enum class Ereignis { Klick, Aenderung, Verlassen, Taste };

using Handler = void (*)(Mainform& f, int taste);

struct Ereigniseintrag {
    const char* Steuerelement;
    Ereignis Art;
    const char* Handlername;
    Handler Ausfuehren;
};

// The entry for that control and event, or nullptr when the event runs nothing.
const Ereigniseintrag* Finde_Ereignis(std::string_view steuerelement, Ereignis art);

// Runs fn; an error ends it at that point and is shown in the error box.
template <typename Fn> void Sicher_ausfuehren(Mainform& f, Fn&& fn) {
    try {
        fn();
    } catch (const std::exception& fehler) {
        Zeige_Fehler(f, fehler.what());
    }
}

// Runs the handler of that control and event (if any) through Sicher_ausfuehren.
// Returns false when the event table names none.
bool Loese_aus(Mainform& f, std::string_view steuerelement, Ereignis art, int taste = 0);

// True for the "ENDE" buttons, which close the main window.
bool Ist_Ende_Knopf(std::string_view steuerelement);

} // namespace pelmark
