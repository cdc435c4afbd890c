#include "app/formstand.h"

#include <variant>

namespace pelmark {

namespace {

template <typename T> std::function<void()> Zuruecklegen(T& ziel) {
    return [&ziel, kopie = ziel] { ziel = kopie; };
}

} // namespace

Formstand::Formstand(Mainform& f) {
    for (const auto& [name, zeiger] : f.maske.Felder()) {
        std::visit([this](auto* feld) { zurueck_.push_back(Zuruecklegen(*feld)); }, zeiger);
    }
    for (double* wert : {&f.Winddruck, &f.e_Modul, &f.SigmaB, &f.SigmaE, &f.Gamma_Rohr_Traeger,
                         &f.Beta20, &f.Delta_Beta, &f.Q, &f.Id, &f.w}) {
        zurueck_.push_back(Zuruecklegen(*wert));
    }
    zurueck_.push_back(Zuruecklegen(f.Materialname));
    zurueck_.push_back(Zuruecklegen(f.Art));
    zurueck_.push_back(Zuruecklegen(f.Dampfwerte));
}

void Formstand::Zurueck() const {
    for (const auto& schritt : zurueck_) {
        schritt();
    }
}

} // namespace pelmark
