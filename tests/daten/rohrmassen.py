"""Pipe masses: the program's formula on P_Din.CSV against EN 10220 masses.

The program computes m = (pi (D/2)² - pi (d/2)²) / 1000 * rho with d = D - 2s
in mm and rho in kg/dm³; EN 10220 tabulates M = 0.0246615 (D - T) T rounded to
three significant digits."""
import math
from gemeinsam import Pruefer, matrix, zelle_lesen, strikt_lesen

# (outside diameter, wall, mass per metre in kg/m as printed in EN 10220)
EN10220 = [(17.2, 1.8, 0.684), (21.3, 2.0, 0.952), (26.9, 2.3, 1.40), (33.7, 2.6, 1.99),
           (42.4, 2.6, 2.55), (48.3, 2.6, 2.93), (60.3, 2.9, 4.11), (76.1, 2.9, 5.24),
           (88.9, 3.2, 6.76), (114.3, 3.6, 9.83), (139.7, 4.0, 13.4), (168.3, 4.5, 18.2),
           (219.1, 6.3, 33.1), (273.0, 6.3, 41.4), (323.9, 7.1, 55.5), (406.4, 8.8, 86.3)]


def masse(d_aussen, s, dichte=7.85):
    d_innen = d_aussen - 2 * s
    return (math.pi * (d_aussen / 2) ** 2 - math.pi * (d_innen / 2) ** 2) / 1000 * dichte


def main():
    p = Pruefer()
    rohr = matrix("P_Din.CSV", 7)
    paare = {}
    for z in rohr[1:]:
        da = zelle_lesen(z[1])
        for w in z[2:]:
            s = strikt_lesen(w)
            if s is not None:
                paare[(da, s)] = True
    geprueft = 0
    for da, s, m in EN10220:
        if not p.pruefe((da, s) in paare, f"{da} x {s} is not in P_Din.CSV"):
            continue
        geprueft += 1
        rechnung = masse(da, s)
        p.pruefe(abs(rechnung - m) <= 0.006 * m, f"{da} x {s}: {rechnung:.4f} kg/m, EN 10220 {m}")
        p.pruefe(abs(rechnung - 0.0246615 * (da - s) * s) < 1e-3, f"{da} x {s}: formula mismatch")
    p.pruefe(geprueft >= 10, f"only {geprueft} sizes compared")
    # the steel density of the first materials is the one EN 10220 assumes
    p.pruefe(zelle_lesen(matrix("Material.CSV", 7)[1][4]) == 7.85, "first material density")
    p.ende()


if __name__ == "__main__":
    main()
