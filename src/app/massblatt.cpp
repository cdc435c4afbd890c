// Gathering the dimension sheet from the form model and writing it.
#include "app/massblatt.h"

#include "app/aufruf.h"
#include "app/massblatt_felder.h"
#include "components/profile.h"
#include "form/herkunft.h"
#include "form/maske.h"

#include <algorithm>
#include <ostream>

namespace pelmark {

namespace {

std::string Feldtext(const Maske& m, const std::string& name) {
    const Feldzeiger* z = m.Finde(name);
    if (z == nullptr) {
        return {};
    }
    if (const auto* e = std::get_if<Edit*>(z)) {
        return (*e)->Text;
    }
    if (const auto* b = std::get_if<Beschriftung*>(z)) {
        return (*b)->Caption;
    }
    return {};
}

const Feldbeschreibung* Beschreibung(std::string_view feld) {
    using Katalog = std::span<const Gruppenbeschreibung> (*)();
    for (Katalog katalog : {Katalog{Rohrleitungsgruppen}, Katalog{Profilgruppen}}) {
        for (const auto& g : katalog()) {
            for (const auto& fb : g.Felder) {
                if (feld == fb.Feld) {
                    return &fb;
                }
            }
        }
    }
    return nullptr;
}

std::string Tabellendatei(Quelle q, bool ansi) {
    switch (q) {
    case Quelle::Rohre:
        return ansi ? "P_ANSI.CSV" : "P_Din.CSV";
    case Quelle::Boegen:
    case Quelle::Boegen_berechnet:
        return ansi ? "E9_ANSI.CSV" : "E9_Din.CSV";
    case Quelle::T_Stuecke:
        return ansi ? "T_ANSI.CSV" : "T_Din.CSV";
    case Quelle::Reduzierungen:
        return ansi ? "Red_Ansi.CSV" : "Red_Din.CSV";
    case Quelle::Kappen:
        return ansi ? "C_Ansi.CSV" : "C_Din.CSV";
    case Quelle::Flansche:
    case Quelle::Schrauben_berechnet:
        return ansi ? "F_Ansi.CSV" : "F_Din_rev.CSV";
    case Quelle::Bogen_Flansch:
        return Tabellendatei(Quelle::Boegen, ansi) + " + " + Tabellendatei(Quelle::Flansche, ansi);
    case Quelle::Bogen_T:
        return Tabellendatei(Quelle::Boegen, ansi) + " + " + Tabellendatei(Quelle::T_Stuecke, ansi);
    case Quelle::T_Flansch:
        return Tabellendatei(Quelle::T_Stuecke, ansi) + " + " +
               Tabellendatei(Quelle::Flansche, ansi);
    case Quelle::Armaturen:
        return ansi ? "Arm_ANSI.CSV + BRZ_ANSI.CSV" : "Arm_DIN.CSV + BRZ_DIN.CSV";
    case Quelle::Lager:
        return "Lager.CSV";
    case Quelle::Profil:
        return {};
    }
    return {};
}

Blattzeile Zeile_aus(const Mainform& f, const Feldbeschreibung& fb) {
    const Maske& m = f.maske;
    std::string beschriftung = fb.Beschriftung;
    if (const char* label = Reihenbeschriftung(fb.Feld)) {
        const std::string reihe = Feldtext(m, label);
        if (!reihe.empty() && reihe != "Baulg") {
            beschriftung += " (" + reihe + ")";
        }
    }
    const std::string_view einheit = fb.Einheit;
    return {fb.Feld, beschriftung, Feldtext(m, fb.Feld),
            einheit.rfind("L_", 0) == 0 ? Feldtext(m, fb.Einheit) : std::string(einheit),
            Datenquelle(f, fb.Feld)};
}

Blattgruppe Auswahlgruppe(const Mainform& f, Blattart art) {
    const Maske& m = f.maske;
    Blattgruppe g{"Auswahl", {}, {}};
    const auto zeile = [&](const char* feld, const char* beschriftung, std::string wert) {
        g.Zeilen.push_back({feld, beschriftung, std::move(wert), "", ""});
    };
    if (art == Blattart::Profil) {
        zeile("LB_Profilart", "Profilart", m.LB_Profilart.Auswahltext());
        zeile("LB_Profil", "Profil", m.LB_Profil.Auswahltext());
        return g;
    }
    zeile("RB_DIN_Rohr", "Standard", m.RB_ANSI_Rohr.Checked ? "ANSI" : "DIN");
    zeile("LB_AD1", "DN1", m.LB_AD1.Auswahltext());
    zeile("LB_AD2", "DN2", m.LB_AD2.Auswahltext());
    zeile("LB_PN", "Nenndruck", m.LB_PN.Auswahltext());
    zeile("LB_WD_Reihe", "Wanddickenreihe", m.LB_WD_Reihe.Auswahltext());
    zeile("LB_Radius", "Radius", m.LB_Radius.Auswahltext());
    return g;
}

std::string Blatttitel(const Mainform& f, Blattart art) {
    const Maske& m = f.maske;
    if (art == Blattart::Profil) {
        return "Maßblatt " + m.LB_Profil.Auswahltext();
    }
    const bool ansi = m.RB_ANSI_Rohr.Checked;
    return "Maßblatt " + std::string(ansi ? "NPS " : "") + m.LB_AD1.Auswahltext() + " " +
           m.LB_PN.Auswahltext() + (ansi ? " (ANSI)" : " (DIN)");
}

std::string Ohne_Semikolon(std::string text) {
    std::replace(text.begin(), text.end(), ';', ',');
    return text;
}

} // namespace

// The data files of the cells the field shows, as the display routines
// recorded them ("E9_Din.CSV + F_Din_rev.CSV"); empty when none were recorded.
static std::string Dateien_der_Herkunft(const Mainform& f, std::string_view feld) {
    const Feldzeiger* zeiger = f.maske.Finde(std::string(feld));
    Edit* const* edit = zeiger != nullptr ? std::get_if<Edit*>(zeiger) : nullptr;
    if (edit == nullptr) {
        return {};
    }
    std::vector<std::string> dateien;
    for (const Zellbezug& z : (*edit)->Quelle.Zellen) {
        // A company table's cell names its layer.
        const std::string datei = z.Firmendatei.empty() ? z.Datei : z.Datei + " (Firma)";
        if (!z.Datei.empty() && std::find(dateien.begin(), dateien.end(), datei) == dateien.end()) {
            dateien.push_back(datei);
        }
    }
    std::string text;
    for (const std::string& d : dateien) {
        text += (text.empty() ? "" : " + ") + d;
    }
    return text;
}

std::string Datenquelle(const Mainform& f, std::string_view feld) {
    if (std::string dateien = Dateien_der_Herkunft(f, feld); !dateien.empty()) {
        return dateien;
    }
    const Feldbeschreibung* fb = Beschreibung(feld);
    if (fb == nullptr) {
        return {};
    }
    if (fb->Herkunft == Quelle::Profil) {
        const Profilart* art = Profilart_an(f.maske.LB_Profilart.ItemIndex);
        if (art == nullptr) {
            return {};
        }
        const std::string bild = art->Bilddatei;
        return bild.substr(0, bild.rfind('.')) + ".CSV";
    }
    return Tabellendatei(fb->Herkunft, f.maske.RB_ANSI_Rohr.Checked);
}

Massblatt Massblatt_erstellen(const Mainform& f, Blattart art, const std::string& datum) {
    Massblatt blatt{Blatttitel(f, art), Versionstext(), datum, {Auswahlgruppe(f, art)}};
    const auto gruppen = art == Blattart::Profil ? Profilgruppen() : Rohrleitungsgruppen();
    for (const Gruppenbeschreibung& gb : gruppen) {
        Blattgruppe g{gb.Titel, {}, {}};
        for (const char* skizze : gb.Skizzen) {
            if (skizze != nullptr) {
                g.Skizzen.emplace_back(skizze);
            }
        }
        for (const Feldbeschreibung& fb : gb.Felder) {
            g.Zeilen.push_back(Zeile_aus(f, fb));
        }
        blatt.Gruppen.push_back(std::move(g));
    }
    if (art == Blattart::Profil && !f.maske.P_Profilart.Datei.empty()) {
        // The section page shows the kind's picture file from the data folder.
        blatt.Gruppen[1].Skizzen.push_back(f.maske.P_Profilart.Datei);
    }
    return blatt;
}

Zeilenliste Massblatt_tabelle(const Massblatt& blatt) {
    Zeilenliste zeilen = {"150;220;110;60;220", "Gruppe;Bezeichnung;Wert;Einheit;Datei",
                          "Maßblatt;" + Ohne_Semikolon(blatt.Titel) + ";;;",
                          "Programm;" + Ohne_Semikolon(blatt.Version) + ";;;",
                          "Datum;" + Ohne_Semikolon(blatt.Datum) + ";;;"};
    for (const Blattgruppe& g : blatt.Gruppen) {
        for (const Blattzeile& z : g.Zeilen) {
            zeilen.push_back(Ohne_Semikolon(g.Titel) + ";" + Ohne_Semikolon(z.Beschriftung) + ";" +
                             Ohne_Semikolon(z.Wert) + ";" + Ohne_Semikolon(z.Einheit) + ";" +
                             Ohne_Semikolon(z.Datei));
        }
    }
    return zeilen;
}

void Massblatt_speichern(const Massblatt& blatt, const std::filesystem::path& datei) {
    const Zeilenliste zeilen = Massblatt_tabelle(blatt);
    Schreibe_Textdatei(datei, zeilen, Passende_Kodierung(zeilen));
}

std::string Mit_Einheit(const Blattzeile& z) {
    return z.Wert.empty() || z.Einheit.empty() ? z.Wert : z.Wert + " " + z.Einheit;
}

void Massblatt_tabelle_ausgeben(const Massblatt& blatt, const std::string& ziel,
                                std::ostream& aus) {
    if (ziel == "-") {
        for (const std::string& zeile : Massblatt_tabelle(blatt)) {
            aus << zeile << "\n";
        }
    } else if (!ziel.empty()) {
        Massblatt_speichern(blatt, ziel);
    }
}

std::string Massblatt_text(const Massblatt& blatt) {
    std::string text = blatt.Titel + "\n" + blatt.Version + ", " + blatt.Datum + "\n";
    for (const Blattgruppe& g : blatt.Gruppen) {
        text += "\n" + g.Titel + "\n";
        for (const Blattzeile& z : g.Zeilen) {
            text += "  " + z.Beschriftung + ": " + Mit_Einheit(z) +
                    (z.Datei.empty() ? "" : "  [" + z.Datei + "]") + "\n";
        }
    }
    return text;
}

std::optional<Blattzeile> Feldzeile_von(const Mainform& f, std::string_view feld) {
    const Feldbeschreibung* fb = Beschreibung(feld);
    if (fb == nullptr) {
        return std::nullopt;
    }
    return Zeile_aus(f, *fb);
}

std::string Kopiertext(const Mainform& f, std::string_view feld) {
    const auto z = Feldzeile_von(f, feld);
    if (!z) {
        return {};
    }
    return z->Beschriftung + ": " + Mit_Einheit(*z);
}

} // namespace pelmark
