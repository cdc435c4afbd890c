#pragma once
// Masses per metre and wind loads per metre of a line. Lengths in mm, masses
// in kg/m, densities in kg/dm³, the wind pressure in N/m², loads in N/m. Each
// intermediate result is kept as a double in the order the formulas name it.

namespace pelmark {

// Insulation at 0.2 kg/dm³ and a cladding sheet of 1 mm at 2.75 kg/dm³.
inline constexpr double Spez_Gew_Isolierung = 0.2;
inline constexpr double Blechstaerke = 1.0;
inline constexpr double Spez_Gew_Blech = 2.75;
// Shape factor of the circular pipe in the wind.
inline constexpr double Formbeiwert_Rohr = 0.75;

// The pipe wall: outside diameter D, wall thickness s, density of the material.
double masse_Leitung_rechnen(double D, double s, double Gamma_Rohr_Traeger);

// The filling of the bore D - 2s at the density gamma.
double masse_Fuellung_rechnen(double D, double s, double gamma);

// Insulation of thickness t around D, and its cladding on the mean diameter.
double masse_Isolierung_rechnen(double D, double t);

// Wind on the outside diameter D + 2t.
double Windlast_rechnen(double D, double t, double Winddruck);

// The resultant load per cm of a weight M in kg/m and a wind load W in N/m
// (10 N taken as 1 kg).
double Centimetergewicht(double M, double W);

} // namespace pelmark
