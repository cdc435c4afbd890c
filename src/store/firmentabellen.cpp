#include "store/firmentabellen.h"

#include "store/fehler.h"
#include "store/text.h"
#include "store/textdatei.h"

#include <algorithm>
#include <optional>

namespace pelmark {

namespace fs = std::filesystem;

namespace {

constexpr size_t Masse_index = 31;

// A company table read and parsed whole, with the usual table beside it.
struct Firmentabelle {
    std::unique_ptr<Tabelle> Tabelle_;
    std::shared_ptr<const Tabelle> Norm;
    std::unique_ptr<Masstabelle> Masse; // Massumrechnung.CSV only
    std::int32_t Anz_Massarten = 0;
    Zeilenliste Massumrechnung;
    std::string Datei;
    int Abweichungen = 0;
};

std::unique_ptr<Tabelle> Leere_wie(const Tabelle& vorbild) {
    return std::make_unique<Tabelle>(vorbild.Inhalt.Spalten(), vorbild.Inhalt.Zeilen());
}

std::unique_ptr<Tabelle> Geparst(const Tabelle& vorbild, Zeilenliste zeilen,
                                 std::int32_t spaltenanz) {
    auto t = Leere_wie(vorbild);
    t->Zeilen = std::move(zeilen);
    Parse_Tabelle(*t, spaltenanz);
    return t;
}

int Abweichende_Zellen(const Matrix& a, const Matrix& b) {
    int anzahl = 0;
    for (int c = 0; c < a.Spalten(); ++c) {
        for (int r = 0; r < a.Zeilen(); ++r) {
            anzahl += a(c, r) != b(c, r) ? 1 : 0;
        }
    }
    return anzahl;
}

// Field by field over the lines of two unit-conversion files.
int Abweichende_Felder(const Zeilenliste& a, const Zeilenliste& b) {
    int anzahl = 0;
    Stringarray fa;
    Stringarray fb;
    for (size_t n = 0; n < std::max(a.size(), b.size()); ++n) {
        CSV_Stringtrennung(n < a.size() ? a[n] : std::string(), 3, fa);
        CSV_Stringtrennung(n < b.size() ? b[n] : std::string(), 3, fb);
        for (size_t i = 0; i < 3; ++i) {
            anzahl += fa[i] != fb[i] ? 1 : 0;
        }
    }
    return anzahl;
}

// Reads and parses one company file whole; throws the loader's error.
Firmentabelle Lies_Firmentabelle(const Tabellenspeicher& speicher, size_t index,
                                 const fs::path& datei, const Zeilenliste& ueblich) {
    Firmentabelle ft;
    ft.Datei = Pfadtext(datei);
    Zeilenliste zeilen = Lies_Textdatei(datei);
    if (index == Masse_index) {
        ft.Masse = std::make_unique<Masstabelle>();
        Parse_Massumrechnung(zeilen, *ft.Masse, ft.Anz_Massarten);
        ft.Abweichungen = Abweichende_Felder(zeilen, ueblich);
        ft.Massumrechnung = std::move(zeilen);
        return ft;
    }
    const Katalogeintrag& e = Katalog()[index];
    const Tabelle& vorbild = speicher.*e.Tabelle_;
    const int zeilen_nach_kopf = static_cast<int>(zeilen.size()) - 1;
    if (zeilen_nach_kopf > vorbild.Inhalt.Zeilen()) {
        // The loader's message, and what an office can act on.
        throw Fehler(std::string(meldung::Bereichspruefung) + " (" +
                     std::to_string(zeilen_nach_kopf) + " Zeilen nach der Überschrift, die " +
                     "Tabelle fasst höchstens " + std::to_string(vorbild.Inhalt.Zeilen()) + ")");
    }
    ft.Tabelle_ = Geparst(vorbild, std::move(zeilen), e.Spaltenanz);
    try {
        ft.Norm = Geparst(vorbild, ueblich, e.Spaltenanz);
        ft.Abweichungen = Abweichende_Zellen(ft.Tabelle_->Inhalt, ft.Norm->Inhalt);
    } catch (const Fehler&) {
        // The usual table is faulty itself: nothing to compare with.
        ft.Norm.reset();
    }
    return ft;
}

// A message as a sentence: with a full stop at its end.
std::string Satz(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text.empty() || text.back() == '.' ? text : text + ".";
}

const char* Dateiname_von(size_t index) {
    return index == Masse_index ? Datei_Massumrechnung : Katalog()[index].Datei;
}

using Firmentabellen = std::array<std::optional<Firmentabelle>, 32>;

// Reads every company table the folder holds; refusals go into the report.
Firmentabellen Lies_Firmenordner(const Tabellenspeicher& speicher, const fs::path& datendir,
                                 const fs::path& ordner, const std::array<Zeilenliste, 32>& ueblich,
                                 Ladebericht& bericht) {
    Firmentabellen tabellen;
    if (ordner.empty()) {
        return tabellen;
    }
    bericht.Ordnerfehler = Firmenordner_fehler(ordner);
    if (!bericht.Ordnerfehler.empty()) {
        return tabellen;
    }
    for (size_t i = 0; i < tabellen.size(); ++i) {
        const fs::path datei = ordner / Dateiname_von(i);
        std::error_code fehler;
        if (!fs::exists(datei, fehler)) {
            continue;
        }
        try {
            tabellen[i] = Lies_Firmentabelle(speicher, i, datei, ueblich[i]);
        } catch (const Fehler& e) {
            bericht.Abgelehnt.push_back("Die Firmentabelle " + Pfadtext(datei) +
                                        " wird nicht verwendet: " + Satz(e.what()) +
                                        " Pelmark nimmt " + Dateiname_von(i) + " aus " +
                                        Pfadtext(datendir / "") + ".");
        }
    }
    return tabellen;
}

// Puts the accepted company table or the usual line list in place.
void Einsetzen(Tabellenspeicher& speicher, size_t i, std::optional<Firmentabelle>& firma,
               Zeilenliste ueblich, const fs::path& datendir) {
    Tabellenherkunft& herkunft = speicher.Herkunft[i];
    const bool war_firma = herkunft.Ebene == Schicht::Firma;
    if (i == Masse_index) {
        if (firma) {
            speicher.Massumrechnung = std::move(firma->Massumrechnung);
        } else {
            if (war_firma) {
                speicher.Inhalt_Masse = Masstabelle();
            }
            speicher.Massumrechnung = std::move(ueblich);
        }
    } else {
        Tabelle& t = speicher.*Katalog()[i].Tabelle_;
        if (firma) {
            t = std::move(*firma->Tabelle_);
            speicher.Normtabellen[i] = firma->Norm;
        } else {
            if (war_firma) {
                // Never a company cell left under the usual table.
                t = std::move(*Leere_wie(t));
            }
            t.Zeilen = std::move(ueblich);
            speicher.Normtabellen[i].reset();
        }
    }
    herkunft = firma ? Tabellenherkunft{Schicht::Firma, firma->Datei, firma->Abweichungen}
                     : Tabellenherkunft{Schicht::Daten, Pfadtext(datendir / Dateiname_von(i)), 0};
}

} // namespace

std::string Firmenordner_fehler(const fs::path& ordner) {
    std::error_code fehler;
    if (!fs::is_directory(ordner, fehler)) {
        const bool grund = fehler && fehler != std::errc::no_such_file_or_directory;
        return "Der Firmenordner " + Pfadtext(ordner) + " fehlt oder ist kein Ordner" +
               (grund ? " (" + fehler.message() + ")" : "") + ".";
    }
    fs::directory_iterator eintraege(ordner, fehler);
    if (fehler) {
        return "Der Firmenordner " + Pfadtext(ordner) + " kann nicht gelesen werden (" +
               fehler.message() + ").";
    }
    return {};
}

int Katalogindex(const std::string& dateiname) {
    for (size_t i = 0; i <= Masse_index; ++i) {
        if (dateiname == Dateiname_von(i)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Lade_Tabellen(Tabellenspeicher& speicher, const fs::path& datendir) {
    Lade_Tabellen(speicher, datendir, fs::path());
}

Ladebericht Lade_Tabellen(Tabellenspeicher& speicher, const fs::path& datendir,
                          const fs::path& firmenordner) {
    std::array<Zeilenliste, 32> gelesen;
    for (size_t i = 0; i < gelesen.size(); ++i) {
        gelesen[i] = Lies_Textdatei(datendir / Dateiname_von(i));
    }
    Ladebericht bericht;
    Firmentabellen firma = Lies_Firmenordner(speicher, datendir, firmenordner, gelesen, bericht);

    for (size_t i = 0; i < gelesen.size(); ++i) {
        Einsetzen(speicher, i, firma[i], std::move(gelesen[i]), datendir);
    }
    for (int i : Parsefolge()) {
        if (!firma[static_cast<size_t>(i)]) {
            const auto& eintrag = Katalog()[static_cast<size_t>(i)];
            Parse_Tabelle(speicher.*eintrag.Tabelle_, eintrag.Spaltenanz);
        }
    }
    if (auto& masse = firma[Masse_index]) {
        speicher.Inhalt_Masse = *masse->Masse;
        speicher.Anz_Massarten = masse->Anz_Massarten;
        speicher.Massartpos = 0;
        speicher.Quellmasspos = 0;
        speicher.Zielmasspos = 0;
    } else {
        Parse_Massumrechnung(speicher);
    }
    return bericht;
}

std::vector<Pruefergebnis> Firmenordner_pruefen(const fs::path& firmenordner,
                                                const fs::path& datendir) {
    if (const std::string fehler = Firmenordner_fehler(firmenordner); !fehler.empty()) {
        throw Fehler(fehler);
    }
    std::vector<fs::path> dateien;
    for (const auto& eintrag : fs::directory_iterator(firmenordner)) {
        std::error_code fehler;
        if (!eintrag.is_directory(fehler)) {
            dateien.push_back(eintrag.path());
        }
    }
    std::sort(dateien.begin(), dateien.end());
    auto speicher = std::make_unique<Tabellenspeicher>();
    std::vector<Pruefergebnis> ergebnis;
    for (const fs::path& datei : dateien) {
        Pruefergebnis p{Pfadtext(datei.filename()), {}, 0, true, true};
        const int index = Katalogindex(p.Datei);
        p.Tabelle = index >= 0;
        if (p.Tabelle) {
            Zeilenliste ueblich;
            try {
                ueblich = Lies_Textdatei(datendir / p.Datei);
            } catch (const Fehler&) {
                p.Vergleich = false;
            }
            try {
                const Firmentabelle ft =
                    Lies_Firmentabelle(*speicher, static_cast<size_t>(index), datei, ueblich);
                p.Vergleich = p.Vergleich && (ft.Norm || ft.Masse);
                p.Abweichungen = ft.Abweichungen;
            } catch (const Fehler& e) {
                p.Fehler = e.what();
            }
        }
        ergebnis.push_back(std::move(p));
    }
    return ergebnis;
}

} // namespace pelmark
