#!/usr/bin/python3
"""Free tables of InfoTabellen/: line 0 the column widths in pixels, line 1
the headings, then the rows (Windows-1252, CR LF, decimal comma)."""
from fractions import Fraction
from csvdatei import schreibe, INFOTABELLEN, zahl
from rohre import DIN_GROESSEN, DIN_REIHEN


def tabelle(datei, breiten, kopf, zeilen):
    schreibe(datei, ";".join(str(b) for b in breiten), [kopf] + zeilen, INFOTABELLEN)


def anziehmomente():
    # VDI 2230-1 table A1: shaft bolts, metric coarse thread, mu_G = mu_K = 0.12,
    # 90 % utilisation of the yield point; Nm.
    werte = [("M6", 10.1, 14.9, 17.4), ("M8", 24.6, 36.1, 42.2), ("M10", 48, 71, 83),
             ("M12", 84, 123, 144), ("M14", 133, 195, 229), ("M16", 206, 302, 354),
             ("M18", 290, 414, 484), ("M20", 410, 580, 690), ("M22", 560, 800, 930),
             ("M24", 710, 1000, 1190), ("M27", 1050, 1500, 1750), ("M30", 1420, 2000, 2400),
             ("M33", 1930, 2700, 3200), ("M36", 2480, 3500, 4100)]
    tabelle("Anziehdrehmomente_VDI2230.CSV", [80, 120, 120, 120],
            ["Gewinde", "8.8 [Nm]", "10.9 [Nm]", "12.9 [Nm]"], [list(w) for w in werte])


def rohrgewinde():
    # ISO 228-1 / EN 10226-1: designation, threads per inch, major diameter (mm)
    werte = [("1/8", 28, 9.728), ("1/4", 19, 13.157), ("3/8", 19, 16.662), ("1/2", 14, 20.955),
             ("3/4", 14, 26.441), ("1", 11, 33.249), ("1 1/4", 11, 41.910), ("1 1/2", 11, 47.803),
             ("2", 11, 59.614), ("2 1/2", 11, 75.184), ("3", 11, 87.884), ("4", 11, 113.030)]
    zeilen = [[f"G {g}", n, zahl(round(25.4 / n, 3)), zahl(d)] for g, n, d in werte]
    tabelle("Rohrgewinde_ISO228.CSV", [80, 110, 110, 150],
            ["Gewinde", "Gänge je Zoll", "Steigung [mm]", "Außendurchmesser [mm]"], zeilen)


def schluesselweiten():
    metrisch = [("M6", 10), ("M8", 13), ("M10", 16), ("M12", 18), ("M14", 21), ("M16", 24),
                ("M18", 27), ("M20", 30), ("M22", 34), ("M24", 36), ("M27", 41), ("M30", 46),
                ("M33", 50), ("M36", 55), ("M39", 60), ("M42", 65), ("M45", 70), ("M48", 75),
                ("M52", 80), ("M56", 85)]
    zeilen = [[g, sw, "ISO 4032"] for g, sw in metrisch]
    # ASME B18.2.2 heavy hex nuts: width across flats = 1.5 D + 1/8 in
    for d in ("1/2", "5/8", "3/4", "7/8", "1", "1 1/8", "1 1/4", "1 3/8", "1 1/2", "1 5/8",
              "1 3/4", "1 7/8", "2"):
        teile = d.split()
        wert = sum(Fraction(t) for t in teile)
        sw = Fraction(3, 2) * wert + Fraction(1, 8)
        zeilen.append([f'{d}"', zahl(round(float(sw) * 25.4, 1)), f"B18.2.2 ({_bruch(sw)} Zoll)"])
    tabelle("Schluesselweiten.CSV", [90, 110, 170], ["Gewinde", "SW [mm]", "Norm"], zeilen)


def _bruch(f):
    ganz = int(f)
    rest = f - ganz
    return f"{ganz} {rest.numerator}/{rest.denominator}" if rest else str(ganz)


def zoll_mm():
    zeilen = []
    for sechzehntel in range(1, 65):
        f = Fraction(sechzehntel, 16)
        zeilen.append([_bruch(f) if f >= 1 else f"{f.numerator}/{f.denominator}",
                       zahl(round(float(f) * 25.4, 3))])
    tabelle("Zoll_in_mm.CSV", [100, 110], ["Zoll", "mm"], zeilen)


def rohrgewichte():
    zeilen = []
    name, waende = DIN_REIHEN[0]
    for (dn, da, _n), s in zip(DIN_GROESSEN, waende):
        d = da - 2 * s
        leer = 0.0246615 * (da - s) * s
        wasser = 3.141592653589793 * d * d / 4 / 1000
        zeilen.append([f"DN {dn}", zahl(da), zahl(s), zahl(round(leer, 2)), zahl(round(wasser, 2)),
                       zahl(round(leer + wasser, 2))])
    tabelle("Rohrgewichte_wassergefuellt.CSV", [70, 80, 70, 110, 110, 120],
            ["DN", "da [mm]", "s [mm]", "Rohr [kg/m]", "Wasser [kg/m]", "gefüllt [kg/m]"], zeilen)


def haertevergleich():
    # EN ISO 18265 table A.1 (unalloyed and low-alloy steels), rounded
    werte = [(100, 95, 320, None), (150, 143, 480, None), (200, 190, 640, None),
             (250, 238, 800, 22.2), (300, 285, 965, 29.8), (350, 333, 1115, 35.5),
             (400, 380, 1290, 40.8), (450, 428, 1455, 45.3), (500, None, 1620, 49.1),
             (550, None, 1810, 52.3), (600, None, 1995, 55.2)]
    zeilen = [[hv, hb, rm, hrc] for hv, hb, rm, hrc in werte]
    tabelle("Haertevergleich.CSV", [80, 80, 110, 80], ["HV", "HB", "Rm [N/mm²]", "HRC"], zeilen)


def main():
    anziehmomente()
    rohrgewinde()
    schluesselweiten()
    zoll_mm()
    rohrgewichte()
    haertevergleich()


if __name__ == "__main__":
    main()
