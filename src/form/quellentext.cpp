#include "form/quellentext.h"

#include "store/fehler.h"
#include "store/quellen.h"
#include "store/zahlen.h"

namespace pelmark {

namespace {

bool Ohne_Wert(const std::string& text) {
    return text.empty() || text == "-";
}

std::string Quellzeile(const Quellbereich& b) {
    std::string text = "Quelle: " + b.Quelle;
    for (const std::string* teil : {&b.Tabelle, &b.Ausgabe}) {
        if (!teil->empty()) {
            text += ", " + *teil;
        }
    }
    return text + " (" + b.Art + ")";
}

std::string Zellzeile(const Zellbezug& z) {
    return "Datei " + z.Datei + ", Zeile " + std::to_string(z.Zeile + 2) + " (" + z.Zeilenname +
           "), Spalte " + std::to_string(z.Spalte + 1) + " (" + z.Spaltenname + ")";
}

// The reason for a "-": the field's own, else the first empty cell's range.
std::string Strichgrund_von(const Herkunft& h, const Quellentabelle& q) {
    if (!h.Grund.empty()) {
        return h.Grund;
    }
    for (const Zellbezug& z : h.Zellen) {
        if (Ohne_Wert(z.Text)) {
            const Quellbereich* b = Quelle_fuer(q, z.Datei, z.Spalte + 1, z.Zeile + 2);
            return Strichtext(b ? b->Strich : Strichgrund::keiner);
        }
    }
    return "ein Ausgangswert ist nicht lesbar";
}

void Kauflaenge(const Mainform& f, const Herkunft& h, std::vector<std::string>& zeilen) {
    const Kauflaengen k =
        Lies_Kauflaengen(std::filesystem::path(f.Datendir) / Datei_Schraubenlaengen);
    const auto laenge = Naechste_Kauflaenge(k, h.Schraube_mm);
    zeilen.push_back(laenge ? "Nächste Kauflänge: " + std::to_string(*laenge) + " mm"
                            : "Länger als die längste Kauflänge");
    zeilen.push_back(std::string("Datei ") + Datei_Schraubenlaengen + ": " + k.Quelle);
}

} // namespace

std::vector<std::string> Quellentext(const Mainform& f, const Edit& feld,
                                     const std::string& einheit) {
    const Herkunft& h = feld.Quelle;
    if (h.Leer()) {
        return {};
    }
    std::vector<std::string> zeilen;
    // Without a readable source table the cells are still named.
    Quellentabelle q;
    std::string fehler;
    try {
        q = Lies_Quellentabelle(std::filesystem::path(f.Datendir) / Datei_Quellen);
    } catch (const Fehler& e) {
        fehler = std::string("Quellentabelle nicht lesbar: ") + e.what();
    }
    if (Ohne_Wert(feld.Text)) {
        zeilen.push_back("Kein Wert: " + Strichgrund_von(h, q));
    }
    if (!h.Regel.empty()) {
        zeilen.push_back("Berechnet: " + h.Regel);
    }
    // Cells from the same source range name it once; a company table is its
    // own source.
    const Quellbereich* vorige = nullptr;
    std::string vorige_firma;
    const std::string norm_einheit = h.Regel.empty() && !einheit.empty() ? " " + einheit : "";
    for (size_t i = 0; i < h.Zellen.size(); ++i) {
        const Zellbezug& z = h.Zellen[i];
        const Quellbereich* b =
            z.Firmendatei.empty() ? Quelle_fuer(q, z.Datei, z.Spalte + 1, z.Zeile + 2) : nullptr;
        if (i == 0 || b != vorige || z.Firmendatei != vorige_firma) {
            if (!z.Firmendatei.empty()) {
                zeilen.push_back("Quelle: Firmentabelle " + z.Firmendatei + " (Firma)");
            } else {
                zeilen.push_back(b ? Quellzeile(*b) : "Quelle: nicht verzeichnet");
            }
            if (b != nullptr && !b->Grenzen.empty()) {
                zeilen.push_back("Grenzen: " + b->Grenzen);
            }
        }
        zeilen.push_back(Zellzeile(z));
        if (z.Abweichend) {
            zeilen.push_back("Norm: " + (z.Norm.empty() ? std::string("leer") : z.Norm) +
                             (z.Norm.empty() ? "" : norm_einheit));
        }
        vorige = b;
        vorige_firma = z.Firmendatei;
    }
    if (!fehler.empty()) {
        zeilen.push_back(fehler);
    }
    if (h.Schraube_mm > 0 && !Ohne_Wert(feld.Text)) {
        try {
            Kauflaenge(f, h, zeilen);
        } catch (const Fehler& e) {
            zeilen.push_back(std::string("Kauflängen nicht lesbar: ") + e.what());
        }
    }
    return zeilen;
}

} // namespace pelmark
