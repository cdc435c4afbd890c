"""Unit factors of Massumrechnung.CSV against Debian's units database.

Every unit's factor to the first unit of its kind must equal what `units`
computes for the same pair, to nine significant digits. Each abbreviation of
the table is named here by its `units` spelling, so a unit added to the table
without a spelling fails the check."""
import subprocess
from gemeinsam import Pruefer, zeilen

GENAUIGKEIT = 1e-9
SCHREIBWEISE = {
    "m": "m", "mm": "mm", "cm": "cm", "km": "km", "in": "inch", "ft": "ft", "yd": "yard",
    "mi": "mile", "sm": "nauticalmile", "mil": "mil",
    "m²": "m^2", "mm²": "mm^2", "cm²": "cm^2", "ha": "hectare", "in²": "inch^2", "ft²": "ft^2",
    "m³": "m^3", "l": "liter", "dm³": "dm^3", "cm³": "cm^3", "in³": "inch^3", "ft³": "ft^3",
    "gal (US)": "usgallon", "gal (UK)": "brgallon", "bbl": "bbl",
    "kg": "kg", "g": "g", "t": "tonne", "lb": "lb", "oz": "oz", "sh tn": "shortton",
    "l tn": "longton",
    "kg/m³": "kg/m^3", "kg/dm³": "kg/dm^3", "g/cm³": "g/cm^3", "lb/ft³": "lb/ft^3",
    "lb/in³": "lb/inch^3", "lb/gal": "lb/usgallon",
    "N": "N", "kN": "kN", "MN": "MN", "kp": "kgf", "Mp": "1000 kgf", "lbf": "lbf", "kip": "kip",
    "dyn": "dyne",
    "Pa": "Pa", "kPa": "kPa", "MPa": "MPa", "bar": "bar", "mbar": "millibar",
    "N/mm²": "N/mm^2", "at": "at", "atm": "atm", "psi": "psi", "mmWS": "mmH2O",
    "mWS": "1000 mmH2O", "mmHg": "mmHg", "Torr": "torr",
    "J": "J", "kJ": "kJ", "MJ": "MJ", "Wh": "Wh", "kWh": "kWh", "cal": "calorie_IT",
    "kcal": "kcal_IT", "Btu": "btu_IT", "Nm": "N m", "kpm": "kgf m",
    "W": "W", "kW": "kW", "MW": "MW", "PS": "metrichorsepower", "hp": "hp",
    "kcal/h": "kcal_IT/hr", "Btu/h": "btu_IT/hr", "TR": "tonrefrigeration",
    "°C": "K", "°F": "degF", "K": "K",
    "m³/h": "m^3/hr", "m³/s": "m^3/s", "l/s": "l/s", "l/min": "l/min", "gpm": "usgallon/min",
    "gpm (UK)": "brgallon/min", "cfm": "ft^3/min",
    "kg/s": "kg/s", "kg/h": "kg/hr", "t/h": "tonne/hr", "lb/h": "lb/hr",
    "m/s": "m/s", "km/h": "km/hr", "ft/s": "ft/s", "ft/min": "ft/min", "kn": "knot", "mph": "mph",
    "kNm": "kN m", "lbf ft": "lbf ft", "lbf in": "lbf inch",
    "°": "degree", "rad": "radian", "gon": "gon", "'": "arcmin",
}


def units_faktor(von, nach):
    ausgabe = subprocess.run(["units", "-t", "-d", "15", von, nach], capture_output=True,
                             text=True, check=False).stdout.strip()
    try:
        return float(ausgabe)
    except ValueError:
        return None


def main():
    p = Pruefer()
    basis = None
    for zeile in zeilen("Massumrechnung.CSV"):
        felder = zeile.split(";")
        if felder[0] == "---":
            basis = None
            continue
        _name, abk, text = felder
        faktor = float(text.replace(",", "."))
        if basis is None:
            basis = abk
            p.pruefe(faktor == 1, f"{abk}: the first unit of a kind has factor {text}")
            continue
        if not p.pruefe(abk in SCHREIBWEISE and basis in SCHREIBWEISE,
                        f"{abk} or {basis}: no units spelling"):
            continue
        soll = units_faktor(SCHREIBWEISE[abk], SCHREIBWEISE[basis])
        p.pruefe(soll is not None and abs(faktor - soll) <= GENAUIGKEIT * abs(soll),
                 f"{abk} in {basis}: table {text}, units {soll}")
    p.ende()


main()
