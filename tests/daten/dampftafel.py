"""The steam table: generator output, IAPWS-IF97 recomputation and order."""
import os
import sys

from gemeinsam import Pruefer, mit_debian_modul, wurzel, zeilen, zelle_lesen

mit_debian_modul("iapws")

sys.path.insert(0, os.path.join(wurzel(), "scripts", "daten"))
import dampftafel  # noqa: E402
from iapws import IAPWS97  # noqa: E402


def halbe_stelle(text):
    """Half a unit of the last printed digit."""
    t = text.strip()
    if "," in t:
        return 0.5 * 10 ** -(len(t) - t.index(",") - 1)
    return 0.5


def main():
    p = Pruefer()
    z = zeilen("Dampftabelle.CSV")
    soll = dampftafel.zeilen()
    p.pruefe(len(z) - 1 == len(soll), f"{len(z) - 1} rows, generator {len(soll)}")
    for n, (ist, gen) in enumerate(zip(z[1:], soll), 1):
        p.pruefe(ist == ";".join(gen), f"line {n} differs from the generator: {ist!r}")
    p.pruefe(len(z) <= 302, f"{len(z)} lines, at most 302 fit")
    vorher = None
    for n, zeile in enumerate(z[2:], 2):
        werte = [zelle_lesen(x) for x in zeile.split(";")]
        if not p.pruefe(None not in werte and len(werte) == 5, f"line {n} does not read: {zeile!r}"):
            continue
        druck, temp, v, h, r = werte
        if vorher:
            p.pruefe(druck > vorher[0] and temp > vorher[1], f"line {n}: not ascending")
        vorher = (druck, temp)
        dampf = IAPWS97(P=druck / 10, x=1)
        wasser = IAPWS97(P=druck / 10, x=0)
        texte = zeile.split(";")
        for wert, rechnung, text, name in ((temp, dampf.T - 273.15, texte[1], "t"),
                                           (h, dampf.h, texte[3], "h"),
                                           (r, dampf.h - wasser.h, texte[4], "r")):
            p.pruefe(abs(wert - rechnung) <= halbe_stelle(text) + 1e-9,
                     f"line {n}: {name} = {wert}, IAPWS-IF97 {rechnung:.4f}")
        p.pruefe(abs(v - dampf.v) <= 0.5e-4 * dampf.v + 1e-12, f"line {n}: v = {v}, IAPWS-IF97 {dampf.v}")
    erste = [zelle_lesen(x) for x in z[2].split(";")]
    letzte = [zelle_lesen(x) for x in z[-1].split(";")]
    p.pruefe(abs(erste[1] - 0.01) < 0.006, "table does not start at the triple point")
    p.pruefe(200 <= letzte[0] < 220.64, "table does not end close below the critical point")
    # a known point: 1,01325 bar boils at 99,97 °C (IAPWS-IF97)
    p.pruefe(abs(IAPWS97(P=0.101325, x=1).T - 273.15 - 99.97) < 0.01, "IAPWS-IF97 reference point")
    p.ende()


if __name__ == "__main__":
    main()
