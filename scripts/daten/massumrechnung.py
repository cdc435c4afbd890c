#!/usr/bin/python3
"""Massumrechnung.CSV: unit kinds and units with their factor to the kind's
base unit (the first unit of each kind).

Format: a line "---;<kind>" starts a kind, every other line is
"<name>;<abbreviation>;<factor>", the file ends with a line "---". There is no
heading line. Factors are exact by definition where the unit is defined
exactly (NIST SP 811, appendix B.8), otherwise given to at least 9 significant
digits.

Temperatures: the program converts between °C and °F with the offset
formulas; every other temperature pair is converted by the factors, which are
therefore those of temperature differences (1 °F = 5/9 K).
"""
from csvdatei import schreibe_text

ZOLL = 0.0254
FUSS = 0.3048
PFUND = 0.45359237
GALLONE_US = 3.785411784e-3
GALLONE_UK = 4.54609e-3
KP = 9.80665  # kilopond in newton, exact
PFUNDKRAFT = PFUND * KP
PSI = PFUNDKRAFT / ZOLL ** 2
CAL = 4.1868  # international table calorie, exact
BTU = 1055.05585262  # international table Btu, exact

ARTEN = [
    ("Länge", [("Meter", "m", 1), ("Millimeter", "mm", 1e-3), ("Zentimeter", "cm", 1e-2),
               ("Kilometer", "km", 1e3), ("Zoll", "in", ZOLL), ("Fuß", "ft", FUSS),
               ("Yard", "yd", 0.9144), ("Meile", "mi", 1609.344),
               ("Seemeile", "sm", 1852), ("Mil (1/1000 Zoll)", "mil", 2.54e-5)]),
    ("Fläche", [("Quadratmeter", "m²", 1), ("Quadratmillimeter", "mm²", 1e-6),
                ("Quadratzentimeter", "cm²", 1e-4), ("Hektar", "ha", 1e4),
                ("Quadratzoll", "in²", ZOLL ** 2), ("Quadratfuß", "ft²", FUSS ** 2)]),
    ("Volumen", [("Kubikmeter", "m³", 1), ("Liter", "l", 1e-3), ("Kubikdezimeter", "dm³", 1e-3),
                 ("Kubikzentimeter", "cm³", 1e-6), ("Kubikzoll", "in³", ZOLL ** 3),
                 ("Kubikfuß", "ft³", FUSS ** 3), ("US-Gallone", "gal (US)", GALLONE_US),
                 ("Brit. Gallone", "gal (UK)", GALLONE_UK),
                 ("Barrel (Erdöl)", "bbl", 42 * GALLONE_US)]),
    ("Masse", [("Kilogramm", "kg", 1), ("Gramm", "g", 1e-3), ("Tonne", "t", 1e3),
               ("Pfund", "lb", PFUND), ("Unze", "oz", PFUND / 16),
               ("Short ton (US)", "sh tn", 2000 * PFUND), ("Long ton (UK)", "l tn", 2240 * PFUND)]),
    ("Dichte", [("Kilogramm je Kubikmeter", "kg/m³", 1), ("Kilogramm je Kubikdezimeter", "kg/dm³", 1e3),
                ("Gramm je Kubikzentimeter", "g/cm³", 1e3), ("Pfund je Kubikfuß", "lb/ft³", PFUND / FUSS ** 3),
                ("Pfund je Kubikzoll", "lb/in³", PFUND / ZOLL ** 3),
                ("Pfund je US-Gallone", "lb/gal", PFUND / GALLONE_US)]),
    ("Kraft", [("Newton", "N", 1), ("Kilonewton", "kN", 1e3), ("Meganewton", "MN", 1e6),
               ("Kilopond", "kp", KP), ("Tonne-Kraft", "Mp", KP * 1e3), ("Pfund-Kraft", "lbf", PFUNDKRAFT),
               ("Kip (1000 lbf)", "kip", PFUNDKRAFT * 1e3), ("Dyn", "dyn", 1e-5)]),
    ("Druck", [("Pascal", "Pa", 1), ("Kilopascal", "kPa", 1e3), ("Megapascal", "MPa", 1e6),
               ("Bar", "bar", 1e5), ("Millibar", "mbar", 100),
               ("Newton je Quadratmillimeter", "N/mm²", 1e6),
               ("Techn. Atmosphäre", "at", KP * 1e4), ("Physik. Atmosphäre", "atm", 101325),
               ("Pfund je Quadratzoll", "psi", PSI), ("Millimeter Wassersäule", "mmWS", KP),
               ("Meter Wassersäule", "mWS", KP * 1e3),
               ("Millimeter Quecksilbersäule", "mmHg", 133.322387415), ("Torr", "Torr", 101325 / 760)]),
    ("Energie", [("Joule", "J", 1), ("Kilojoule", "kJ", 1e3), ("Megajoule", "MJ", 1e6),
                 ("Wattstunde", "Wh", 3600), ("Kilowattstunde", "kWh", 3.6e6),
                 ("Kalorie (IT)", "cal", CAL), ("Kilokalorie (IT)", "kcal", CAL * 1e3),
                 ("British thermal unit (IT)", "Btu", BTU), ("Newtonmeter", "Nm", 1),
                 ("Kilopondmeter", "kpm", KP)]),
    ("Leistung", [("Watt", "W", 1), ("Kilowatt", "kW", 1e3), ("Megawatt", "MW", 1e6),
                  ("Pferdestärke", "PS", 735.49875), ("Horsepower (mech.)", "hp", 745.69987158227022),
                  ("Kilokalorie je Stunde", "kcal/h", CAL * 1e3 / 3600),
                  ("Btu je Stunde", "Btu/h", BTU / 3600),
                  ("Tonne Kälte (US)", "TR", 12000 * BTU / 3600)]),
    ("Temperatur", [("Grad Celsius", "°C", 1), ("Grad Fahrenheit", "°F", 5 / 9),
                    ("Kelvin (Differenz)", "K", 1)]),
    ("Volumenstrom", [("Kubikmeter je Stunde", "m³/h", 1), ("Kubikmeter je Sekunde", "m³/s", 3600),
                      ("Liter je Sekunde", "l/s", 3.6), ("Liter je Minute", "l/min", 0.06),
                      ("US-Gallone je Minute", "gpm", GALLONE_US * 60),
                      ("Brit. Gallone je Minute", "gpm (UK)", GALLONE_UK * 60),
                      ("Kubikfuß je Minute", "cfm", FUSS ** 3 * 60)]),
    ("Massenstrom", [("Kilogramm je Sekunde", "kg/s", 1), ("Kilogramm je Stunde", "kg/h", 1 / 3600),
                     ("Tonne je Stunde", "t/h", 1 / 3.6), ("Pfund je Stunde", "lb/h", PFUND / 3600)]),
    ("Geschwindigkeit", [("Meter je Sekunde", "m/s", 1), ("Kilometer je Stunde", "km/h", 1 / 3.6),
                         ("Fuß je Sekunde", "ft/s", FUSS), ("Fuß je Minute", "ft/min", FUSS / 60),
                         ("Knoten", "kn", 1852 / 3600), ("Meile je Stunde", "mph", 1609.344 / 3600)]),
    ("Drehmoment", [("Newtonmeter", "Nm", 1), ("Kilonewtonmeter", "kNm", 1e3),
                    ("Kilopondmeter", "kpm", KP), ("Pfund-Kraft-Fuß", "lbf ft", PFUNDKRAFT * FUSS),
                    ("Pfund-Kraft-Zoll", "lbf in", PFUNDKRAFT * ZOLL)]),
    ("Winkel", [("Grad", "°", 1), ("Radiant", "rad", 57.295779513082321), ("Gon", "gon", 0.9),
                ("Winkelminute", "'", 1 / 60)]),
]


def faktor(wert):
    """Factor as text with decimal comma, 15 significant digits, no exponent."""
    text = f"{wert:.15g}"
    if "e" in text:
        text = f"{wert:.20f}".rstrip("0")
    return text.replace(".", ",")


def main():
    zeilen = []
    for art, einheiten in ARTEN:
        zeilen.append(f"---;{art}")
        for name, kuerzel, wert in einheiten:
            zeilen.append(f"{name};{kuerzel};{faktor(wert)}")
    zeilen.append("---")
    schreibe_text("Massumrechnung.CSV", "\n".join(zeilen) + "\n")


if __name__ == "__main__":
    main()
