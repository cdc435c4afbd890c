#pragma once
// The page "Formeln": a JPEG picture chosen by the user, fitted to its area.

#include "form/mainform.h"

#include <string>

namespace pelmark {

inline constexpr int Max_Hoehe = 465;
inline constexpr int Max_Breite = 763;

struct Bildgroesse {
    int Breite;
    int Hoehe;
};

// The size Image1 takes for a picture of that size, given its current size.
Bildgroesse Bildflaeche(int bildbreite, int bildhoehe, Bildgroesse bisher);

// Decodes the file into jpegImg and shows it in Image1 at the fitted size.
void Bildanzeige_Aktualisieren(Mainform& f, const std::string& Dateiname);

} // namespace pelmark
