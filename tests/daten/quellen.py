"""The source table Daten/Quellen.CSV: every line well formed, every table the
program reads named in it and in QUELLEN.md, every file it names shipped, its
section of QUELLEN.md as scripts/daten/quellen_md.py writes it, and the stock
lengths of Schraubenlaengen.CSV ascending whole millimetres."""
import os
import re
import subprocess
import sys
from gemeinsam import Pruefer, daten, wurzel
from tabellenformat import KATALOG

ARTEN = {"Norm", "Herstellerblatt", "Rechenregel", "Werksstandard"}
BEREICH = re.compile(r"^(\*|\d+(-\d+)?)$")


def main():
    p = Pruefer()
    with open(daten("Quellen.CSV"), "rb") as f:
        roh = f.read()
    p.pruefe(roh.startswith(b"\xef\xbb\xbf"), "Quellen.CSV: UTF-8 byte-order mark missing")
    zeilen = roh[3:].decode("utf-8").split("\r\n")
    p.pruefe(zeilen[-1] == "", "Quellen.CSV: last line without CR LF")
    genannt = set()
    for n, z in enumerate(zeilen[1:-1], 2):
        f = z.split(";")
        if not p.pruefe(len(f) == 9, f"Quellen.CSV line {n}: {len(f)} fields"):
            continue
        genannt.add(f[0])
        p.pruefe(os.path.exists(daten(f[0])), f"Quellen.CSV line {n}: {f[0]} not shipped")
        p.pruefe(BEREICH.match(f[1]) and BEREICH.match(f[2]), f"line {n}: range {f[1]} / {f[2]}")
        p.pruefe(f[3] in ARTEN, f"line {n}: kind {f[3]}")
        p.pruefe(f[4] != "", f"line {n}: no source")
        p.pruefe(f[8] in ("", "Norm", "offen"), f"line {n}: reason {f[8]}")
    with open(daten("QUELLEN.md"), encoding="utf-8") as f:
        md = f.read()
    for datei, _, _ in KATALOG + [("Massumrechnung.CSV", None, None)]:
        p.pruefe(datei in genannt, f"{datei} missing in Quellen.CSV")
    for datei in genannt | {"Quellen.CSV", "Schraubenlaengen.CSV"}:
        p.pruefe(datei in md, f"{datei} missing in QUELLEN.md")
    lauf = subprocess.run([sys.executable, os.path.join(wurzel(), "scripts", "daten", "quellen_md.py"),
                           "--pruefen", wurzel()], capture_output=True, text=True)
    p.pruefe(lauf.returncode == 0, lauf.stderr.strip())
    with open(daten("Schraubenlaengen.CSV"), "rb") as f:
        laengen = f.read().decode("cp1252").split("\r\n")[2:-1]
    p.pruefe(all(x.isdigit() for x in laengen) and
             [int(x) for x in laengen] == sorted({int(x) for x in laengen}),
             "Schraubenlaengen.CSV: lengths not ascending whole mm")
    p.ende()


if __name__ == "__main__":
    main()
