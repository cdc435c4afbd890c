#!/usr/bin/env python3
"""Writes the section of Daten/QUELLEN.md that lists Daten/Quellen.CSV line by
line, between its two marker lines, so the two never disagree. With --pruefen
it only reports whether the section is as this script would write it."""
import os
import sys

ANFANG = "<!-- Abschnitt aus Quellen.CSV, geschrieben von scripts/daten/quellen_md.py -->"
ENDE = "<!-- Ende des Abschnitts aus Quellen.CSV -->"
STRICH = {"": "–", "Norm": "die Norm führt diese Größe nicht",
          "offen": "kein gesicherter Wert gefunden"}


def quellzeilen(daten):
    with open(os.path.join(daten, "Quellen.CSV"), "rb") as f:
        roh = f.read()
    text = roh[3:] if roh.startswith(b"\xef\xbb\xbf") else roh
    return [z.split(";") for z in text.decode("utf-8").split("\r\n")[1:] if z]


def abschnitt(daten):
    zeilen = [ANFANG, "",
              "| Datei | Spalten | Zeilen | Art | Quelle | Tabelle | Ausgabe | Grenzen | \"-\" bedeutet |",
              "|---|---|---|---|---|---|---|---|---|"]
    for f in quellzeilen(daten):
        f = [x.replace("|", "/") for x in f]
        f[8] = STRICH.get(f[8], f[8])
        zeilen.append("| " + " | ".join(x if x else "–" for x in f) + " |")
    return zeilen + ["", ENDE]


def main():
    wurzel = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    args = [a for a in sys.argv[1:] if a != "--pruefen"]
    if args:
        wurzel = os.path.abspath(args[0])
    daten = os.path.join(wurzel, "Daten")
    md = os.path.join(daten, "QUELLEN.md")
    with open(md, encoding="utf-8") as f:
        alt = f.read().split("\n")
    if ANFANG not in alt or ENDE not in alt:
        sys.exit(f"{md}: Markierungen des Abschnitts fehlen")
    a, e = alt.index(ANFANG), alt.index(ENDE)
    neu = alt[:a] + abschnitt(daten) + alt[e + 1:]
    if "--pruefen" in sys.argv:
        if neu != alt:
            sys.exit("QUELLEN.md weicht von Quellen.CSV ab: scripts/daten/quellen_md.py ausführen")
        return
    with open(md, "w", encoding="utf-8") as f:
        f.write("\n".join(neu))


if __name__ == "__main__":
    main()
