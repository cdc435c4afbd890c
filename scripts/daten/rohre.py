#!/usr/bin/python3
"""Pipes and butt-welding fittings of both standards.

Writes P_Din.CSV, P_ANSI.CSV, E9_Din.CSV, E9_ANSI.CSV, T_Din.CSV, T_ANSI.CSV,
Red_Din.CSV, Red_Ansi.CSV, C_Din.CSV and C_Ansi.CSV. Every fitting table keeps
the row order of the pipe table of its standard: data row r belongs to the
nominal size in data row r of the pipe table.
"""
from csvdatei import schreibe, FEHLT

# --- nominal sizes ------------------------------------------------------------
# DIN: DN, outside diameter EN 10220 series 1, matching NPS (for the fittings
# that EN 10253-2 and ASME B16.9 dimension alike).
DIN_GROESSEN = [
    (10, 17.2, "3/8"), (15, 21.3, "1/2"), (20, 26.9, "3/4"), (25, 33.7, "1"),
    (32, 42.4, "1 1/4"), (40, 48.3, "1 1/2"), (50, 60.3, "2"), (65, 76.1, "2 1/2"),
    (80, 88.9, "3"), (100, 114.3, "4"), (125, 139.7, "5"), (150, 168.3, "6"),
    (200, 219.1, "8"), (250, 273.0, "10"), (300, 323.9, "12"), (350, 355.6, "14"),
    (400, 406.4, "16"), (450, 457.0, "18"), (500, 508.0, "20"), (600, 610.0, "24"),
    (700, 711.0, "28"), (800, 813.0, "32"), (900, 914.0, "36"), (1000, 1016.0, "40"),
]

# Wall-thickness series of the DIN pipe table (mm), one value per size above.
# All values are preferred wall thicknesses of EN 10220 (EN ISO 1127 for the
# stainless series); the grouping into series is stockholders' practice.
DIN_REIHEN = [
    ("Normal DIN 2448/2458",
     [1.8, 2.0, 2.3, 2.6, 2.6, 2.6, 2.9, 2.9, 3.2, 3.6, 4.0, 4.5,
      6.3, 6.3, 7.1, 8.0, 8.8, 10.0, 11.0, 12.5, 8.8, 8.8, 10.0, 10.0]),
    ("Leicht EN 10217-1",
     [1.6, 1.6, 1.6, 2.0, 2.0, 2.0, 2.3, 2.6, 2.9, 3.2, 3.6, 4.0,
      4.5, 5.0, 5.6, 5.6, 6.3, 6.3, 6.3, 6.3, 7.1, 8.0, 8.8, 10.0]),
    ("Verstärkt (~STD)",
     [2.3, 2.6, 2.6, 3.2, 3.6, 3.6, 4.0, 5.0, 5.6, 6.3, 6.3, 7.1,
      8.0, 8.8, 10.0, 10.0, 10.0, 10.0, 10.0, 10.0, 10.0, 10.0, 10.0, 10.0]),
    ("Dickwandig (~XS)",
     [3.2, 3.6, 4.0, 4.5, 5.0, 5.0, 5.6, 7.1, 8.0, 8.8, 10.0, 11.0,
      12.5, 12.5, 12.5, 12.5, 12.5, 12.5, 12.5, 12.5, 12.5, 12.5, 12.5, 12.5]),
    ("Edelstahl EN ISO 1127",
     [1.6, 2.0, 2.0, 2.6, 2.6, 2.6, 2.6, 2.9, 2.9, 3.2, 3.6, 3.6,
      4.0, 4.0, 4.5, 5.0, 5.0, 5.0, 5.6, 6.3, 7.1, 8.0, 8.0, 8.0]),
]

# ANSI: NPS, outside diameter ASME B36.10M (mm).
ANSI_GROESSEN = [
    ("1/2", 21.3), ("3/4", 26.7), ("1", 33.4), ("1 1/4", 42.2), ("1 1/2", 48.3),
    ("2", 60.3), ("2 1/2", 73.0), ("3", 88.9), ("4", 114.3), ("5", 141.3),
    ("6", 168.3), ("8", 219.1), ("10", 273.0), ("12", 323.8), ("14", 355.6),
    ("16", 406.4), ("18", 457.0), ("20", 508.0), ("24", 610.0),
]

ANSI_SCHEDULES = ["5S", "10S", "10", "20", "30", "40S", "STD", "40", "60",
                  "80S", "XS", "80", "100", "120", "140", "160", "XXS"]

_ = None
# Wall thicknesses (mm) by ASME B36.10M (carbon steel: 10 ... 160, STD, XS,
# XXS) and B36.19M (stainless: 5S, 10S, 40S, 80S); None: not listed.
ANSI_WAENDE = {
    "1/2":   [1.65, 2.11, 2.11, _, 2.41, 2.77, 2.77, 2.77, _, 3.73, 3.73, 3.73, _, _, _, 4.78, 7.47],
    "3/4":   [1.65, 2.11, 2.11, _, 2.41, 2.87, 2.87, 2.87, _, 3.91, 3.91, 3.91, _, _, _, 5.56, 7.82],
    "1":     [1.65, 2.77, 2.77, _, 2.90, 3.38, 3.38, 3.38, _, 4.55, 4.55, 4.55, _, _, _, 6.35, 9.09],
    "1 1/4": [1.65, 2.77, 2.77, _, 2.97, 3.56, 3.56, 3.56, _, 4.85, 4.85, 4.85, _, _, _, 6.35, 9.70],
    "1 1/2": [1.65, 2.77, 2.77, _, 3.18, 3.68, 3.68, 3.68, _, 5.08, 5.08, 5.08, _, _, _, 7.14, 10.15],
    "2":     [1.65, 2.77, 2.77, _, 3.18, 3.91, 3.91, 3.91, _, 5.54, 5.54, 5.54, _, _, _, 8.74, 11.07],
    "2 1/2": [2.11, 3.05, 3.05, _, 4.78, 5.16, 5.16, 5.16, _, 7.01, 7.01, 7.01, _, _, _, 9.53, 14.02],
    "3":     [2.11, 3.05, 3.05, _, 4.78, 5.49, 5.49, 5.49, _, 7.62, 7.62, 7.62, _, _, _, 11.13, 15.24],
    "4":     [2.11, 3.05, 3.05, _, 4.78, 6.02, 6.02, 6.02, _, 8.56, 8.56, 8.56, _, 11.13, _, 13.49, 17.12],
    "5":     [2.77, 3.40, 3.40, _, _, 6.55, 6.55, 6.55, _, 9.53, 9.53, 9.53, _, 12.70, _, 15.88, 19.05],
    "6":     [2.77, 3.40, 3.40, _, _, 7.11, 7.11, 7.11, _, 10.97, 10.97, 10.97, _, 14.27, _, 18.26, 21.95],
    "8":     [2.77, 3.76, 3.76, 6.35, 7.04, 8.18, 8.18, 8.18, 10.31, 12.70, 12.70, 12.70, 15.09, 18.26, 20.62, 23.01, 22.23],
    "10":    [3.40, 4.19, 4.19, 6.35, 7.80, 9.27, 9.27, 9.27, 12.70, 12.70, 12.70, 15.09, 18.26, 21.44, 25.40, 28.58, 25.40],
    "12":    [3.96, 4.57, 4.57, 6.35, 8.38, 9.53, 9.53, 10.31, 14.27, 12.70, 12.70, 17.48, 21.44, 25.40, 28.58, 33.32, 25.40],
    "14":    [3.96, 4.78, 6.35, 7.92, 9.53, _, 9.53, 11.13, 15.09, _, 12.70, 19.05, 23.83, 27.79, 31.75, 35.71, _],
    "16":    [4.19, 4.78, 6.35, 7.92, 9.53, _, 9.53, 12.70, 16.66, _, 12.70, 21.44, 26.19, 30.96, 36.53, 40.49, _],
    "18":    [4.19, 4.78, 6.35, 7.92, 11.13, _, 9.53, 14.27, 19.05, _, 12.70, 23.83, 29.36, 34.93, 39.67, 45.24, _],
    "20":    [4.78, 5.54, 6.35, 9.53, 12.70, _, 9.53, 15.09, 20.62, _, 12.70, 26.19, 32.54, 38.10, 44.45, 50.01, _],
    "24":    [5.54, 6.35, 6.35, 9.53, 14.27, _, 9.53, 17.48, 24.61, _, 12.70, 30.96, 38.89, 46.02, 52.37, 59.54, _],
}


def nps_wert(nps):
    """NPS text ('1 1/4') as a number of inches."""
    teile = nps.split()
    wert = 0.0
    for t in teile:
        if "/" in t:
            z, n = t.split("/")
            wert += int(z) / int(n)
        else:
            wert += int(t)
    return wert


# --- fittings, keyed by NPS: ASME B16.9 and EN 10253-2 share these values ----
# 90° long-radius elbow centre-to-end (B16.9 LR; DIN 2605 type 3 in mm).
B169_LR = {"1/2": 38, "3/4": 29, "1": 38, "1 1/4": 48, "1 1/2": 57, "2": 76,
           "2 1/2": 95, "3": 114, "4": 152, "5": 190, "6": 229, "8": 305,
           "10": 381, "12": 457, "14": 533, "16": 610, "18": 686, "20": 762,
           "24": 914}
# 90° short-radius elbow (B16.9 SR, from NPS 1).
B169_SR = {"1": 25, "1 1/4": 32, "1 1/2": 38, "2": 51, "2 1/2": 64, "3": 76,
           "4": 102, "5": 127, "6": 152, "8": 203, "10": 254, "12": 305,
           "14": 356, "16": 406, "18": 457, "20": 508, "24": 610}

# DIN 2605 / EN 10253-2 elbow radii by outside diameter (mm).
DIN_BAUART3 = {21.3: 28, 26.9: 29, 33.7: 38, 42.4: 48, 48.3: 57, 60.3: 76,
               76.1: 95, 88.9: 114.5, 114.3: 152.5, 139.7: 190.5, 168.3: 228.5,
               219.1: 305, 273.0: 381, 323.9: 457, 355.6: 533.5, 406.4: 609.5,
               457.0: 686, 508.0: 762, 610.0: 914.5, 711.0: 1067, 813.0: 1219,
               914.0: 1371.5, 1016.0: 1524}
DIN_BAUART2 = {21.3: 17.5, 26.9: 25, 33.7: 25, 42.4: 32, 48.3: 38, 60.3: 51,
               76.1: 63.5, 88.9: 76, 114.3: 102, 139.7: 127, 168.3: 152.5, 219.1: 203,
               273.0: 254,
               323.9: 305, 355.6: 355.5, 406.4: 406.5, 457.0: 457, 508.0: 508,
               610.0: 609.5, 711.0: 711, 813.0: 813, 914.0: 914.5, 1016.0: 1016}

# Straight tee centre-to-end C (B16.9; EN 10253-2 / DIN 2615 the same in mm).
B169_T = {"1/2": 25, "3/4": 29, "1": 38, "1 1/4": 48, "1 1/2": 57, "2": 64,
          "2 1/2": 76, "3": 86, "4": 105, "5": 124, "6": 143, "8": 178,
          "10": 216, "12": 254, "14": 279, "16": 305, "18": 343, "20": 381,
          "24": 432, "28": 521, "32": 597, "36": 673, "40": 749}
# Reducing tee outlet centre-to-end M (B16.9 table of reducing tees),
# keyed (run, branch).
B169_T_RED = {
    ("1/2", "3/8"): 25,
    ("3/4", "1/2"): 29, ("3/4", "3/8"): 29,
    ("1", "3/4"): 38, ("1", "1/2"): 38,
    ("1 1/4", "1"): 48, ("1 1/4", "3/4"): 48, ("1 1/4", "1/2"): 48,
    ("1 1/2", "1 1/4"): 57, ("1 1/2", "1"): 57, ("1 1/2", "3/4"): 57, ("1 1/2", "1/2"): 57,
    ("2", "1 1/2"): 60, ("2", "1 1/4"): 57, ("2", "1"): 51, ("2", "3/4"): 44,
    ("2 1/2", "2"): 70, ("2 1/2", "1 1/2"): 67, ("2 1/2", "1 1/4"): 64, ("2 1/2", "1"): 57,
    ("3", "2 1/2"): 83, ("3", "2"): 76, ("3", "1 1/2"): 73, ("3", "1 1/4"): 70,
    ("4", "3"): 98, ("4", "2 1/2"): 95, ("4", "2"): 89, ("4", "1 1/2"): 86,
    ("5", "4"): 117, ("5", "3"): 111, ("5", "2 1/2"): 108, ("5", "2"): 105,
    ("6", "5"): 137, ("6", "4"): 130, ("6", "3"): 124, ("6", "2 1/2"): 121,
    ("8", "6"): 168, ("8", "5"): 162, ("8", "4"): 156,
    ("10", "8"): 203, ("10", "6"): 194, ("10", "5"): 191, ("10", "4"): 184,
    ("12", "10"): 241, ("12", "8"): 229, ("12", "6"): 219, ("12", "5"): 216,
    ("14", "12"): 270, ("14", "10"): 257, ("14", "8"): 248, ("14", "6"): 238,
    ("16", "14"): 305, ("16", "12"): 295, ("16", "10"): 283, ("16", "8"): 273, ("16", "6"): 264,
    ("18", "16"): 330, ("18", "14"): 330, ("18", "12"): 321, ("18", "10"): 308, ("18", "8"): 298,
    ("20", "18"): 368, ("20", "16"): 356, ("20", "14"): 356, ("20", "12"): 346,
    ("20", "10"): 333, ("20", "8"): 324,
    ("24", "20"): 419, ("24", "18"): 406, ("24", "16"): 406, ("24", "14"): 406,
    ("24", "12"): 397, ("24", "10"): 384,
}

# Concentric reducer length H by the larger size (B16.9).
B169_RED = {"3/4": 38, "1": 51, "1 1/4": 51, "1 1/2": 64, "2": 76,
            "2 1/2": 89, "3": 89, "4": 102, "5": 127, "6": 140, "8": 152,
            "10": 178, "12": 203, "14": 330, "16": 356, "18": 381, "20": 508,
            "24": 508}
# EN 10253-2 / DIN 2616 reducer length by the larger outside diameter (mm).
DIN_RED = {26.9: 38, 33.7: 50, 42.4: 50, 48.3: 64, 60.3: 76, 76.1: 90,
           88.9: 90, 114.3: 100, 139.7: 127, 168.3: 140, 219.1: 152,
           273.0: 178, 323.9: 203, 355.6: 330, 406.4: 356, 457.0: 381,
           508.0: 508, 610.0: 508, 711.0: 610, 813.0: 610, 914.0: 610,
           1016.0: 610}

# Cap length E (B16.9; EN 10253-2 / DIN 2617 the same in mm up to 610).
B169_KAPPE = {"1/2": 25, "3/4": 25, "1": 38, "1 1/4": 38, "1 1/2": 38,
              "2": 38, "2 1/2": 38, "3": 51, "4": 64, "5": 76, "6": 89,
              "8": 102, "10": 127, "12": 152, "14": 165, "16": 178,
              "18": 203, "20": 229, "24": 267}
# DIN 2617 caps from DN 700: the height for walls up to the standard's limit
# wall (25 / 17.5 / 10 / 14.2 mm); thicker walls need 290 / 330 / 370 / 420.
DIN_KAPPE_GROSS = {711.0: 267, 813.0: 267, 914.0: 267, 1016.0: 305}


def _r(wert):
    """Radius from a factor of the diameter, to the whole millimetre."""
    return float(int(wert + 0.5))


def rohre_din():
    kopf = "Stahlrohre EN 10220 (Außendurchmesser Reihe 1), Wanddicken in mm"
    zeilen = [["DN", "da"] + [n for n, _w in DIN_REIHEN]]
    for i, (dn, da, _nps) in enumerate(DIN_GROESSEN):
        zeilen.append([f"DN {dn}", da] + [w[i] for _n, w in DIN_REIHEN])
    schreibe("P_Din.CSV", kopf, zeilen)


def rohre_ansi():
    kopf = "Stahlrohre ASME B36.10M / B36.19M, Maße in mm"
    zeilen = [["NPS", "OD"] + ANSI_SCHEDULES]
    for nps, od in ANSI_GROESSEN:
        zeilen.append([nps, od] + ANSI_WAENDE[nps])
    schreibe("P_ANSI.CSV", kopf, zeilen)


def boegen():
    kopf = "90°-Bögen: Radius (Mittelpunkt bis Stirnfläche) in mm"
    zeilen = [["DN", "Bauart 2 (2d)", "Bauart 3 (3d)", "Rohrbogen 2,5D",
               "Rohrbogen 3D", "Rohrbogen 5D"]]
    for dn, da, _nps in DIN_GROESSEN:
        zeilen.append([f"DN {dn}", DIN_BAUART2.get(da), DIN_BAUART3.get(da),
                       _r(2.5 * da), _r(3 * da), _r(5 * da)])
    schreibe("E9_Din.CSV", kopf, zeilen)

    kopf = "90°-Bögen ASME B16.9 und Rohrbögen: Radius in mm"
    zeilen = [["NPS", "SR (1D)", "LR (1,5D)", "3D", "5D", "10D"]]
    for nps, _od in ANSI_GROESSEN:
        n = nps_wert(nps)
        zeilen.append([nps, B169_SR.get(nps), B169_LR[nps], _r(3 * n * 25.4),
                       _r(5 * n * 25.4), _r(10 * n * 25.4)])
    schreibe("E9_ANSI.CSV", kopf, zeilen)


def _t_tabelle(namen, schluessel, max_spalten=24):
    """Square tee table: row = run size, column c = branch size of row c."""
    zeilen = [["Hauptrohr \\ Abzweig"] + namen[:max_spalten]]
    for r, run in enumerate(schluessel):
        zeile = [namen[r]]
        for c, abzweig in enumerate(schluessel[:max_spalten]):
            if c == r:
                wert = B169_T.get(run)
            elif c < r:
                wert = B169_T_RED.get((run, abzweig))
                if wert is None:
                    wert = ""
            else:
                wert = ""  # a branch larger than the run does not exist
            zeile.append(wert)
        zeilen.append(zeile)
    return zeilen


def t_stuecke():
    namen = [f"DN {dn}" for dn, _da, _n in DIN_GROESSEN]
    schluessel = [nps for _dn, _da, nps in DIN_GROESSEN]
    kopf = "T-Stücke EN 10253-2 / DIN 2615: Diagonale = Baulänge a, sonst Abzweig b in mm"
    schreibe("T_Din.CSV", kopf, _t_tabelle(namen, schluessel))
    namen = [nps for nps, _od in ANSI_GROESSEN]
    kopf = "T-Stücke ASME B16.9: Diagonale = C, sonst Abzweig M in mm"
    schreibe("T_ANSI.CSV", kopf, _t_tabelle(namen, namen))


def reduzierungen_kappen():
    kopf = "Konzentrische Reduzierungen EN 10253-2 / DIN 2616: Baulänge nach der größeren DN, mm"
    zeilen = [["DN", "Baulänge"]]
    for dn, da, _nps in DIN_GROESSEN:
        zeilen.append([f"DN {dn}", DIN_RED.get(da)])
    schreibe("Red_Din.CSV", kopf, zeilen)
    kopf = "Konzentrische Reduzierungen ASME B16.9: Länge H nach der größeren NPS, mm"
    zeilen = [["NPS", "Länge H"]]
    for nps, _od in ANSI_GROESSEN:
        zeilen.append([nps, B169_RED.get(nps)])
    schreibe("Red_Ansi.CSV", kopf, zeilen)

    kopf = "Kappen EN 10253-2 / DIN 2617: Länge in mm"
    zeilen = [["DN", "Länge"]]
    for dn, da, nps in DIN_GROESSEN:
        zeilen.append([f"DN {dn}", DIN_KAPPE_GROSS.get(da, B169_KAPPE.get(nps))])
    schreibe("C_Din.CSV", kopf, zeilen)
    kopf = "Kappen ASME B16.9: Länge E in mm"
    zeilen = [["NPS", "Länge E"]]
    for nps, _od in ANSI_GROESSEN:
        zeilen.append([nps, B169_KAPPE[nps]])
    schreibe("C_Ansi.CSV", kopf, zeilen)


def main():
    rohre_din()
    rohre_ansi()
    boegen()
    t_stuecke()
    reduzierungen_kappen()


if __name__ == "__main__":
    main()
