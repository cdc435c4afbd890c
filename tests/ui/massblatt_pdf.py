#!/usr/bin/env python3
"""pelmark --massblatt writes the sheet without a window: for each selection the
free table and the PDF, and every caption, value and data file of the table
appears in the PDF's text (pdftotext)."""
import pathlib
import subprocess
import sys
import tempfile

pelmark = sys.argv[1]
auswahlen = ["DN 100 PN 16", "NPS 4 Class 300", "IPE 200"]
fehler = 0
with tempfile.TemporaryDirectory() as ordner:
    for n, auswahl in enumerate(auswahlen):
        csv = pathlib.Path(ordner, f"b{n}.csv")
        pdf = pathlib.Path(ordner, f"b{n}.pdf")
        subprocess.run([pelmark, "--massblatt", auswahl, "--csv", str(csv), "--pdf", str(pdf)],
                       check=True, env={"PATH": "/usr/bin:/bin", "HOME": ordner})
        roh = csv.read_bytes()
        text = roh[3:].decode() if roh.startswith(b"\xef\xbb\xbf") else roh.decode("cp1252")
        zeilen = [z.split(";") for z in text.splitlines()[2:]]
        pdftext = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], check=True,
                                 capture_output=True, text=True).stdout
        pdftext = pdftext.replace("\ufb01", "fi").replace("\ufb02", "fl")
        werte = 0
        for zeile in zeilen:
            for teil in zeile[1:]:
                if teil and teil not in pdftext:
                    print(f"{auswahl}: «{teil}» fehlt im PDF ({';'.join(zeile)})")
                    fehler += 1
            werte += bool(zeile[2])
        if werte < 10:
            print(f"{auswahl}: nur {werte} Werte")
            fehler += 1
    falsch = subprocess.run([pelmark, "--massblatt", "DN 175", "--csv", "x.csv"],
                            capture_output=True, text=True, cwd=ordner)
    if falsch.returncode != 2 or "DN 175" not in falsch.stderr:
        print("eine unbekannte Auswahl muss mit Status 2 und Meldung enden:", falsch)
        fehler += 1
sys.exit(1 if fehler else 0)
