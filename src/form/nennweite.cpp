#include "form/nennweite.h"

namespace pelmark {

std::string Nennweite_mit_Norm(const Maske& m, const std::string& eintrag) {
    if (!m.RB_ANSI_Rohr.Checked || eintrag.empty() || eintrag.rfind("NPS", 0) == 0) {
        return eintrag;
    }
    return "NPS " + eintrag;
}

std::string Gewaehlte_Nennweite(const Maske& m) {
    return Nennweite_mit_Norm(m, m.LB_AD1.Auswahltext());
}

} // namespace pelmark
