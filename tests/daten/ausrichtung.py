"""Row alignment and readable cells.

Every fitting, flange, valve, support and insulation table lists the nominal
sizes of the pipe table of its standard in the same rows; the tee tables are
square; every cell a display converts with the table cell reading holds a
decimal-comma number; every bolt size with a readable flange thickness gives a
bolt length; and every nominal size has the values its standard gives."""
from gemeinsam import (Pruefer, matrix, zelle_lesen, strikt_lesen, kommentar_ausblenden,
                       zoll_lesen)

DIN = {"rohr": ("P_Din.CSV", 7), "bogen": ("E9_Din.CSV", 6), "t": ("T_Din.CSV", 25),
       "red": ("Red_Din.CSV", 2), "kappe": ("C_Din.CSV", 2), "flansch": ("F_Din_rev.CSV", 49),
       "arm": ("Arm_DIN.CSV", 38)}
ANSI = {"rohr": ("P_ANSI.CSV", 19), "bogen": ("E9_ANSI.CSV", 6), "t": ("T_ANSI.CSV", 25),
        "red": ("Red_Ansi.CSV", 2), "kappe": ("C_Ansi.CSV", 2), "flansch": ("F_Ansi.CSV", 28),
        "arm": ("Arm_ANSI.CSV", 31)}
NUR_DIN = {"lager": ("Lager.CSV", 25), "abstand": ("Rohrabst.CSV", 25),
           "isol": ("Isol.CSV", 24), "schutz": ("Berührungsschutz.CSV", 24)}


def ausrichtung(p, tabellen, name):
    rohr = matrix(*tabellen["rohr"])
    groessen = [z[0] for z in rohr[1:]]
    p.pruefe(1 <= len(groessen) <= 30, f"{name}: {len(groessen)} nominal sizes")
    for schluessel, (datei, spalten) in tabellen.items():
        if schluessel == "rohr":
            continue
        m = matrix(datei, spalten)
        p.pruefe(len(m) == len(rohr), f"{datei}: {len(m) - 1} data rows, pipe table {len(groessen)}")
        for r, groesse in enumerate(groessen, 1):
            if r < len(m):
                zelle = m[r][0]
                if schluessel == "flansch":  # every group repeats the size
                    zellen = {m[r][7 * k] for k in range(spalten // 7)}
                    p.pruefe(zellen == {groesse}, f"{datei} row {r}: {zellen} for {groesse}")
                else:
                    p.pruefe(zelle == groesse, f"{datei} row {r}: {zelle!r} for {groesse!r}")
    t = matrix(*tabellen["t"])
    for c, groesse in enumerate(groessen[:24], 1):
        p.pruefe(t[0][c] == groesse, f"{name} tee: column {c} is {t[0][c]!r}, not {groesse!r}")
    return groessen


def zellen(p, tabellen, name, bolzen_zoll):
    rohr = matrix(*tabellen["rohr"])
    bogen = matrix(*tabellen["bogen"])
    t = matrix(*tabellen["t"])
    flansch = matrix(*tabellen["flansch"])
    for r in range(1, len(rohr)):
        # outside diameter: table cell reading (design and expansion pages)
        p.pruefe(zelle_lesen(rohr[r][1]) is not None, f"{name} pipe row {r}: OD {rohr[r][1]!r}")
        for c in range(2, tabellen["rohr"][1]):
            w = rohr[r][c]
            p.pruefe(w == "-" or strikt_lesen(w) is not None, f"{name} pipe row {r} col {c}: {w!r}")
        p.pruefe(any(strikt_lesen(x) for x in rohr[r][2:]), f"{name} pipe row {r}: no wall")
        p.pruefe(any(strikt_lesen(x) for x in bogen[r][1:]), f"{name} elbow row {r}: no radius")
        if r <= 24:
            a = t[r][r]
            p.pruefe(a == "-" or strikt_lesen(a) is not None, f"{name} tee {r}: run length {a!r}")
        for k in range(tabellen["flansch"][1] // 7):
            gruppe = flansch[r][7 * k + 1: 7 * k + 7]
            if all(x == "-" for x in gruppe):
                continue
            h, dm, dicke, lk, anz, schraube = gruppe
            p.pruefe(strikt_lesen(dm) is not None, f"{name} flange row {r} stage {k}: D {dm!r}")
            p.pruefe(strikt_lesen(lk) is not None, f"{name} flange row {r} stage {k}: K {lk!r}")
            b = strikt_lesen(kommentar_ausblenden(dicke))
            if bolzen_zoll:
                d = zoll_lesen(schraube)
            else:
                d = strikt_lesen(kommentar_ausblenden(schraube))
            p.pruefe(d is not None and d > 0, f"{name} flange row {r} stage {k}: bolt {schraube!r}")
            if dicke != "-":
                p.pruefe(b is not None and b > 0,
                         f"{name} flange row {r} stage {k}: no bolt length (thickness {dicke!r})")
            # flange diameter for the line spacing: whole millimetres
            p.pruefe(dm.isdigit(), f"{name} flange row {r} stage {k}: D {dm!r} not whole")
    # every length of the valve series is a number or the missing mark
    arm = matrix(*tabellen["arm"])
    for r in range(1, len(arm)):
        for c in range(1, len(arm[0])):
            w = arm[r][c]
            p.pruefe(w in ("-", "") or strikt_lesen(w) is not None, f"{name} valve {r}/{c}: {w!r}")


def zuordnung(p, brz_datei, brz_spalten, arm_datei, arm_spalten, zeilen_anz, stufen):
    brz = matrix(brz_datei, brz_spalten)
    namen = set(matrix(arm_datei, arm_spalten)[0][1:])
    for r in range(1, zeilen_anz + 1):
        for k in range(1, stufen + 1):
            n = brz[r][k]
            p.pruefe(n == "-" or n in namen, f"{brz_datei} row {r} col {k}: series {n!r} unknown")


def main():
    p = Pruefer()
    din = ausrichtung(p, DIN, "DIN")
    ausrichtung(p, ANSI, "ANSI")
    for schluessel, (datei, spalten) in NUR_DIN.items():
        m = matrix(datei, spalten)
        p.pruefe([z[0] for z in m[1:]] == din, f"{datei}: rows do not follow P_Din.CSV")
        for r in range(1, len(m)):
            for c in range(1, spalten):
                p.pruefe(strikt_lesen(m[r][c]) is not None, f"{datei} {r}/{c}: {m[r][c]!r}")
    p.pruefe(matrix("Isol.CSV", 24)[0] == matrix("Berührungsschutz.CSV", 24)[0],
             "insulation tables differ in their temperature captions")
    p.pruefe(len([c for c in matrix("Isol.CSV", 24)[0][1:] if c]) == 23,
             "Isol.CSV has not 23 temperature columns")
    zellen(p, DIN, "DIN", False)
    zellen(p, ANSI, "ANSI", True)
    zuordnung(p, "BRZ_DIN.CSV", 8, "Arm_DIN.CSV", 38, 14, 7)
    zuordnung(p, "BRZ_ANSI.CSV", 5, "Arm_ANSI.CSV", 31, 12, 4)
    # materials: line 1 captions, then seven readable columns
    mat = matrix("Material.CSV", 7)
    for r in range(1, len(mat)):
        for c in range(1, 7):
            p.pruefe(zelle_lesen(mat[r][c]) is not None, f"Material row {r} col {c}: {mat[r][c]!r}")
    # sections: the area is read with the table cell reading
    for datei in ("Winkel_G.CSV", "Winkel_U.CSV", "U_Stahl.CSV", "I_Stahl.CSV", "IPE.CSV",
                  "HEA.CSV", "HEB.CSV", "HEM.CSV", "T_Stahl_G.CSV"):
        m = matrix(datei, 12)
        for r in range(1, len(m)):
            p.pruefe(zelle_lesen(m[r][5]) is not None, f"{datei} row {r}: area {m[r][5]!r}")
            for c in range(1, 5):
                p.pruefe(zelle_lesen(m[r][c]) is not None, f"{datei} row {r} col {c}: {m[r][c]!r}")
    p.ende()


if __name__ == "__main__":
    main()
