#!/usr/bin/python3
"""Face-to-face lengths of flanged valves.

Arm_DIN.CSV / Arm_ANSI.CSV: one column per length series, its name in row 0,
lengths by nominal size in the rows of the pipe table of the standard.
BRZ_DIN.CSV / BRZ_ANSI.CSV: which series applies to each of the fourteen
valve kinds (rows 1 to 14) at each pressure stage (column k + 1 = stage k of
the flange table). A kind without a series carries the name "-", which
matches no series column, so its length field stays empty.
"""
from csvdatei import schreibe
from rohre import DIN_GROESSEN, ANSI_GROESSEN

DN = [dn for dn, _da, _n in DIN_GROESSEN]


def _reihe(werte):
    """Series from a {DN: length} dict, None where the series has no size."""
    return [werte.get(dn) for dn in DN]


# EN 558 basic series (old DIN 3202 series in brackets), lengths in mm.
EN558 = {
    "1": _reihe({10: 130, 15: 130, 20: 150, 25: 160, 32: 180, 40: 200, 50: 230,
                 65: 290, 80: 310, 100: 350, 125: 400, 150: 480, 200: 600,
                 250: 730, 300: 850, 350: 980, 400: 1100}),                 # F1
    "13": _reihe({50: 108, 65: 112, 80: 114, 100: 127, 125: 140, 150: 140,
                  200: 152, 250: 165, 300: 178, 350: 190, 400: 216, 450: 222,
                  500: 229, 600: 267, 700: 292, 800: 318, 900: 330, 1000: 410}),  # F16
    "14": _reihe({10: 115, 15: 115, 20: 120, 25: 125, 32: 130, 40: 140, 50: 150,
                  65: 170, 80: 180, 100: 190, 125: 200, 150: 210, 200: 230,
                  250: 250, 300: 270, 350: 290, 400: 310, 450: 330, 500: 350,
                  600: 390, 700: 430, 800: 470, 900: 510, 1000: 550}),       # F4
    "15": _reihe({10: 130, 15: 130, 20: 150, 25: 160, 32: 180, 40: 200, 50: 250,
                  65: 270, 80: 280, 100: 300, 125: 325, 150: 350, 200: 400,
                  250: 450, 300: 500, 350: 550, 400: 600, 450: 650, 500: 700,
                  600: 800, 700: 900, 800: 1000, 900: 1100, 1000: 1200}),    # F5
    "20": _reihe({40: 33, 50: 43, 65: 46, 80: 46, 100: 52, 125: 56, 150: 56,
                  200: 60, 250: 68, 300: 78, 350: 78, 400: 102, 450: 114,
                  500: 127, 600: 154, 700: 165, 800: 190, 900: 203, 1000: 216}),  # K1
}

# Series per valve kind (rows 1..14) for PN 6, 10, 16, 25, 40, 63, 100.
_BIS40 = lambda name: [name] * 5 + ["-", "-"]
BRZ_DIN = [
    ("Schieber kurz", _BIS40("14")),
    ("Schieber lang", _BIS40("15")),
    ("Ventil", _BIS40("1")),
    ("Rückschlagventil mit Kegel", _BIS40("1")),
    ("Schmutzfänger (Y-Sieb)", _BIS40("1")),
    ("Kugelhahn kurz", _BIS40("14")),
    ("Kugelhahn lang", _BIS40("15")),
    ("Zwischenflanschklappe 1", _BIS40("20")),
    ("Zwischenflanschklappe 2", ["-"] * 7),
    ("Zwischenflansch-Rückschlagklappe", ["-"] * 7),
    ("Regelventil", _BIS40("1")),
    ("Rückschlagventil mit Klappe", _BIS40("1")),
    ("Flanschklappe kurz", _BIS40("13")),
    ("Flanschklappe lang", _BIS40("14")),
]

NPS = [nps for nps, _od in ANSI_GROESSEN]


def _ansi(werte):
    return [werte.get(n) for n in NPS]


def _liste(*werte):
    return _ansi(dict(zip(NPS, werte)))


# ASME B16.10 (raised face), API 594 type A, API 609 category A and
# ANSI/ISA-75.08.01 lengths in mm, by NPS 1/2 ... 24 of the pipe table.
ARM_ANSI = {
    "Schieber 150": _liste(108, 117, 127, 140, 165, 178, 190, 203, 229, 254, 267,
                           292, 330, 356, 381, 406, 432, 457, 508),
    "Ventil 150": _liste(108, 117, 127, 140, 165, 203, 216, 241, 292, 356, 406,
                         495, 622, 698, 787, 914, 978, 978, 1295),
    "Schieber 300": _liste(140, 152, 165, 178, 190, 216, 241, 282, 305, 381, 403,
                           419, 457, 502, 762, 838, 914, 991, 1143),
    "Ventil 300": _liste(152, 178, 203, 216, 229, 267, 292, 318, 356, 400, 444,
                         559, 622, 711, 838, 864, 978, 1016, 1346),
    "Schieber 600": _liste(165, 190, 216, 229, 241, 292, 330, 356, 432, 508, 559,
                           660, 787, 838, 889, 991, 1092, 1194, 1397),
    "Schieber 900": _liste(216, 229, 254, 279, 305, 368, 419, 381, 457, 559, 610,
                           737, 838, 965, 1029, 1130, 1219, 1321, 1549),
    "API 594 150": _ansi({"2": 60, "2 1/2": 67, "3": 73, "4": 73, "6": 98,
                          "8": 127, "10": 146, "12": 181, "14": 184, "16": 191,
                          "18": 203, "20": 219, "24": 222}),
    "API 594 300": _ansi({"2": 60, "2 1/2": 67, "3": 73, "4": 73, "6": 98,
                          "8": 127, "10": 146, "12": 181, "14": 222, "16": 232,
                          "18": 264, "20": 292, "24": 318}),
    "API 594 600": _ansi({"2": 60, "2 1/2": 67, "3": 73, "4": 79, "6": 137,
                          "8": 165, "10": 213, "12": 229, "14": 273, "16": 305,
                          "18": 362, "20": 368, "24": 438}),
    "API 609 A": _ansi({"1 1/2": 33, "2": 43, "2 1/2": 46, "3": 46, "4": 52, "5": 56,
                        "6": 56, "8": 60, "10": 68, "12": 78, "14": 78, "16": 102,
                        "18": 114, "20": 127, "24": 154}),
    "Flanschklappe 150": _ansi({"2": 108, "2 1/2": 112, "3": 114, "4": 127, "5": 140,
                                "6": 140, "8": 152, "10": 165, "12": 178, "14": 190,
                                "16": 216, "18": 222, "20": 229, "24": 267}),
    "Regelventil 150": _ansi({"1/2": 184, "3/4": 184, "1": 184, "1 1/2": 222,
                              "2": 254, "2 1/2": 276, "3": 298, "4": 352, "6": 451,
                              "8": 543, "10": 673, "12": 737, "14": 889, "16": 1016}),
    "Regelventil 300": _ansi({"1/2": 190, "3/4": 194, "1": 197, "1 1/2": 235,
                              "2": 267, "2 1/2": 292, "3": 318, "4": 368, "6": 473,
                              "8": 568, "10": 708, "12": 775, "14": 927, "16": 1057}),
    "Regelventil 600": _ansi({"1/2": 203, "3/4": 206, "1": 210, "1 1/2": 251,
                              "2": 286, "2 1/2": 311, "3": 337, "4": 394, "6": 508,
                              "8": 610, "10": 752, "12": 819, "14": 972, "16": 1108}),
}

# ANSI assignment: rows 1..12 for Class 150, 300, 600, 900. Row 9 feeds the
# flanged butterfly valve.
BRZ_ANSI = [
    ("Schieber kurz", ["Schieber 150", "Schieber 300", "Schieber 600", "Schieber 900"]),
    ("Schieber lang", ["-", "-", "-", "-"]),
    ("Ventil", ["Ventil 150", "Ventil 300", "Schieber 600", "Schieber 900"]),
    ("Rückschlagventil mit Kegel", ["Ventil 150", "Ventil 300", "Schieber 600", "Schieber 900"]),
    ("Schmutzfänger (Y-Sieb)", ["Ventil 150", "Ventil 300", "Schieber 600", "Schieber 900"]),
    ("Kugelhahn kurz", ["Schieber 150", "Schieber 300", "Schieber 600", "Schieber 900"]),
    ("Kugelhahn lang", ["-", "Schieber 300", "Schieber 600", "Schieber 900"]),
    ("Zwischenflanschklappe", ["API 609 A", "-", "-", "-"]),
    ("Flanschklappe", ["Flanschklappe 150", "-", "-", "-"]),
    ("Zwischenflansch-Rückschlagklappe", ["API 594 150", "API 594 300", "API 594 600", "-"]),
    ("Regelventil", ["Regelventil 150", "Regelventil 300", "Regelventil 600", "-"]),
    ("Rückschlagventil mit Klappe", ["Ventil 150", "Ventil 300", "Schieber 600", "Schieber 900"]),
]


def main():
    namen = list(EN558)
    zeilen = [["DN"] + namen]
    for i, dn in enumerate(DN):
        zeilen.append([f"DN {dn}"] + [EN558[n][i] for n in namen])
    schreibe("Arm_DIN.CSV", "Baulängen EN 558 Grundreihen, mm", zeilen)

    zeilen = [["Armatur", "PN 6", "PN 10", "PN 16", "PN 25", "PN 40", "PN 63", "PN 100"]]
    zeilen += [[art] + reihen for art, reihen in BRZ_DIN]
    schreibe("BRZ_DIN.CSV", "Zuordnung der Baureihen EN 558 zu Armaturen und PN", zeilen)

    namen = list(ARM_ANSI)
    zeilen = [["NPS"] + namen]
    for i, nps in enumerate(NPS):
        zeilen.append([nps] + [ARM_ANSI[n][i] for n in namen])
    schreibe("Arm_ANSI.CSV", "Baulängen ASME B16.10, API 594, API 609, ISA-75.08.01, mm", zeilen)

    zeilen = [["Armatur", "Class 150", "Class 300", "Class 600", "Class 900"]]
    zeilen += [[art] + reihen for art, reihen in BRZ_ANSI]
    schreibe("BRZ_ANSI.CSV", "Zuordnung der Baulängenreihen zu Armaturen und Class", zeilen)


if __name__ == "__main__":
    main()
