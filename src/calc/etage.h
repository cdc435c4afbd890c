#pragma once
// The geometry of the fitter's offset: two elbows of angle α and a pipe
// between two parallel runs. An offset in one plane (Etage) has the offset H;
// a rolling offset (Raumetage) has H and a side offset S, which together make
// the true offset T = √(H² + S²) in the plane the elbows are turned into.
// Either α is given and the run follows, or the run is fixed and α follows.
// The cut length of the pipe is the travel less both elbows' take-outs and
// both weld gaps. An elbow cut from a 90° elbow has its marks on the back,
// the throat and the centre line.
//
// Every value is a Mass: a number, or none with the reason a fitter reads in
// the field's tooltip. A value computed from a missing one is missing with
// the first reason.

#include <optional>
#include <string>

namespace pelmark {

struct Mass {
    std::optional<double> Wert;
    std::string Grund; // why there is no value

    static Mass Mit(double wert) { return {wert, {}}; }
    static Mass Ohne(std::string grund) { return {std::nullopt, std::move(grund)}; }
    bool Da() const { return Wert.has_value(); }
};

// The elbow angle of the fitter's tables and angle gauges: 1° to 90°.
inline constexpr double Winkel_kleinster = 1;
inline constexpr double Winkel_groesster = 90;

struct Etageneingabe {
    Mass Versatz;             // H, centre to centre, mm
    Mass Seitenversatz;       // S, mm; 0 for an offset in one plane
    bool Laenge_fest = false; // the run is given instead of α
    Mass Winkel;              // α in degrees, when the run is not fixed
    Mass Laenge;              // the fixed run, mm
    Mass Spalt;               // weld gap per seam, mm
    Mass Radius;              // R of the 90° elbow, mm
};

struct Etagenergebnis {
    Mass Wahrer_Versatz;    // T
    Mass Drehwinkel;        // the elbows' turn from the vertical, degrees
    Mass Winkel;            // α used
    Mass Schraeglaenge;     // travel on the centre line
    Mass Lauf;              // run
    Mass Abzug;             // take-out L(α) of one elbow
    Mass Zuschnitt;         // cut length of the pipe between the elbows
    Mass Kleinster_Versatz; // the true offset at which the cut length is 0
};

// Take-out of an elbow of angle α (degrees) from the radius R of the 90°
// elbow: R for 90°, R · tan(α/2) otherwise.
double Bogenabzug(double radius, double winkel);

Etagenergebnis Etage_rechnen(const Etageneingabe& e);

struct Kuerzung {
    Mass Ruecken; // mark length on the back, (R + Da/2) · α
    Mass Kehle;   // on the throat, (R − Da/2) · α
    Mass Mitte;   // on the centre line, R · α
    Mass Abzug;   // take-out L(α)
};

// A 90° elbow of radius R and outside diameter Da cut to α (degrees).
Kuerzung Bogen_kuerzen(const Mass& radius, const Mass& aussendurchmesser, const Mass& winkel);

// A length or offset read from the fitter: none when negative.
Mass Nicht_negativ(Mass m, const std::string& name);

} // namespace pelmark
