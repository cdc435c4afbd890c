#!/usr/bin/env python3
"""pelmark --stutzen / --segmentbogen: the table has one row per division, and
the PDF is at true scale: on every page the check bar measures 100 mm in the
PDF's own coordinates (its drawn rectangle, with the transforms in force) and
on a page rendered at 300 dpi; every page names the sizes and says how to print."""
import pathlib
import re
import subprocess
import sys
import tempfile
import zlib

pelmark = sys.argv[1]
PT_JE_MM = 72 / 25.4
fehler = 0


def melde(text):
    global fehler
    print(text)
    fehler += 1


def seiteninhalte(pdf):
    """The decompressed content streams that draw, in page order."""
    daten = pdf.read_bytes()
    inhalte = []
    for m in re.finditer(rb"stream\r?\n(.*?)endstream", daten, re.S):
        try:
            text = zlib.decompress(m.group(1)).decode("latin1")
        except zlib.error:
            continue
        if " cm" in text and ("BT" in text or " re" in text):
            inhalte.append(text)
    return inhalte


def gefuellte_rechtecke(inhalt):
    """Width and height in points of every filled rectangle, the cm matrices
    of the q/Q stack applied (scale only: the sheets are not rotated)."""
    stapel, sx, sy = [], 1.0, 1.0
    zahlen, rechtecke, offen = [], [], []
    for wort in inhalt.split():
        if wort == "q":
            stapel.append((sx, sy))
        elif wort == "Q":
            sx, sy = stapel.pop() if stapel else (1.0, 1.0)
        elif wort == "cm":
            a, _, _, d = (float(z) for z in zahlen[-6:-2])
            sx, sy = sx * a, sy * d
        elif wort == "re":
            x, y, w, h = (float(z) for z in zahlen[-4:])
            offen.append((abs(w * sx), abs(h * sy)))
        elif wort in ("f", "f*", "B", "b"):
            rechtecke += offen
            offen = []
        elif wort in ("S", "n", "s"):
            offen = []
        if re.fullmatch(r"-?[0-9.]+", wort):
            zahlen.append(wort)
        elif wort not in ("q", "Q"):
            zahlen = zahlen[-6:]
    return rechtecke


def balken_in_pixeln(pdf, seite, dpi):
    """The longest dark horizontal run that at least 20 rows share (the bar is
    4 mm thick, the frame's lines are thin) on the page rendered in grey."""
    ppm = subprocess.run(["pdftoppm", "-gray", "-r", str(dpi), "-f", str(seite), "-l", str(seite),
                          str(pdf)], check=True, capture_output=True).stdout
    teile = ppm.split(maxsplit=4)
    breite, hoehe = int(teile[1]), int(teile[2])
    pixel = teile[4]
    laengen = []
    for y in range(hoehe // 2, hoehe):
        zeile = pixel[y * breite:(y + 1) * breite]
        lauf = laengste = 0
        for wert in zeile:
            lauf = lauf + 1 if wert < 100 else 0
            laengste = max(laengste, lauf)
        laengen.append(laengste)
    return max((l for l in laengen if sum(abs(m - l) <= 1 for m in laengen) >= 20), default=0)


faelle = [
    (["--stutzen", "DN 50 auf DN 100", "--teilung", "16"], ["DN 50", "DN 100"], 16),
    (["--stutzen", "DN 80 auf DN 200", "--winkel", "60", "--aussermitte", "20", "--teilung", "24"],
     ["DN 80", "DN 200", "Winkel 60,0°", "Außermitte 20,0 mm"], 24),
    (["--segmentbogen", "DN 500", "--winkel", "90", "--teile", "5", "--teilung", "12"],
     ["DN 500", "Winkel 90,0°", "5 Teile"], 12),
]
with tempfile.TemporaryDirectory() as ordner:
    umgebung = {"PATH": "/usr/bin:/bin", "HOME": ordner}
    for n, (argumente, titel, teilung) in enumerate(faelle):
        pdf = pathlib.Path(ordner, f"s{n}.pdf")
        tabelle = subprocess.run([pelmark, *argumente, "--csv", "-", "--pdf", str(pdf)],
                                 check=True, env=umgebung, capture_output=True,
                                 text=True).stdout.splitlines()
        if tabelle[1] != "Gruppe;Bezeichnung;Wert;Einheit;Datei":
            melde(f"{titel}: Kopf der Tabelle {tabelle[1]}")
        ordinaten = [z for z in tabelle if z.startswith("Ordinaten;")]
        if len(ordinaten) != teilung:
            melde(f"{titel}: {len(ordinaten)} Ordinaten statt {teilung}")
        inhalte = seiteninhalte(pdf)
        seiten = int(re.search(r"Pages:\s+(\d+)", subprocess.run(
            ["pdfinfo", str(pdf)], check=True, capture_output=True, text=True).stdout).group(1))
        if len(inhalte) != seiten:
            melde(f"{titel}: {len(inhalte)} Inhalte für {seiten} Seiten")
        for s, inhalt in enumerate(inhalte, 1):
            balken = [w for w, h in gefuellte_rechtecke(inhalt) if abs(h / PT_JE_MM - 4) < 0.01]
            if len(balken) != 1 or abs(balken[0] / PT_JE_MM - 100) > 0.01:
                melde(f"{titel}, Seite {s}: Prüfbalken {[b / PT_JE_MM for b in balken]} mm")
            text = subprocess.run(["pdftotext", "-f", str(s), "-l", str(s), str(pdf), "-"],
                                  check=True, capture_output=True, text=True).stdout
            for muss in ("Mit 100 % drucken (ohne Anpassen)", *titel, f"Teilung {teilung}",
                         "An Seite anpassen", f"Seite {s} von {seiten}"):
                if muss not in text:
                    melde(f"{titel}, Seite {s}: «{muss}» fehlt")
        if n == 2 and seiten < 4:
            melde(f"{titel}: {seiten} Seiten, die Schablone muss gekachelt sein")
        pixel = balken_in_pixeln(pdf, 1, 300)
        if abs(pixel - 100 / 25.4 * 300) > 2:
            melde(f"{titel}: der Balken ist bei 300 dpi {pixel} Pixel lang, nicht 1181")
    for falsch, grund in ((["--stutzen", "DN 150 auf DN 100"], "Stutzen größer als Hauptrohr"),
                          (["--stutzen", "DN 50 auf DN 100", "--winkel", "20"], "Winkel"),
                          (["--segmentbogen", "DN 999"], "DN 999")):
        lauf = subprocess.run([pelmark, *falsch, "--csv", "-"], capture_output=True, text=True,
                              env=umgebung)
        if lauf.returncode != 2 or grund not in lauf.stderr:
            melde(f"{falsch}: Status {lauf.returncode}, {lauf.stderr!r}")
sys.exit(1 if fehler else 0)
