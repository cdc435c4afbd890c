#pragma once
// Thermal expansion of a straight steel line heated from 20 °C, and the two
// end forces of a bending leg treated as a cantilever. Lengths in mm, the
// coefficients Beta20 in 1e-6/K and Delta_Beta in 1e-6/K², forces in N.

namespace pelmark {

inline constexpr double Ausgangstemperatur = 20.0; // °C

struct Ausdehnung {
    double Beta20;
    double Delta_Beta;
};

// Growth in mm of the length L (mm) heated from T0 to T (°C). The mean
// coefficient holds from 20 °C, so the growth from T0 is that from 20 °C to T
// less that from 20 °C to T0.
double Berechnen_Rohrdehnung(double L, double T, const Ausdehnung& a,
                             double T0 = Ausgangstemperatur);

// The length in mm whose growth from T0 up to T is dL.
double Berechnen_Laenge_aus_Dehnung(double dL, double T, const Ausdehnung& a,
                                    double T0 = Ausgangstemperatur);

// A leg of the pipe: section modulus w (cm³), second moment I (cm⁴), the
// modulus E (N/mm²) and the allowable stress sigma (N/mm²).
struct Biegeschenkel {
    double w;
    double I;
    double E;
    double sigma;
};

// The end force at which the bending stress at the root of a leg x reaches sigma.
double Fmax(const Biegeschenkel& s, double x);

// The end force that bends a leg x by delta.
double Ferf(const Biegeschenkel& s, double delta, double x);

} // namespace pelmark
