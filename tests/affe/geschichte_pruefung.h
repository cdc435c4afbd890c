#pragma once
// The monkey's check of history independence: at random points the window's
// form is compared with a fresh start of the core brought to the same final
// selections and inputs. The typing is taken from the monkey's own log of
// actions ("tippe NAME … Return"); before the comparison the monkey presses
// Enter in and leaves every field typed into, through Qt events, as the
// pages that compute on Enter or on leaving need.

#include "form/mainform.h"
#include "szenario/geschichte.h"

#include <string>
#include <vector>

class QWidget;

namespace pelmark::affe {

class Geschichtspruefung {
  public:
    Geschichtspruefung(std::string programm, char dezimal)
        : programm_(std::move(programm)), dezimal_(dezimal) {}

    // After each action, with the monkey's description of it.
    void Nach_Aktion(const std::string& was);
    // The program was started again.
    void Neustart();
    // False while an action of the run belongs to a fault that is being
    // fixed elsewhere (see Ausgeschlossen), or a field holds a text no
    // calculation can serve: the check would only find those faults again.
    bool Pruefbar(const Mainform& f) const;
    // Presses Enter in and leaves the fields typed into, then compares;
    // the differences, empty when the window agrees with the fresh start.
    std::vector<std::string> Pruefe(QWidget& fenster, const Mainform& f);

  private:
    std::string programm_;
    char dezimal_;
    Benutzereingaben eingaben_;
    std::vector<std::string> getippt_;
    bool ausgeschlossen_ = false;
};

} // namespace pelmark::affe
