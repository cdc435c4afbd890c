#pragma once
// Where the masses, wind loads and support spans of the design-data page come
// from: their rules and the pipe cells they are computed from.

#include "form/mainform.h"

namespace pelmark {

void Lasten_Herkunft(Mainform& f);

} // namespace pelmark
