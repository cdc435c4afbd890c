#!/usr/bin/python3
"""Lager.CSV (pipe supports) and Rohrabst.CSV (centre distance of lines).

No public standard dimensions these plant support kinds; the values are
example values of a plant standard, derived by the design rules below, and
are to be replaced by the user's own standard.

Lager.CSV, rows as P_Din.CSV, columns 1..24: height h and width b of the
kinds 01, 02, 03, 04 and of the GL/FL and FP variants of 05, 06, 12, 13.
  shoe kinds 01 to 06 (h from the bottom of the pipe to the top of the beam):
    h = insulation thickness for 250 °C (Isol.CSV) + 40 mm, rounded up to
        50 mm, at least 100 mm; pipe-bridge kinds (02, 04, 06) 50 mm more;
        stainless kinds (01, 02) 10 mm more for the pad plate;
    b = da / 2 + 60 mm, rounded up to 10 mm, at least 100 mm;
  anchors (FP) are 50 mm wider than the sliding variant;
  clamp kinds 12 and 13 (h from the pipe axis to the top of the beam):
    h = da / 2 + 100 mm (12) or + 150 mm (13), b = da + 60 mm, each rounded
    up to 10 mm.
Rohrabst.CSV: square table, row = line 1, column = line 2, centre distance
without insulation: half the PN 16 flange diameter of the larger line + 50 mm
clearance + half the outside diameter of the smaller line, rounded up to 10 mm.
"""
import math
from csvdatei import schreibe
from rohre import DIN_GROESSEN
from isolierung import waermeschutz
from flansche import PN16


def auf(wert, raster):
    return int(math.ceil(wert / raster - 1e-9) * raster)


def lager_zeile(dn, da):
    iso = waermeschutz(da, 250)
    h = max(100, auf(iso + 40, 50))
    b = max(100, auf(da / 2 + 60, 10))
    h_rbr = h + 50
    werte = [h + 10, b, h_rbr + 10, b,        # 01, 02 stainless
             h, b, h_rbr, b,                  # 03, 04 carbon steel
             h, b, h, b + 50,                 # 05 GL/FL, FP
             h_rbr, b, h_rbr, b + 50]         # 06 GL/FL, FP
    h12 = auf(da / 2 + 100, 10)
    h13 = auf(da / 2 + 150, 10)
    b12 = auf(da + 60, 10)
    werte += [h12, b12, h12, b12 + 50, h13, b12, h13, b12 + 50]
    return [f"DN {dn}"] + werte


def main():
    kopf = ["DN", "h 01", "b 01", "h 02", "b 02", "h 03", "b 03", "h 04", "b 04",
            "h GL05", "b GL05", "h FP05", "b FP05", "h GL06", "b GL06", "h FP06", "b FP06",
            "h GL12", "b GL12", "h FP12", "b FP12", "h GL13", "b GL13", "h FP13", "b FP13"]
    zeilen = [kopf] + [lager_zeile(dn, da) for dn, da, _n in DIN_GROESSEN]
    schreibe("Lager.CSV", "Rohrlager: Beispielwerte eines Werksstandards in mm (Regeln siehe QUELLEN.md)",
             zeilen)

    namen = [f"DN {dn}" for dn, _da, _n in DIN_GROESSEN]
    zeilen = [["DN"] + namen]
    for dn1, da1, _n1 in DIN_GROESSEN:
        zeile = [f"DN {dn1}"]
        for dn2, da2, _n2 in DIN_GROESSEN:
            gross, klein = (dn1, da2) if dn1 >= dn2 else (dn2, da1)
            zeile.append(auf(PN16[gross][1] / 2 + 50 + klein / 2, 10))
        zeilen.append(zeile)
    schreibe("Rohrabst.CSV", "Achsabstand zweier Leitungen ohne Dämmung in mm (Flansch PN 16)", zeilen)


if __name__ == "__main__":
    main()
