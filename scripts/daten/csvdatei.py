"""Writing the shipped reference tables.

Every table file of Daten/ is Windows-1252 text without byte-order mark,
lines ended by CR LF, fields separated by ";", numbers with a decimal comma.
Line 0 is a heading that the program skips; the rows follow.
"""
import os

WURZEL = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
# PELMARK_DATEN_ZIEL redirects the output (the consistency tests regenerate
# into a temporary folder and compare with the shipped files).
_ZIEL = os.environ.get("PELMARK_DATEN_ZIEL")
DATEN = _ZIEL or os.path.join(WURZEL, "Daten")
INFOTABELLEN = os.path.join(_ZIEL, "InfoTabellen") if _ZIEL else os.path.join(WURZEL, "InfoTabellen")

FEHLT = "-"  # a value the standard does not give


def zahl(wert, stellen=None):
    """Number as text with decimal comma; None gives the missing mark.

    Without `stellen` trailing zeros are dropped (12.50 -> 12,5; 12.0 -> 12).
    """
    if wert is None:
        return FEHLT
    if isinstance(wert, str):
        return wert
    if stellen is None:
        text = f"{wert:.6f}".rstrip("0").rstrip(".")
        if text in ("-0", ""):
            text = "0"
    else:
        text = f"{wert:.{stellen}f}"
    return text.replace(".", ",")


def zeile(felder):
    return ";".join(zahl(f) if not isinstance(f, str) else f for f in felder)


def schreibe(dateiname, kopf, zeilen, verzeichnis=DATEN):
    """Writes heading line and rows; `zeilen` is a list of field lists."""
    texte = [kopf] + [zeile(z) for z in zeilen]
    daten = "\r\n".join(texte) + "\r\n"
    pfad = os.path.join(verzeichnis, dateiname)
    with open(pfad, "wb") as f:
        f.write(daten.encode("cp1252"))
    return pfad


def schreibe_text(dateiname, text, verzeichnis=DATEN):
    """Writes a Windows-1252 text with CR LF line ends."""
    daten = text.replace("\r\n", "\n").replace("\n", "\r\n")
    pfad = os.path.join(verzeichnis, dateiname)
    with open(pfad, "wb") as f:
        f.write(daten.encode("cp1252"))
    return pfad
