#include "calc/dampf.h"

#include "store/mathe.h"
#include "store/zahlen.h"

#include <array>

namespace pelmark {

namespace {

// The five fields of Dampfwerte in column order.
std::array<std::string*, 5> Felder(Dampfrecord& d) {
    return {&d.P, &d.t, &d.V, &d.h, &d.r};
}

// Every field but the key's own one receives the text.
void Ausgaben_setzen(Dampfrecord& d, int schluessel, const std::string& text) {
    auto felder = Felder(d);
    for (int c = 0; c < 5; ++c) {
        if (c != schluessel) {
            *felder[static_cast<size_t>(c)] = text;
        }
    }
}

void Werte_uebernehmen(Dampfrecord& d, const Matrix& dampf, int zeile) {
    auto felder = Felder(d);
    for (int c = 0; c < 5; ++c) {
        *felder[static_cast<size_t>(c)] = dampf(c, zeile);
    }
}

// The four other columns between rows zeile and zeile + 1; the results are
// gathered first, so a cell that does not convert changes nothing here.
void Interpolieren(Dampfrecord& d, const Matrix& dampf, int schluessel, int zeile, Extended a,
                   Extended x, Extended b, char dezimal) {
    std::array<std::string, 5> texte;
    for (int c = 0; c < 5; ++c) {
        if (c == schluessel) {
            continue;
        }
        const Extended unten = Zelle_zu_Zahl(dampf(c, zeile), dezimal);
        const Extended oben = Zelle_zu_Zahl(dampf(c, zeile + 1), dezimal);
        texte[static_cast<size_t>(c)] =
            Allgemein(Interpoliere_Linear(b, x, a, oben, unten), dezimal);
    }
    auto felder = Felder(d);
    for (int c = 0; c < 5; ++c) {
        if (c != schluessel) {
            *felder[static_cast<size_t>(c)] = texte[static_cast<size_t>(c)];
        }
    }
}

void Suchen(Mainform& f, int schluessel, std::string_view eingabe) {
    const Tabelle& tabelle = f.Speicher.Dampf;
    const Matrix& dampf = tabelle.Inhalt;
    Dampfrecord& d = f.Dampfwerte;
    const Extended x = Zelle_zu_Zahl(eingabe, f.Dezimal);
    const int letzte = tabelle.Anzahl_Zeilen() - 3;
    for (int zeile = 1;; ++zeile) {
        const Extended a = Zelle_zu_Zahl(dampf(schluessel, zeile), f.Dezimal);
        const Extended b = Zelle_zu_Zahl(dampf(schluessel, zeile + 1), f.Dezimal);
        if (x == a) {
            Werte_uebernehmen(d, dampf, zeile);
            return;
        }
        if (x == b) {
            Werte_uebernehmen(d, dampf, zeile + 1);
            return;
        }
        if (a < x && x < b) {
            Interpolieren(d, dampf, schluessel, zeile, a, x, b, f.Dezimal);
            return;
        }
        if (zeile + 1 > letzte) {
            Ausgaben_setzen(d, schluessel, Text_Bereichsueberschreitung);
            return;
        }
    }
}

// A lookup never shows a message: an input or a cell that does not convert,
// or a row beyond the table, gives "Falsche Eingabe".
void Nachschlagen(Mainform& f, int schluessel, std::string_view eingabe) {
    try {
        Suchen(f, schluessel, eingabe);
    } catch (const Fehler&) {
        Ausgaben_setzen(f.Dampfwerte, schluessel, Text_Falsche_Eingabe);
    }
}

} // namespace

void Dampfwerte_nach_Druck_holen(Mainform& f, std::string_view eingabe) {
    Nachschlagen(f, 0, eingabe);
}

void Dampfwerte_nach_Temperatur_holen(Mainform& f, std::string_view eingabe) {
    Nachschlagen(f, 1, eingabe);
}

namespace {
// The three values of the looked-up row into their labels.
void Zeige_Werte(Mainform& f) {
    f.maske.L_Wert_V.Caption = f.Dampfwerte.V;
    f.maske.L_Wert_h.Caption = f.Dampfwerte.h;
    f.maske.L_Wert_r.Caption = f.Dampfwerte.r;
}
} // namespace

void Dampfdruck_geaendert(Mainform& f) {
    auto& m = f.maske;
    if (!m.RB_Druck_Fix.Checked) {
        return;
    }
    Dampfwerte_nach_Druck_holen(f, m.E_Dampfdruck.Text);
    m.E_Dampftemperatur.Text = f.Dampfwerte.t;
    Zeige_Werte(f);
}

void Dampftemperatur_geaendert(Mainform& f) {
    auto& m = f.maske;
    if (!m.RB_Temperatur_Fix.Checked) {
        return;
    }
    Dampfwerte_nach_Temperatur_holen(f, m.E_Dampftemperatur.Text);
    m.E_Dampfdruck.Text = f.Dampfwerte.P;
    Zeige_Werte(f);
}

} // namespace pelmark
