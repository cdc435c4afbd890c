#!/usr/bin/python3
"""Isol.CSV (heat protection) and Berührungsschutz.CSV (touch protection).

Mineral-wool pipe sections with metal cladding on each pipe of P_Din.CSV
(rows in the same order), for 23 medium temperatures. The thickness is the
smallest commercial thickness that satisfies the rule; the pipe wall and the
inner heat transfer are neglected (the pipe surface is at medium temperature).

Thermal conductivity of the mineral wool at the mean temperature tm of the
layer (°C):  lambda(tm) = 0.033 + 1.0e-4 tm + 3.0e-7 tm²  W/(m K)
(a typical curve of 100 kg/m³ pipe sections, cf. EN ISO 8497 measurements).
Outer heat transfer coefficient h = 7 W/(m² K): still air, metal cladding of
low emissivity (VDI 2055-1); ambient temperature 25 °C.

Heat protection: the heat loss per metre q' must not exceed
    q'max = (0.15 + 0.0025 * da[mm]) W/(m K) * (T - 25 K).
Touch protection: the cladding surface must not exceed 60 °C (EN ISO 13732-1,
contact of about 5 s with metal); no insulation below 60 °C medium temperature.
"""
import math
from csvdatei import schreibe
from rohre import DIN_GROESSEN

TEMPERATUREN = [50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300, 325, 350,
                375, 400, 425, 450, 475, 500, 525, 550, 575, 600]
DICKEN = [20, 30, 40, 50, 60, 70, 80, 90, 100, 120, 140, 160, 180, 200, 220, 240,
          260, 280, 300]  # mm, single and double layers of pipe sections
UMGEBUNG = 25.0
ALPHA_AUSSEN = 7.0
OBERFLAECHE_MAX = 60.0


def lam(tm):
    return 0.033 + 1.0e-4 * tm + 3.0e-7 * tm * tm


def waermefluss(da_mm, s_mm, t_medium):
    """Heat loss per metre (W/m) and surface temperature (°C)."""
    di = da_mm / 1000.0
    do = (da_mm + 2 * s_mm) / 1000.0
    r_aussen = 1.0 / (math.pi * do * ALPHA_AUSSEN)
    theta = UMGEBUNG
    for _ in range(50):  # lambda depends on the surface temperature
        tm = (t_medium + theta) / 2
        r_iso = math.log(do / di) / (2 * math.pi * lam(tm))
        q = (t_medium - UMGEBUNG) / (r_iso + r_aussen)
        neu = UMGEBUNG + q * r_aussen
        if abs(neu - theta) < 1e-9:
            break
        theta = neu
    return q, theta


def q_max(da_mm, t_medium):
    return (0.15 + 0.0025 * da_mm) * (t_medium - UMGEBUNG)


def waermeschutz(da_mm, t_medium):
    for s in DICKEN:
        q, _theta = waermefluss(da_mm, s, t_medium)
        if q <= q_max(da_mm, t_medium):
            return s
    return None


def beruehrungsschutz(da_mm, t_medium):
    if t_medium <= OBERFLAECHE_MAX:
        return 0
    for s in DICKEN:
        _q, theta = waermefluss(da_mm, s, t_medium)
        if theta <= OBERFLAECHE_MAX:
            return s
    return None


def tabelle(regel):
    zeilen = [["DN"] + [f"{t} °C" for t in TEMPERATUREN]]
    for dn, da, _nps in DIN_GROESSEN:
        zeilen.append([f"DN {dn}"] + [regel(da, t) for t in TEMPERATUREN])
    return zeilen


def main():
    schreibe("Isol.CSV", "Dämmdicke Wärmeschutz in mm (Mineralwolle, Regel siehe QUELLEN.md)",
             tabelle(waermeschutz))
    schreibe("Berührungsschutz.CSV",
             "Dämmdicke Berührungsschutz in mm (Oberfläche max. 60 °C bei 25 °C)",
             tabelle(beruehrungsschutz))


if __name__ == "__main__":
    main()
