#!/usr/bin/python3
"""Material.CSV: pipe and structural steels.

Line 1 holds the seven captions, every further line one material: name,
modulus of elasticity E at 20 °C (N/mm²), tensile strength Rm (N/mm², lower
bound of the standard's range), yield strength ReH or Rp0,2 (N/mm², wall up to
16 mm), density (kg/dm³), expansion coefficient beta20 (1e-6/K) and its
increase per kelvin dbeta (1e-6/K²).

The two expansion values describe the mean coefficient between 20 °C and T as
beta20 + dbeta * (T - 20) / 2; they are fitted (least squares) to the mean
coefficients tabulated for 100, 200, 300, 400 and 500 °C.
"""
from csvdatei import schreibe

# Mean coefficient of linear expansion 20 °C -> T (1e-6/K) for T = 100..500 °C.
FERRITISCH = [12.0, 12.5, 13.0, 13.6, 14.1]      # EN 13480-3 / EN 10216-2 annex, C, CMn, Mo, CrMo
AUSTENIT_4301 = [16.0, 16.5, 17.0, 17.5, 18.0]   # EN 10088-1, 1.4301 / 1.4307
AUSTENIT_4571 = [16.5, 17.0, 17.5, 18.0, 18.5]   # EN 10088-1, 1.4571 / 1.4404

TEMPERATUREN = [100, 200, 300, 400, 500]


def ausgleich(mittelwerte):
    """Least-squares fit of beta_m(T) = beta20 + dbeta/2 * (T - 20)."""
    xs = [t - 20 for t in TEMPERATUREN]
    n = len(xs)
    mx = sum(xs) / n
    my = sum(mittelwerte) / n
    steigung = sum((x - mx) * (y - my) for x, y in zip(xs, mittelwerte)) / \
        sum((x - mx) ** 2 for x in xs)
    beta20 = my - steigung * mx
    return round(beta20, 2), round(2 * steigung, 4)


# name, E, Rm, ReH, density, expansion table, source
MATERIALIEN = [
    ("P235GH (1.0345)", 212000, 360, 235, 7.85, FERRITISCH, "EN 10216-2 / EN 10028-2"),
    ("P265GH (1.0425)", 212000, 410, 265, 7.85, FERRITISCH, "EN 10216-2 / EN 10028-2"),
    ("16Mo3 (1.5415)", 212000, 450, 280, 7.85, FERRITISCH, "EN 10216-2"),
    ("13CrMo4-5 (1.7335)", 212000, 440, 290, 7.85, FERRITISCH, "EN 10216-2"),
    ("10CrMo9-10 (1.7380)", 212000, 480, 280, 7.85, FERRITISCH, "EN 10216-2"),
    ("X5CrNi18-10 (1.4301)", 200000, 500, 195, 7.90, AUSTENIT_4301, "EN 10216-5 / EN 10088-1"),
    ("X6CrNiMoTi17-12-2 (1.4571)", 200000, 500, 210, 8.00, AUSTENIT_4571, "EN 10216-5 / EN 10088-1"),
    ("S235JR (1.0038)", 210000, 360, 235, 7.85, FERRITISCH, "EN 10025-2 / EN 1993-1-1"),
    ("S355J2 (1.0577)", 210000, 470, 355, 7.85, FERRITISCH, "EN 10025-2 / EN 1993-1-1"),
    ("L245 (EN ISO 3183)", 210000, 415, 245, 7.85, FERRITISCH, "EN ISO 3183"),
    ("A106 Gr. B", 203000, 415, 240, 7.85, FERRITISCH, "ASTM A106 / ASME B31.3"),
    ("A312 TP304L", 195000, 485, 170, 7.90, AUSTENIT_4301, "ASTM A312 / ASME B31.3"),
]

UEBERSCHRIFTEN = ["Werkstoff", "E-Modul [N/mm²]", "Rm [N/mm²]", "ReH [N/mm²]",
                  "Dichte [kg/dm³]", "Beta20 [1e-6/K]", "dBeta [1e-6/K²]"]


def main():
    zeilen = [UEBERSCHRIFTEN]
    for name, e, rm, reh, dichte, tabelle, _quelle in MATERIALIEN:
        beta20, dbeta = ausgleich(tabelle)
        zeilen.append([name, e, rm, reh, dichte, beta20, dbeta])
    schreibe("Material.CSV", "Werkstoffkennwerte bei 20 °C", zeilen)


if __name__ == "__main__":
    main()
