"""P_ANSI.CSV against the ASME B36.10M / B36.19M tables of python3-fluids.

Every outside diameter and every wall of a schedule column must equal the
library's value in mm, and no wall may stand where the library has none. A
"-" where the library has a wall is allowed only for 40S and 80S from NPS 14,
which the table leaves out on purpose (see QUELLEN.md). The two tables were
compiled independently, so a typing error in either shows up here."""
from gemeinsam import Pruefer, matrix, mit_debian_modul, zelle_lesen, zoll_lesen

rohre = mit_debian_modul("fluids.piping")


def main():
    p = Pruefer()
    tabelle = matrix("P_ANSI.CSV", 19)
    kopf = tabelle[0]
    for zeile in tabelle[1:]:
        nps = zoll_lesen(zeile[0])
        for spalte in range(1, 19):
            plan = kopf[spalte]
            nps_liste, _di, do, wand = rohre.schedule_lookup["40" if plan == "OD" else plan]
            soll = None
            if nps in nps_liste:
                i = nps_liste.index(nps)
                soll = do[i] if plan == "OD" else wand[i]
            ist = zelle_lesen(zeile[spalte])
            if ist is None and plan in ("40S", "80S") and nps >= 14:
                continue
            p.pruefe(ist == soll, f"NPS {zeile[0]} {plan}: table {zeile[spalte]}, library {soll}")
    p.ende()


main()
