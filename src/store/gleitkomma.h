#pragma once
// Explicit floating-point fault detection. A calculation step that divides by
// zero, produces an invalid operation or overflows raises the system's message
// exactly at that step, so the routine ends there with the fields before it
// already written.

#include "store/fehler.h"

#include <cmath>

namespace pelmark::gk {

// Raises "Ungültige Gleitkommaoperation" for NaN and "Gleitkommaüberlauf" for
// an infinite result; returns the value otherwise.
template <typename T> T pruefe(T wert) {
    if (std::isnan(wert)) {
        throw Fehler(meldung::Ungueltige_Operation);
    }
    if (std::isinf(wert)) {
        throw Fehler(meldung::Ueberlauf);
    }
    return wert;
}

// a / b with the platform's division faults: x / 0 divides by zero, 0 / 0 is invalid.
template <typename T> T teile(T a, T b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a)) {
            throw Fehler(meldung::Ungueltige_Operation);
        }
        throw Fehler(meldung::Division_durch_Null);
    }
    return pruefe(a / b);
}

// Square root of a negative number is an invalid operation.
template <typename T> T wurzel(T a) {
    if (a < 0 || std::isnan(a)) {
        throw Fehler(meldung::Ungueltige_Operation);
    }
    return std::sqrt(a);
}

} // namespace pelmark::gk
