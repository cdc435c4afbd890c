#include "app/nennweitenkopplung.h"

#include "store/nennweiten.h"

namespace pelmark {

namespace {

int Index_mit_DN(const Liste& liste, int dn) {
    for (int i = 0; i < liste.Count(); ++i) {
        if (DN_von_Eintrag(liste.Items[static_cast<size_t>(i)]) == dn) {
            return i;
        }
    }
    return -1;
}

int DN_der_Auswahl(const Liste& liste) {
    return DN_von_Eintrag(liste.Auswahltext()).value_or(-1);
}

} // namespace

int Gleiche_Groesse(const Liste& quelle, const Liste& ziel) {
    if (quelle.ItemIndex < 0 || quelle.ItemIndex >= quelle.Count()) {
        return -1;
    }
    const int dn = DN_der_Auswahl(quelle);
    if (dn > 0) {
        return Index_mit_DN(ziel, dn);
    }
    // Entries that name no size are matched by their text.
    for (int i = 0; i < ziel.Count(); ++i) {
        if (ziel.Items[static_cast<size_t>(i)] == quelle.Auswahltext()) {
            return i;
        }
    }
    return -1;
}

Gewaehlte_Groessen Groessen_merken(const Maske& m) {
    return {DN_der_Auswahl(m.LB_AD1), DN_der_Auswahl(m.LB_AD2)};
}

void Groessen_zurueck(Maske& m, const Gewaehlte_Groessen& g) {
    // A size the other standard lacks (DN 10, DN 700 and up) leaves the
    // first size selected, as the refill does.
    const int i1 = g.DN1 > 0 ? Index_mit_DN(m.LB_AD1, g.DN1) : -1;
    if (i1 >= 0) {
        for (Liste* liste : {&m.LB_AD1, &m.LB_Armaturen_NW, &m.LB_Lager_NW, &m.LB_DN1}) {
            liste->ItemIndex = i1 < liste->Count() ? i1 : -1;
        }
        m.LB_NW.ItemIndex = Gleiche_Groesse(m.LB_AD1, m.LB_NW);
    }
    const int i2 = g.DN2 > 0 ? Index_mit_DN(m.LB_AD2, g.DN2) : -1;
    if (i2 >= 0) {
        for (Liste* liste : {&m.LB_AD2, &m.LB_DN2}) {
            liste->ItemIndex = i2 < liste->Count() ? i2 : -1;
        }
    }
}

} // namespace pelmark
