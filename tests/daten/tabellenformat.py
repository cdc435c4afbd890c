"""File format and bounds of the 32 reference tables: present under their
exact names, Windows-1252 without byte-order mark, CR LF line ends, no more
lines than the matrix has rows, every line as wide as the loader reads it,
and the unit-conversion file in its kind/unit form."""
import os
from gemeinsam import Pruefer, daten, zeilen, zelle_lesen

# file, last row index of the matrix, column count kept by the loader
KATALOG = [
    ("P_Din.CSV", 30, 7), ("P_ANSI.CSV", 30, 19), ("E9_Din.CSV", 30, 6),
    ("E9_ANSI.CSV", 30, 6), ("T_Din.CSV", 30, 25), ("T_ANSI.CSV", 30, 25),
    ("F_Din_rev.CSV", 50, 49), ("F_Ansi.CSV", 50, 28), ("Red_Din.CSV", 30, 2),
    ("Red_Ansi.CSV", 30, 2), ("C_Din.CSV", 30, 2), ("C_Ansi.CSV", 30, 2),
    ("Arm_DIN.CSV", 30, 38), ("BRZ_DIN.CSV", 30, 8), ("Arm_ANSI.CSV", 30, 31),
    ("BRZ_ANSI.CSV", 30, 5), ("Winkel_G.CSV", 100, 12), ("Winkel_U.CSV", 100, 12),
    ("U_Stahl.CSV", 50, 12), ("I_Stahl.CSV", 50, 12), ("IPE.CSV", 50, 12),
    ("HEA.CSV", 50, 12), ("HEB.CSV", 50, 12), ("HEM.CSV", 50, 12),
    ("T_Stahl_G.CSV", 50, 12), ("Lager.CSV", 30, 25), ("Rohrabst.CSV", 30, 25),
    ("Isol.CSV", 30, 24), ("Berührungsschutz.CSV", 30, 24), ("Material.CSV", 50, 7),
    ("Dampftabelle.CSV", 300, 5),
]
# tables whose every line carries exactly the kept columns
GENAU_BREIT = {"P_Din.CSV", "P_ANSI.CSV", "E9_Din.CSV", "E9_ANSI.CSV", "T_Din.CSV",
               "F_Din_rev.CSV", "F_Ansi.CSV", "Red_Din.CSV", "Red_Ansi.CSV",
               "C_Din.CSV", "C_Ansi.CSV", "Lager.CSV", "Rohrabst.CSV", "Isol.CSV",
               "Berührungsschutz.CSV", "Material.CSV", "Dampftabelle.CSV", "BRZ_DIN.CSV",
               "BRZ_ANSI.CSV", "Winkel_G.CSV", "Winkel_U.CSV", "U_Stahl.CSV", "I_Stahl.CSV",
               "IPE.CSV", "HEA.CSV", "HEB.CSV", "HEM.CSV", "T_Stahl_G.CSV"}
BILDER = ["Winkel_G.bmp", "Winkel_U.bmp", "U_Stahl.bmp", "I_Stahl.bmp", "IPE.bmp",
          "HEA.bmp", "HEB.bmp", "HEM.bmp", "T_Stahl_G.bmp"]


def kodierung(p, datei):
    with open(daten(datei), "rb") as f:
        roh = f.read()
    p.pruefe(not roh.startswith(b"\xef\xbb\xbf") and not roh.startswith(b"\xff\xfe")
             and not roh.startswith(b"\xfe\xff"), f"{datei}: byte-order mark")
    ohne_crlf = roh.replace(b"\r\n", b"")
    p.pruefe(b"\r" not in ohne_crlf and b"\n" not in ohne_crlf, f"{datei}: line end other than CR LF")
    p.pruefe(roh.endswith(b"\r\n"), f"{datei}: last line without CR LF")
    try:
        roh.decode("cp1252")
        p.pruefe(True, "")
    except UnicodeDecodeError as e:
        p.pruefe(False, f"{datei}: not Windows-1252: {e}")


def main():
    p = Pruefer()
    namen = set(os.listdir(os.path.dirname(daten("P_Din.CSV"))))
    for datei, letzte_zeile, spalten in KATALOG + [("Massumrechnung.CSV", None, 3)]:
        if not p.pruefe(datei in namen, f"{datei} missing"):
            continue
        kodierung(p, datei)
        if letzte_zeile is None:
            continue
        z = zeilen(datei)
        p.pruefe(len(z) >= 3, f"{datei}: fewer than three lines")
        p.pruefe(len(z) - 1 <= letzte_zeile + 1, f"{datei}: {len(z) - 1} rows exceed the matrix")
        for n, zeile in enumerate(z[1:], 1):
            felder = zeile.count(";") + 1
            if datei in GENAU_BREIT:
                p.pruefe(felder == spalten, f"{datei} line {n}: {felder} fields, expected {spalten}")
            else:
                p.pruefe(felder <= spalten, f"{datei} line {n}: {felder} fields, more than {spalten}")
    p.pruefe("Berührungsschutz.CSV".encode("utf-8") in [n.encode("utf-8") for n in namen],
             "touch-protection file name not UTF-8 on disk")

    # flange tables: seven columns per stage, stage captions every seventh column
    for datei, stufen in (("F_Din_rev.CSV", 7), ("F_Ansi.CSV", 4)):
        kopf = zeilen(datei)[1].split(";")
        p.pruefe(len(kopf) == 7 * stufen, f"{datei}: {len(kopf)} columns, expected {7 * stufen}")
        for k in range(stufen):
            p.pruefe(kopf[7 * k].startswith("PN ") or kopf[7 * k].startswith("Class "),
                     f"{datei}: column {7 * k} of row 0 is no stage caption: {kopf[7 * k]!r}")

    # unit conversion: opening and closing kind line, at most 31 units a kind
    z = zeilen("Massumrechnung.CSV")
    p.pruefe(z[0].startswith("---;"), "Massumrechnung.CSV does not begin with a kind line")
    p.pruefe(z[-1].split(";")[0] == "---", "Massumrechnung.CSV does not end with ---")
    arten, einheiten = 0, 0
    for zeile in z:
        felder = zeile.split(";")
        if felder[0] == "---":
            if arten:
                p.pruefe(1 <= einheiten <= 31, f"unit kind {arten} has {einheiten} units")
            arten += 1
            einheiten = 0
        else:
            einheiten += 1
            p.pruefe(len(felder) == 3, f"unit line {zeile!r} has {len(felder)} fields")
            p.pruefe(zelle_lesen(felder[2]) is not None and zelle_lesen(felder[2]) > 0,
                     f"unit factor {felder[2]!r} does not read")
    p.pruefe(arten - 1 <= 51, "more than 51 unit kinds")
    kuerzel = [zeile.split(";")[1] for zeile in z if not zeile.startswith("---")]
    for t in ("°C", "°F", "K"):
        p.pruefe(t in kuerzel, f"temperature unit {t} missing")

    for bild in BILDER:
        pfad = daten(bild)
        if p.pruefe(os.path.exists(pfad), f"{bild} missing"):
            with open(pfad, "rb") as f:
                kopf = f.read(26)
            breite = int.from_bytes(kopf[18:22], "little")
            hoehe = int.from_bytes(kopf[22:26], "little", signed=True)
            p.pruefe(kopf[:2] == b"BM" and breite == 100 and abs(hoehe) == 100,
                     f"{bild}: not a 100 x 100 bitmap")
    for datei in ("Hilfe1_SW.RTF", "Hilfe2.RTF", "Formelsammlung.jpg", "QUELLEN.md"):
        p.pruefe(os.path.exists(daten(datei)), f"{datei} missing")
    p.ende()


if __name__ == "__main__":
    main()
