"""Section values A, I and W of the nine section tables, recomputed from the
dimensions in the tables (root radii from this file's own list of the
standards' radii) by closed formulas, must agree within 2 %.

I sections with parallel flanges: A = 2 b tf + (h - 2 tf) tw + (4 - pi) r²,
Iy = [b h³ - (b - tw)(h - 2 tf)³] / 12 + 0.03 r⁴ + 0.2146 r² (h - 2 tf - 0.4468 r)²,
Iz = [2 tf b³ + (h - 2 tf) tw³] / 12 + 0.03 r⁴ + 0.2146 r² (tw + 0.4468 r)².
Angles and T sections: rectangles plus root fillets minus toe fillets.
Channels and tapered I sections: catalogue values of the steel makers."""
import math
from gemeinsam import Pruefer, matrix, zelle_lesen

GRENZE = 0.02
WURZELRADIUS = {  # EN 10365 root radius r by section
    "IPE": {80: 5, 100: 7, 120: 7, 140: 7, 160: 9, 180: 9, 200: 12, 220: 12, 240: 15, 270: 15,
            300: 15, 330: 18, 360: 18, 400: 21, 450: 21, 500: 21, 550: 24, 600: 24},
    "HE": {100: 12, 120: 12, 140: 12, 160: 15, 180: 15, 200: 18, 220: 18, 240: 21, 260: 24,
           280: 24, 300: 27, 320: 27, 340: 27, 360: 27, 400: 27, 450: 27, 500: 27, 550: 27,
           600: 27, 650: 27, 700: 27, 800: 30, 900: 30, 1000: 30},
}
# catalogue values (A cm², Iy cm⁴, Wy cm³, Iz cm⁴, Wz cm³)
KATALOG = {
    ("U_Stahl.CSV", "UPN 100"): (13.5, 206, 41.2, 29.3, 8.49),
    ("U_Stahl.CSV", "UPN 200"): (32.2, 1910, 191, 148, 27.0),
    ("U_Stahl.CSV", "UPN 300"): (58.8, 8030, 535, 495, 67.8),
    ("U_Stahl.CSV", "UPN 320"): (75.8, 10870, 679, 597, 80.6),  # 5 % flange slope
    ("I_Stahl.CSV", "INP 200"): (33.4, 2140, 214, 117, 26.0),
    ("I_Stahl.CSV", "INP 400"): (118, 29210, 1460, 1160, 149),
    ("I_Stahl.CSV", "INP 100"): (10.6, 171, 34.2, 12.2, 4.88),
}
K = (10 - 3 * math.pi) / (12 - 3 * math.pi)  # centroid of a fillet from its corner, / r
KEHLE = 1 - math.pi / 4


def nah(p, ist, soll, was):
    p.pruefe(abs(ist - soll) <= GRENZE * abs(soll), f"{was}: table {ist}, recomputed {soll:.4g}")


def werte(z):
    return [zelle_lesen(x) for x in z[1:6]]  # Wmax, Wmin, Imax, Imin, A


def i_profile(p):
    for datei, art in (("IPE.CSV", "IPE"), ("HEA.CSV", "HE"), ("HEB.CSV", "HE"), ("HEM.CSV", "HE")):
        for z in matrix(datei, 12)[1:]:
            wmax, wmin, imax, imin, a = werte(z)
            b, h, tw, tf = (float(x.replace(",", ".")) for x in z[6:10])
            r = WURZELRADIUS[art][int(z[0].split()[1])]
            hw = h - 2 * tf
            fa = 2 * b * tf + hw * tw + (4 - math.pi) * r * r
            iy = (b * h ** 3 - (b - tw) * hw ** 3) / 12 + 0.03 * r ** 4 + 0.2146 * r * r * (hw - 0.4468 * r) ** 2
            iz = (2 * tf * b ** 3 + hw * tw ** 3) / 12 + 0.03 * r ** 4 + 0.2146 * r * r * (tw + 0.4468 * r) ** 2
            nah(p, a, fa / 100, f"{z[0]} A")
            nah(p, imax, iy / 1e4, f"{z[0]} Iy")
            nah(p, imin, iz / 1e4, f"{z[0]} Iz")
            nah(p, wmax, 2 * iy / h / 1e3, f"{z[0]} Wy")
            nah(p, wmin, 2 * iz / b / 1e3, f"{z[0]} Wz")


def zusammensetzen(teile, ecken):
    """Teile: (area, cx, cy, Ix_own, Iy_own); returns A, Imax, Imin, Wmax, Wmin."""
    a = sum(t[0] for t in teile)
    cx = sum(t[0] * t[1] for t in teile) / a
    cy = sum(t[0] * t[2] for t in teile) / a
    ixx = sum(t[3] + t[0] * (t[2] - cy) ** 2 for t in teile)
    iyy = sum(t[4] + t[0] * (t[1] - cx) ** 2 for t in teile)
    ixy = sum(t[0] * (t[1] - cx) * (t[2] - cy) for t in teile)
    m, rad = (ixx + iyy) / 2, math.hypot((ixx - iyy) / 2, ixy)
    phi = 0.5 * math.atan2(-2 * ixy, ixx - iyy)
    c, s = math.cos(phi), math.sin(phi)
    e1 = max(abs(-(x - cx) * s + (y - cy) * c) for x, y in ecken)
    e2 = max(abs((x - cx) * c + (y - cy) * s) for x, y in ecken)
    return a, m + rad, m - rad, (m + rad) / e1, (m - rad) / e2


def rechteck(x0, y0, x1, y1):
    b, h = x1 - x0, y1 - y0
    return (b * h, (x0 + x1) / 2, (y0 + y1) / 2, b * h ** 3 / 12, h * b ** 3 / 12)


def kehle(x, y, r, vorzeichen=1):
    return (vorzeichen * KEHLE * r * r, x, y, 0.0, 0.0)


def toe_bogen(mx, my, r):
    """Points of the rounded toe of a leg (quarter arc around mx, my)."""
    return [(mx + r * math.cos(w), my + r * math.sin(w))
            for w in (i * math.pi / 40 for i in range(21))]


def winkel(p, datei, radien):
    for z in matrix(datei, 12)[1:]:
        wmax, wmin, imax, imin, a = werte(z)
        b, h, t = (float(x.replace(",", ".")) for x in z[6:9])
        r1 = radien[z[0]]
        r2 = r1 / 2
        teile = [rechteck(0, 0, t, h), rechteck(t, 0, b, t),
                 kehle(t + K * r1, t + K * r1, r1),
                 kehle(b - K * r2, t - K * r2, r2, -1), kehle(t - K * r2, h - K * r2, r2, -1)]
        ecken = [(0, 0), (b, 0), (0, h)] + toe_bogen(b - r2, t - r2, r2) + toe_bogen(t - r2, h - r2, r2)
        fa, i1, i2, w1, w2 = zusammensetzen(teile, ecken)
        for ist, soll, n in ((a, fa / 100, "A"), (imax, i1 / 1e4, "Iu"), (imin, i2 / 1e4, "Iv"),
                             (wmax, w1 / 1e3, "Wu"), (wmin, w2 / 1e3, "Wv")):
            nah(p, ist, soll, f"{z[0]} {n}")


RADIEN_G = {f"L {a}x{a}x{t}": r for a, t, r in [
    (20, 3, 3.5), (25, 3, 3.5), (25, 4, 3.5), (30, 3, 5), (30, 4, 5), (35, 4, 5), (40, 4, 6),
    (40, 5, 6), (45, "4,5", 7), (50, 5, 7), (50, 6, 7), (60, 6, 8), (60, 8, 8), (65, 7, 9),
    (70, 7, 9), (75, 8, 9), (80, 8, 10), (80, 10, 10), (90, 9, 11), (100, 10, 12), (100, 12, 12),
    (120, 12, 13), (120, 15, 13), (150, 12, 16), (150, 15, 16), (160, 15, 17), (180, 18, 18),
    (200, 20, 18), (200, 24, 18)]}
RADIEN_U = {f"L {a}x{b}x{t}": r for a, b, t, r in [
    (30, 20, 3, 4), (40, 20, 4, 4), (45, 30, 4, 4.5), (50, 30, 5, 5), (60, 30, 5, 6),
    (60, 40, 5, 6), (60, 40, 6, 6), (65, 50, 5, 6), (70, 50, 6, 7), (75, 50, 6, 7), (75, 50, 8, 7),
    (80, 40, 6, 7), (80, 60, 7, 8), (100, 50, 6, 8), (100, 50, 8, 8), (100, 65, 7, 10),
    (100, 75, 8, 10), (120, 80, 8, 11), (120, 80, 10, 11), (125, 75, 8, 11), (150, 75, 9, 12),
    (150, 90, 10, 12), (150, 100, 10, 12), (200, 100, 10, 15), (200, 150, 12, 15)]}


def t_stahl(p):
    for z in matrix("T_Stahl_G.CSV", 12)[1:]:
        wmax, wmin, imax, imin, a = werte(z)
        b, h, s, t = (float(x.replace(",", ".")) for x in z[6:10])
        r1, r2, r3 = t, t / 2, t / 4
        teile = [rechteck(-b / 2, h - t, b / 2, h), rechteck(-s / 2, 0, s / 2, h - t),
                 kehle(s / 2 + K * r1, h - t - K * r1, r1), kehle(-s / 2 - K * r1, h - t - K * r1, r1),
                 kehle(b / 2 - K * r2, h - t + K * r2, r2, -1), kehle(-b / 2 + K * r2, h - t + K * r2, r2, -1),
                 kehle(s / 2 - K * r3, K * r3, r3, -1), kehle(-s / 2 + K * r3, K * r3, r3, -1)]
        ecken = [(-b / 2, h), (b / 2, h), (-s / 2, 0), (s / 2, 0)]
        fa, i1, i2, w1, w2 = zusammensetzen(teile, ecken)
        for ist, soll, n in ((a, fa / 100, "A"), (imax, i1 / 1e4, "Imax"), (imin, i2 / 1e4, "Imin"),
                             (wmax, w1 / 1e3, "Wmax"), (wmin, w2 / 1e3, "Wmin")):
            nah(p, ist, soll, f"{z[0]} {n}")


def katalog(p):
    for (datei, name), (a, iy, wy, iz, wz) in KATALOG.items():
        zeile = [z for z in matrix(datei, 12) if z[0] == name]
        if not p.pruefe(len(zeile) == 1, f"{name} missing in {datei}"):
            continue
        wmax, wmin, imax, imin, fa = werte(zeile[0])
        for ist, soll, n in ((fa, a, "A"), (imax, iy, "Iy"), (wmax, wy, "Wy"), (imin, iz, "Iz"),
                             (wmin, wz, "Wz")):
            nah(p, ist, soll, f"{name} {n}")


def main():
    p = Pruefer()
    i_profile(p)
    winkel(p, "Winkel_G.CSV", RADIEN_G)
    winkel(p, "Winkel_U.CSV", RADIEN_U)
    t_stahl(p)
    katalog(p)
    for datei in ("Winkel_G.CSV", "Winkel_U.CSV", "U_Stahl.CSV", "I_Stahl.CSV", "IPE.CSV",
                  "HEA.CSV", "HEB.CSV", "HEM.CSV", "T_Stahl_G.CSV"):
        for z in matrix(datei, 12)[1:]:
            wmax, wmin, imax, imin, a = werte(z)
            p.pruefe(imax >= imin > 0 and a > 0, f"{z[0]}: Imax < Imin or empty values")
    p.ende()


if __name__ == "__main__":
    main()
