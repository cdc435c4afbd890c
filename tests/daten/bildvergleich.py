"""Compares a generated picture with the shipped one by what the generator
controls.

The pictures are drawn from SVG files; their letters are set in whatever face
the machine's fontconfig offers for "DejaVu Sans" italic (a true oblique with
fonts-dejavu-extra, a synthesised slant without it), and that face is not ours
to control. So the picture is split in two:

- the drawing: every pixel farther than RAND pixels from a letter. Here at most
  ZEICHNUNG_ANTEIL of the pixels may differ by more than SCHWELLE in a colour
  channel; a moved line, a changed colour or a changed size fails.
- the letters: the pixels within RAND pixels of a letter (found by rendering the
  SVG once with and once without its <text> elements). Here at most
  SCHRIFT_ANTEIL of those pixels may differ by more than SCHWELLE, and their
  ink (the darkness summed over them) may differ by at most TINTE_ANTEIL: another
  face of the same letters passes (measured: 46 % of the pixels, 1 % of the ink),
  a missing, moved or recoloured letter does not (one swapped for a letter of
  like shape and ink may).
"""
import os
import re
import subprocess
import tempfile

SCHWELLE = 16  # of 255 in any colour channel
RAND = 1  # pixels around a letter that belong to it
ZEICHNUNG_ANTEIL = 0.0002
SCHRIFT_ANTEIL = 0.6
TINTE_ANTEIL = 0.03

TEXT = re.compile(r"<text\b.*?</text>", re.S)


def groesse(pfad):
    aus = subprocess.run(["identify", "-format", "%w %h", pfad], capture_output=True,
                         text=True, check=True).stdout
    b, h = aus.split()
    return int(b), int(h)


def pixel(pfad):
    """RGB bytes of a picture, row by row."""
    return subprocess.run(["convert", pfad, "-background", "white", "-alpha", "remove",
                           "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout


def verschieden(a, b):
    """Indices of the pixels whose colours differ by more than SCHWELLE."""
    return {i // 3 for i in range(0, len(a), 3)
            if max(abs(a[i] - b[i]), abs(a[i + 1] - b[i + 1]), abs(a[i + 2] - b[i + 2])) > SCHWELLE}


def gerendert(svg_text, breite, hoehe, tmp, name):
    svg = os.path.join(tmp, name + ".svg")
    png = os.path.join(tmp, name + ".png")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(svg_text)
    subprocess.run(["rsvg-convert", "-w", str(breite), "-h", str(hoehe), "-b", "white",
                    "-o", png, svg], check=True)
    return pixel(png)


def schriftmaske(svg_pfad, breite, hoehe):
    """Pixels within RAND of a letter of the SVG as rendered on this machine."""
    with open(svg_pfad, encoding="utf-8") as f:
        quelle = f.read()
    with tempfile.TemporaryDirectory() as tmp:
        mit = gerendert(quelle, breite, hoehe, tmp, "mit")
        ohne = gerendert(TEXT.sub("", quelle), breite, hoehe, tmp, "ohne")
    maske = set()
    for i in (i // 3 for i in range(0, len(mit), 3) if mit[i:i + 3] != ohne[i:i + 3]):
        x, y = i % breite, i // breite
        for dy in range(-RAND, RAND + 1):
            for dx in range(-RAND, RAND + 1):
                if 0 <= x + dx < breite and 0 <= y + dy < hoehe:
                    maske.add((y + dy) * breite + x + dx)
    return maske


def tinte(rgb, maske):
    return sum(765 - rgb[3 * i] - rgb[3 * i + 1] - rgb[3 * i + 2] for i in maske)


def vergleiche(erzeugt, ausgeliefert, svg_pfad):
    """None when the pictures agree, else what differs."""
    b, h = groesse(ausgeliefert)
    if groesse(erzeugt) != (b, h):
        return f"size {groesse(erzeugt)} instead of {(b, h)}"
    neu, alt = pixel(erzeugt), pixel(ausgeliefert)
    anders = verschieden(neu, alt)
    maske = schriftmaske(svg_pfad, b, h)
    zeichnung = len(anders - maske)
    schrift = len(anders & maske)
    if zeichnung > ZEICHNUNG_ANTEIL * (b * h - len(maske)):
        return f"{zeichnung} pixels of the drawing differ"
    if schrift > SCHRIFT_ANTEIL * max(len(maske), 1):
        return f"{schrift} of {len(maske)} pixels of the letters differ"
    tinte_neu, tinte_alt = tinte(neu, maske), tinte(alt, maske)
    if abs(tinte_neu - tinte_alt) > TINTE_ANTEIL * max(tinte_alt, 1):
        return f"the letters' ink differs: {tinte_neu} instead of {tinte_alt}"
    return None
