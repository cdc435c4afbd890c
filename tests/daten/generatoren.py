"""The shipped generated files are exactly what scripts/daten/erzeuge-alle
writes: regenerate into a temporary folder and compare byte for byte."""
import filecmp
import os
import subprocess
import tempfile
from gemeinsam import Pruefer, wurzel


def main():
    p = Pruefer()
    root = wurzel()
    with tempfile.TemporaryDirectory() as ziel:
        os.makedirs(os.path.join(ziel, "InfoTabellen"))
        umgebung = dict(os.environ, PELMARK_DATEN_ZIEL=ziel)
        lauf = subprocess.run([os.path.join(root, "scripts", "daten", "erzeuge-alle")],
                              env=umgebung, capture_output=True, text=True)
        if not p.pruefe(lauf.returncode == 0, f"erzeuge-alle failed: {lauf.stderr[-400:]}"):
            p.ende()
        erzeugt = []
        for ordner, _dirs, dateien in os.walk(ziel):
            for d in dateien:
                erzeugt.append(os.path.relpath(os.path.join(ordner, d), ziel))
        p.pruefe(len(erzeugt) >= 40, f"only {len(erzeugt)} files generated")
        for rel in sorted(erzeugt):
            ausgeliefert = os.path.join(root, "Daten" if not rel.startswith("InfoTabellen") else "", rel)
            if not p.pruefe(os.path.exists(ausgeliefert), f"{rel} generated but not shipped"):
                continue
            p.pruefe(filecmp.cmp(os.path.join(ziel, rel), ausgeliefert, shallow=False),
                     f"{rel}: shipped file differs from the generator output")
    p.ende()


if __name__ == "__main__":
    main()
