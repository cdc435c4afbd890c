"""Shared helpers of the data consistency checks.

Each check script is run as `python3 tests/daten/<script>.py <repo-root>`,
prints one line per failure and a final line "N passed, N failed", and exits
non-zero when anything failed.
"""
import importlib
import os
import re
import sys

ZAHL_KOMMA = re.compile(r"^ *[+-]?(\d+(,\d*)?|,\d+)([eE][+-]?\d+)? *$")
ZAHL_STRIKT = re.compile(r"^ *[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$")


def mit_debian_modul(name):
    """Imports a module that Debian packages (python3-iapws, python3-fluids);
    if this interpreter lacks it, the script starts again under Debian's."""
    try:
        return importlib.import_module(name)
    except ImportError:
        if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
            os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
        raise


def wurzel():
    if len(sys.argv) < 2:
        sys.exit("usage: python3 %s <repo-root>" % sys.argv[0])
    return os.path.abspath(sys.argv[1])


def daten(datei):
    return os.path.join(wurzel(), "Daten", datei)


def zeilen(datei):
    """Lines of a table file (Windows-1252, CR LF)."""
    with open(daten(datei), "rb") as f:
        roh = f.read()
    return roh.decode("cp1252").split("\r\n")[:-1]


def matrix(datei, spalten):
    """Rows (file line 1 onward) split into `spalten` fields, missing = ''."""
    erg = []
    for z in zeilen(datei)[1:]:
        felder = z.split(";")[:spalten]
        erg.append(felder + [""] * (spalten - len(felder)))
    return erg


def zelle_lesen(text):
    """Table cell reading with decimal comma; None if the text does not read."""
    if not ZAHL_KOMMA.match(text):
        return None
    return float(text.strip().replace(",", "."))


def strikt_lesen(text):
    """Read-back rule: commas become points, nothing may follow the number."""
    t = text.replace(",", ".")
    if not ZAHL_STRIKT.match(t):
        return None
    return float(t)


def kommentar_ausblenden(text):
    return text.split("(", 1)[0]


def zoll_lesen(text):
    """Whole number, fraction or whole number with fraction (inches)."""
    blank = text.find(" ")
    strich = text.find("/")
    if blank < 0:
        vorzahl = "0" if strich >= 0 else text
    else:
        vorzahl = text[:blank]
    def lies(t):
        return float(t) if ZAHL_STRIKT.match(t) else None
    v = lies(vorzahl)
    if v is None:
        return None
    if strich < 0:
        return v
    zaehler = text[(blank if blank >= 0 else 0):strich]
    teiler = text[strich + 1:]
    z, n = lies(zaehler), lies(teiler)
    if z is None or n is None or n == 0:
        return None
    return z / n + v


class Pruefer:
    def __init__(self):
        self.gut = 0
        self.schlecht = 0

    def pruefe(self, bedingung, meldung):
        if bedingung:
            self.gut += 1
        else:
            self.schlecht += 1
            print("FAIL:", meldung)
        return bedingung

    def ende(self):
        print(f"{self.gut} passed, {self.schlecht} failed")
        sys.exit(1 if self.schlecht or not self.gut else 0)
