#pragma once
// The display of the page "Rohrbau": reads the offset, angle or fixed run,
// side offset, weld gap and cut angle typed on the page and the elbow of the
// first page's selection, and rewrites every result of the page. A result
// without a value shows "-" with its reason in the field's origin.

#include "calc/etage.h"
#include "form/mainform.h"

namespace pelmark {

// What the page's inputs read as, each with the reason it has no value.
Etageneingabe Rohrbau_Eingaben(const Mainform& f);

void Anzeige_Rohrbau(Mainform& f);

} // namespace pelmark
