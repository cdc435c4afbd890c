#pragma once
// The shortest text that reads back to the same double: the shortest digits
// from {fmt}, laid out in fixed point or with an exponent, whichever is
// shorter (fixed point on a tie), as "850.5", "1100" or "1e+22".

#include <string>

namespace pelmark {

std::string Kuerzeste_Form(double wert);

} // namespace pelmark
