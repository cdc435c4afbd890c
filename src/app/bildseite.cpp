// The page "Formeln": a JPEG picture chosen by the user.
#include "app/handler.h"

namespace pelmark {

void B_Graphik_ladenClick(Mainform&) {}

} // namespace pelmark
