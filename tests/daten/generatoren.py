"""The shipped generated files are what scripts/daten/erzeuge-alle writes:
regenerate into a temporary folder; tables must match byte for byte, pictures
by what the generator controls (bildvergleich.py states the tolerance)."""
import filecmp
import os
import subprocess
import tempfile
from bildvergleich import vergleiche
from gemeinsam import Pruefer, wurzel


def quell_svg(root, rel):
    """The SVG a generated picture is drawn from, None for a table."""
    name, endung = os.path.splitext(os.path.basename(rel))
    if endung not in (".bmp", ".jpg"):
        return None
    for svg in (os.path.join(root, "resources", "profile", name + ".svg"),
                os.path.join(root, "scripts", "daten", name + ".svg")):
        if os.path.exists(svg):
            return svg
    return None


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
            neu = os.path.join(ziel, rel)
            svg = quell_svg(root, rel)
            if svg:
                abweichung = vergleiche(neu, ausgeliefert, svg)
                p.pruefe(abweichung is None, f"{rel}: shipped picture differs from the generator output: {abweichung}")
            else:
                p.pruefe(filecmp.cmp(neu, ausgeliefert, shallow=False),
                         f"{rel}: shipped file differs from the generator output")
    p.ende()


if __name__ == "__main__":
    main()
