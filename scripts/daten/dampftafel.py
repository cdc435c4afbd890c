#!/usr/bin/python3
"""Dampftabelle.CSV: saturated water and steam by IAPWS-IF97.

Columns: pressure (bar absolute), saturation temperature (°C), specific volume
of the saturated vapour v'' (m³/kg), enthalpy of the saturated vapour h''
(kJ/kg), heat of evaporation r = h'' - h' (kJ/kg). Row 0 repeats the captions
(never searched); the searched rows run from the triple point to 220 bar,
strictly ascending, with closer steps at low pressure.
Computed with python3-iapws (IAPWS97, region 4 for the saturation line).
"""
from csvdatei import schreibe

P_TRIPEL = 0.00611657  # bar, IAPWS-IF97 triple-point pressure (611.657 Pa)


def druecke():
    """Pressures in bar, ascending; about 290 values."""
    werte = [P_TRIPEL]
    stufen = [
        (0.007, 0.02, 0.001),
        (0.02, 0.1, 0.005),
        (0.1, 0.5, 0.02),
        (0.5, 2.0, 0.05),
        (2.0, 6.0, 0.1),
        (6.0, 20.0, 0.5),
        (20.0, 60.0, 1.0),
        (60.0, 220.0, 2.0),
    ]
    for anfang, ende, schritt in stufen:
        n = round((ende - anfang) / schritt)
        for i in range(n):
            werte.append(round(anfang + i * schritt, 6))
    werte.append(220.0)
    return werte


def zustand(p_bar):
    from iapws import IAPWS97
    flue = IAPWS97(P=p_bar / 10.0, x=0)
    damp = IAPWS97(P=p_bar / 10.0, x=1)
    return damp.T - 273.15, damp.v, damp.h, damp.h - flue.h


def format_p(p):
    return f"{p:.6g}"


def zeilenwerte(p):
    """The five printed texts of one pressure (decimal point)."""
    t, v, h, r = zustand(p)
    return [format_p(p), f"{t:.2f}", f"{v:.5g}", f"{h:.1f}", f"{r:.1f}"]


def zeilen():
    z = [["P [bar a]", "t [°C]", "V'' [m³/kg]", "h'' [kJ/kg]", "r [kJ/kg]"]]
    for p in druecke():
        z.append([w.replace(".", ",") for w in zeilenwerte(p)])
    return z


def main():
    schreibe("Dampftabelle.CSV",
             "Sattdampftafel nach IAPWS-IF97 (Druck, Temperatur, v'', h'', r)", zeilen())


if __name__ == "__main__":
    main()
