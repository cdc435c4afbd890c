#pragma once
// Accessible names: every field, list, drop-down list and grid of a window
// is named for a screen reader by its caption on the page, found once, from
// the layout, for every widget alike:
//   - in a grid, the caption left of it in its row ("Blattdm."), with the
//     bold heading of its column before it where there is one
//     ("GL02, FL02, FP03 Höhe h"); without a row caption, the caption above
//     it ("Normal"); past other fields between;
//   - in a box, the caption before it ("DN1");
//   - else the same for the strip or column that holds it;
// units ("mm", "[m]") and value labels (L_…) are no captions. The few
// controls the page shows without a caption take a name from a short table.

class QWidget;

namespace pelmark::ui {

// Names every such widget below `wurzel` that has no accessible name yet.
void Zugangsnamen_setzen(QWidget* wurzel);

} // namespace pelmark::ui
