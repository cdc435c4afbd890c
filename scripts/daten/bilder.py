#!/usr/bin/python3
"""Section pictures and the formula sheet.

resources/profile/<name>.svg -> Daten/<name>.bmp (100 x 100 pixels, 24 bit,
uncompressed BMP) and scripts/daten/Formelsammlung.svg -> Daten/Formelsammlung.jpg,
with rsvg-convert (librsvg2-bin) and ImageMagick's convert.
"""
import os
import subprocess
import tempfile
from csvdatei import WURZEL, DATEN

PROFILE = ["Winkel_G", "Winkel_U", "U_Stahl", "I_Stahl", "IPE", "HEA", "HEB", "HEM",
           "T_Stahl_G"]


def svg_zu_png(svg, png, breite, hoehe):
    subprocess.run(["rsvg-convert", "-w", str(breite), "-h", str(hoehe), "-b", "white",
                    "-o", png, svg], check=True)


def main():
    quelle = os.path.join(WURZEL, "resources", "profile")
    with tempfile.TemporaryDirectory() as tmp:
        for name in PROFILE:
            png = os.path.join(tmp, name + ".png")
            svg_zu_png(os.path.join(quelle, name + ".svg"), png, 100, 100)
            subprocess.run(["convert", png, "-background", "white", "-alpha", "remove",
                            "-type", "TrueColor", "+set", "date:create", "+set", "date:modify",
                            "BMP3:" + os.path.join(DATEN, name + ".bmp")], check=True)
        png = os.path.join(tmp, "formeln.png")
        svg_zu_png(os.path.join(os.path.dirname(__file__), "Formelsammlung.svg"), png, 1000, 631)
        subprocess.run(["convert", png, "-background", "white", "-alpha", "remove",
                        "-strip", "-quality", "90", os.path.join(DATEN, "Formelsammlung.jpg")],
                       check=True)


if __name__ == "__main__":
    main()
