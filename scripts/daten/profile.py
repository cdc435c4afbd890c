#!/usr/bin/python3
"""Rolled steel sections: nine tables of twelve columns.

Columns: name; Wmax, Wmin (cm³); Imax, Imin (cm⁴); A (cm²); b, h, s, t, w, d
(mm). Imax and Imin are the principal second moments of area (cm⁴, written "cm4": Windows-1252 has no superscript four); Wmax and Wmin
the elastic section moduli about those axes (second moment divided by the
largest distance of the outline from the axis).

The static values are computed from the nominal dimensions of the standards
(EN 10365 / DIN 1025 I sections, DIN 1026-1 / EN 10365 channels, EN 10056-1
angles, EN 10055 T sections) on the exact outline: root and toe radii as
circular arcs, tapered flanges of INP (14 %) and UPN (8 %, from UPN 320 on 5 %)
as sloping faces.
w (gauge line) and d (hole diameter) are not given: "-".
"""
import math
from csvdatei import schreibe

BOGEN_SCHRITTE = 24


# --- outline geometry ----------------------------------------------------------
def verrunde(punkte, radien):
    """Polygon with each corner i replaced by an arc of radius radien[i]."""
    erg = []
    n = len(punkte)
    for i, p in enumerate(punkte):
        r = radien[i]
        if not r:
            erg.append(p)
            continue
        a, b = punkte[i - 1], punkte[(i + 1) % n]
        u1 = _einheit(a[0] - p[0], a[1] - p[1])
        u2 = _einheit(b[0] - p[0], b[1] - p[1])
        cos_w = max(-1.0, min(1.0, u1[0] * u2[0] + u1[1] * u2[1]))
        halb = math.acos(cos_w) / 2
        d = r / math.tan(halb)
        t1 = (p[0] + u1[0] * d, p[1] + u1[1] * d)
        t2 = (p[0] + u2[0] * d, p[1] + u2[1] * d)
        mitte = _einheit(u1[0] + u2[0], u1[1] + u2[1])
        c = (p[0] + mitte[0] * r / math.sin(halb), p[1] + mitte[1] * r / math.sin(halb))
        w1 = math.atan2(t1[1] - c[1], t1[0] - c[0])
        w2 = math.atan2(t2[1] - c[1], t2[0] - c[0])
        dw = (w2 - w1 + math.pi) % (2 * math.pi) - math.pi
        for k in range(BOGEN_SCHRITTE + 1):
            w = w1 + dw * k / BOGEN_SCHRITTE
            erg.append((c[0] + r * math.cos(w), c[1] + r * math.sin(w)))
    return erg


def _einheit(x, y):
    l = math.hypot(x, y)
    return (x / l, y / l)


def kennwerte(punkte):
    """Area (mm²), principal I (mm⁴) and W (mm³) of a simple polygon."""
    a = sx = sy = ixx = iyy = ixy = 0.0
    n = len(punkte)
    for i in range(n):
        x0, y0 = punkte[i]
        x1, y1 = punkte[(i + 1) % n]
        k = x0 * y1 - x1 * y0
        a += k
        sx += (x0 + x1) * k
        sy += (y0 + y1) * k
        ixx += (y0 * y0 + y0 * y1 + y1 * y1) * k
        iyy += (x0 * x0 + x0 * x1 + x1 * x1) * k
        ixy += (x0 * y1 + 2 * x0 * y0 + 2 * x1 * y1 + x1 * y0) * k
    a /= 2
    cx, cy = sx / (6 * a), sy / (6 * a)
    ixx = ixx / 12 - a * cy * cy
    iyy = iyy / 12 - a * cx * cx
    ixy = ixy / 24 - a * cx * cy
    if a < 0:
        a, ixx, iyy, ixy = -a, -ixx, -iyy, -ixy
    m = (ixx + iyy) / 2
    rad = math.hypot((ixx - iyy) / 2, ixy)
    imax, imin = m + rad, m - rad
    phi = 0.5 * math.atan2(-2 * ixy, ixx - iyy)  # axis of imax
    # distances of the outline from the two principal axes
    c, s = math.cos(phi), math.sin(phi)
    e_max = max(abs(-(x - cx) * s + (y - cy) * c) for x, y in punkte)
    e_min = max(abs((x - cx) * c + (y - cy) * s) for x, y in punkte)
    return a, imax, imin, imax / e_max, imin / e_min


# --- outlines of the kinds (x to the right, y up, mm) --------------------------
def i_profil(h, b, tw, tf, r):
    """Parallel-flange I section (IPE, HEA, HEB, HEM)."""
    x1, x2 = b / 2, tw / 2
    y1, y2 = h / 2, h / 2 - tf
    p = [(-x1, -y1), (x1, -y1), (x1, -y2), (x2, -y2), (x2, y2), (x1, y2),
         (x1, y1), (-x1, y1), (-x1, y2), (-x2, y2), (-x2, -y2), (-x1, -y2)]
    rad = [0, 0, 0, r, r, 0, 0, 0, 0, r, r, 0]
    return verrunde(p, rad)


def i_schmal(h, b, tw, tf, r1, r2, neigung=0.14):
    """Tapered-flange I section (INP): t at a quarter of b from the web axis."""
    xm = b / 4
    def innen_y(x):  # inner flange face, upper flange
        return h / 2 - tf - (xm - x) * neigung
    xa, xb = tw / 2, b / 2
    p = [(-xb, -h / 2), (xb, -h / 2), (xb, -innen_y(xb)), (xa, -innen_y(xa)),
         (xa, innen_y(xa)), (xb, innen_y(xb)), (xb, h / 2), (-xb, h / 2),
         (-xb, innen_y(xb)), (-xa, innen_y(xa)), (-xa, -innen_y(xa)), (-xb, -innen_y(xb))]
    rad = [0, 0, r2, r1, r1, r2, 0, 0, r2, r1, r1, r2]
    return verrunde(p, rad)


def u_profil(h, b, tw, tf, r1, r2, neigung=0.08):
    """Tapered-flange channel (UPN): back of the web at x = 0, t at b / 2."""
    xm = b / 2
    def innen_y(x):
        return h / 2 - tf - (xm - x) * neigung
    p = [(0, -h / 2), (b, -h / 2), (b, -innen_y(b)), (tw, -innen_y(tw)),
         (tw, innen_y(tw)), (b, innen_y(b)), (b, h / 2), (0, h / 2)]
    rad = [0, 0, r2, r1, r1, r2, 0, 0]
    return verrunde(p, rad)


def winkel(a, b, t, r1, r2):
    """Angle with legs a (vertical) and b (horizontal), thickness t."""
    p = [(0, 0), (b, 0), (b, t), (t, t), (t, a), (0, a)]
    rad = [0, 0, r2, r1, r2, 0]
    return verrunde(p, rad)


def t_profil(b, h, t, r1, r2, r3):
    """Equal T section: flange b x t at the top, web t thick."""
    p = [(-b / 2, h), (-b / 2, h - t), (-t / 2, h - t), (-t / 2, 0), (t / 2, 0),
         (t / 2, h - t), (b / 2, h - t), (b / 2, h)]
    rad = [0, r2, r1, r3, r3, r1, r2, 0]
    return verrunde(p, rad)


# --- dimensions --------------------------------------------------------------
IPE = [(80, 46, 3.8, 5.2, 5), (100, 55, 4.1, 5.7, 7), (120, 64, 4.4, 6.3, 7),
       (140, 73, 4.7, 6.9, 7), (160, 82, 5.0, 7.4, 9), (180, 91, 5.3, 8.0, 9),
       (200, 100, 5.6, 8.5, 12), (220, 110, 5.9, 9.2, 12), (240, 120, 6.2, 9.8, 15),
       (270, 135, 6.6, 10.2, 15), (300, 150, 7.1, 10.7, 15), (330, 160, 7.5, 11.5, 18),
       (360, 170, 8.0, 12.7, 18), (400, 180, 8.6, 13.5, 21), (450, 190, 9.4, 14.6, 21),
       (500, 200, 10.2, 16.0, 21), (550, 210, 11.1, 17.2, 24), (600, 220, 12.0, 19.0, 24)]
IPE = [(f"IPE {h}",) + d for d in IPE for h in [d[0]]]

HEA = [(100, 96, 100, 5, 8, 12), (120, 114, 120, 5, 8, 12), (140, 133, 140, 5.5, 8.5, 12),
       (160, 152, 160, 6, 9, 15), (180, 171, 180, 6, 9.5, 15), (200, 190, 200, 6.5, 10, 18),
       (220, 210, 220, 7, 11, 18), (240, 230, 240, 7.5, 12, 21), (260, 250, 260, 7.5, 12.5, 24),
       (280, 270, 280, 8, 13, 24), (300, 290, 300, 8.5, 14, 27), (320, 310, 300, 9, 15.5, 27),
       (340, 330, 300, 9.5, 16.5, 27), (360, 350, 300, 10, 17.5, 27), (400, 390, 300, 11, 19, 27),
       (450, 440, 300, 11.5, 21, 27), (500, 490, 300, 12, 23, 27), (550, 540, 300, 12.5, 24, 27),
       (600, 590, 300, 13, 25, 27), (650, 640, 300, 13.5, 26, 27), (700, 690, 300, 14.5, 27, 27),
       (800, 790, 300, 15, 28, 30), (900, 890, 300, 16, 30, 30), (1000, 990, 300, 16.5, 31, 30)]
HEB = [(100, 100, 100, 6, 10, 12), (120, 120, 120, 6.5, 11, 12), (140, 140, 140, 7, 12, 12),
       (160, 160, 160, 8, 13, 15), (180, 180, 180, 8.5, 14, 15), (200, 200, 200, 9, 15, 18),
       (220, 220, 220, 9.5, 16, 18), (240, 240, 240, 10, 17, 21), (260, 260, 260, 10, 17.5, 24),
       (280, 280, 280, 10.5, 18, 24), (300, 300, 300, 11, 19, 27), (320, 320, 300, 11.5, 20.5, 27),
       (340, 340, 300, 12, 21.5, 27), (360, 360, 300, 12.5, 22.5, 27), (400, 400, 300, 13.5, 24, 27),
       (450, 450, 300, 14, 26, 27), (500, 500, 300, 14.5, 28, 27), (550, 550, 300, 15, 29, 27),
       (600, 600, 300, 15.5, 30, 27), (650, 650, 300, 16, 31, 27), (700, 700, 300, 17, 32, 27),
       (800, 800, 300, 17.5, 33, 30), (900, 900, 300, 18.5, 35, 30), (1000, 1000, 300, 19, 36, 30)]
HEM = [(100, 120, 106, 12, 20, 12), (120, 140, 126, 12.5, 21, 12), (140, 160, 146, 13, 22, 12),
       (160, 180, 166, 14, 23, 15), (180, 200, 186, 14.5, 24, 15), (200, 220, 206, 15, 25, 18),
       (220, 240, 226, 15.5, 26, 18), (240, 270, 248, 18, 32, 21), (260, 290, 268, 18, 32.5, 24),
       (280, 310, 288, 18.5, 33, 24), (300, 340, 310, 21, 39, 27), (320, 359, 309, 21, 40, 27),
       (340, 377, 309, 21, 40, 27), (360, 395, 308, 21, 40, 27), (400, 432, 307, 21, 40, 27),
       (450, 478, 307, 21, 40, 27), (500, 524, 306, 21, 40, 27), (550, 572, 306, 21, 40, 27),
       (600, 620, 305, 21, 40, 27), (650, 668, 305, 21, 40, 27), (700, 716, 304, 21, 40, 27),
       (800, 814, 303, 21, 40, 30), (900, 910, 302, 21, 40, 30), (1000, 1008, 302, 21, 40, 30)]
# INP (DIN 1025-1): h, b, s, t; r1 = s, r2 = 0.6 s
INP = [(80, 42, 3.9, 5.9), (100, 50, 4.5, 6.8), (120, 58, 5.1, 7.7), (140, 66, 5.7, 8.6),
       (160, 74, 6.3, 9.5), (180, 82, 6.9, 10.4), (200, 90, 7.5, 11.3), (220, 98, 8.1, 12.2),
       (240, 106, 8.7, 13.1), (260, 113, 9.4, 14.1), (280, 119, 10.1, 15.2), (300, 125, 10.8, 16.2),
       (320, 131, 11.5, 17.3), (340, 137, 12.2, 18.3), (360, 143, 13.0, 19.5), (380, 149, 13.7, 20.5),
       (400, 155, 14.4, 21.6), (450, 170, 16.2, 24.3), (500, 185, 18.0, 27.0), (550, 200, 19.0, 30.0),
       (600, 215, 21.6, 32.4)]
# UPN (DIN 1026-1): h, b, s, t; r1 = t, r2 = t / 2. The flanges slope 8 %,
# the deep channels from UPN 320 on only 5 %.
def upn_neigung(h):
    return 0.05 if h > 300 else 0.08


UPN = [(50, 38, 5, 7), (65, 42, 5.5, 7.5), (80, 45, 6, 8), (100, 50, 6, 8.5), (120, 55, 7, 9),
       (140, 60, 7, 10), (160, 65, 7.5, 10.5), (180, 70, 8, 11), (200, 75, 8.5, 11.5),
       (220, 80, 9, 12.5), (240, 85, 9.5, 13), (260, 90, 10, 14), (280, 95, 10, 15),
       (300, 100, 10, 16), (320, 100, 14, 17.5), (350, 100, 14, 16), (380, 102, 13.5, 16),
       (400, 110, 14, 18)]
# Equal angles (EN 10056-1): a, t, r1; r2 = r1 / 2
WINKEL_G = [(20, 3, 3.5), (25, 3, 3.5), (25, 4, 3.5), (30, 3, 5), (30, 4, 5), (35, 4, 5),
            (40, 4, 6), (40, 5, 6), (45, 4.5, 7), (50, 5, 7), (50, 6, 7), (60, 6, 8), (60, 8, 8),
            (65, 7, 9), (70, 7, 9), (75, 8, 9), (80, 8, 10), (80, 10, 10), (90, 9, 11),
            (100, 10, 12), (100, 12, 12), (120, 12, 13), (120, 15, 13), (150, 12, 16),
            (150, 15, 16), (160, 15, 17), (180, 18, 18), (200, 20, 18), (200, 24, 18)]
# Unequal angles (EN 10056-1): a, b, t, r1; r2 = r1 / 2
WINKEL_U = [(30, 20, 3, 4), (40, 20, 4, 4), (45, 30, 4, 4.5), (50, 30, 5, 5), (60, 30, 5, 6),
            (60, 40, 5, 6), (60, 40, 6, 6), (65, 50, 5, 6), (70, 50, 6, 7), (75, 50, 6, 7),
            (75, 50, 8, 7), (80, 40, 6, 7), (80, 60, 7, 8), (100, 50, 6, 8), (100, 50, 8, 8),
            (100, 65, 7, 10), (100, 75, 8, 10), (120, 80, 8, 11), (120, 80, 10, 11),
            (125, 75, 8, 11), (150, 75, 9, 12), (150, 90, 10, 12), (150, 100, 10, 12),
            (200, 100, 10, 15), (200, 150, 12, 15)]
# Equal T sections (EN 10055): b = h, t; r1 = t, r2 = t / 2, r3 = t / 4
T_STAHL = [(30, 4), (35, 4.5), (40, 5), (45, 5.5), (50, 6), (60, 7), (70, 8), (80, 9),
           (90, 10), (100, 11), (120, 13), (140, 15)]

UEBERSCHRIFTEN = ["Profil", "Wmax [cm³]", "Wmin [cm³]", "Imax [cm4]", "Imin [cm4]",
                  "A [cm²]", "b", "h", "s", "t", "w", "d"]


def signifikant(x, stellen=3):
    """Rounds to `stellen` significant digits (at least one decimal below 10)."""
    if x == 0:
        return 0.0
    exp = math.floor(math.log10(abs(x)))
    dezimalen = max(0, stellen - 1 - exp)
    return round(x, dezimalen), dezimalen


def werte_zeile(name, umriss, b, h, s, t):
    a, imax, imin, wmax, wmin = kennwerte(umriss)
    felder = [name]
    for wert, teiler in ((wmax, 1e3), (wmin, 1e3), (imax, 1e4), (imin, 1e4)):
        w, dez = signifikant(wert / teiler)
        felder.append(f"{w:.{dez}f}".replace(".", ","))
    felder.append(f"{a / 100:.2f}".replace(".", ","))
    return felder + [b, h, s, t, "-", "-"]


def tabellen():
    t = {}
    t["Winkel_G.CSV"] = ("Gleichschenklige Winkel EN 10056-1", [
        werte_zeile(f"L {a}x{a}x{_z(s)}", winkel(a, a, s, r, r / 2), a, a, s, "-")
        for a, s, r in WINKEL_G])
    t["Winkel_U.CSV"] = ("Ungleichschenklige Winkel EN 10056-1", [
        werte_zeile(f"L {a}x{b}x{_z(s)}", winkel(a, b, s, r, r / 2), b, a, s, "-")
        for a, b, s, r in WINKEL_U])
    t["U_Stahl.CSV"] = ("U-Stahl UPN DIN 1026-1", [
        werte_zeile(f"UPN {h}", u_profil(h, b, s, tf, tf, tf / 2, upn_neigung(h)),
                    b, h, s, tf)
        for h, b, s, tf in UPN])
    t["I_Stahl.CSV"] = ("I-Träger INP DIN 1025-1", [
        werte_zeile(f"INP {h}", i_schmal(h, b, s, tf, s, 0.6 * s), b, h, s, tf)
        for h, b, s, tf in INP])
    t["IPE.CSV"] = ("IPE-Träger EN 10365 / DIN 1025-5", [
        werte_zeile(n, i_profil(h, b, s, tf, r), b, h, s, tf) for n, h, b, s, tf, r in IPE])
    for name, liste, norm in (("HEA", HEA, "DIN 1025-3"), ("HEB", HEB, "DIN 1025-2"),
                              ("HEM", HEM, "DIN 1025-4")):
        t[f"{name}.CSV"] = (f"{name}-Träger EN 10365 / {norm}", [
            werte_zeile(f"{name} {nr}", i_profil(h, b, s, tf, r), b, h, s, tf)
            for nr, h, b, s, tf, r in liste])
    t["T_Stahl_G.CSV"] = ("Gleichschenklige T-Stähle EN 10055", [
        werte_zeile(f"T {b}", t_profil(b, b, s, s, s / 2, s / 4), b, b, s, s)
        for b, s in T_STAHL])
    return t


def _z(x):
    return f"{x:g}".replace(".", ",")


def main():
    for datei, (kopf, zeilen) in tabellen().items():
        schreibe(datei, kopf + ", Werte aus den Nennmaßen berechnet",
                 [UEBERSCHRIFTEN] + zeilen)


if __name__ == "__main__":
    main()
