#pragma once
// The selection lists: Init_Anzeige fills every list from the table store,
// selects the defaults and computes every page; the nominal-size link keeps
// LB_AD1, LB_Armaturen_NW, LB_Lager_NW, LB_DN1 and LB_NW on one index.

#include "form/mainform.h"

namespace pelmark {

struct Auswahlstand;

// With a kept state (an activation load after the first), the refilled lists
// take back the selections the new tables still have, and the inputs, the
// switches and the material row are put back before the pages are computed.
void Init_Anzeige(Mainform& f, const Auswahlstand* behalten = nullptr);

} // namespace pelmark
