#include "app/lebenszyklus.h"

#include "app/auswahl_behalten.h"
#include "app/auswahllisten.h"
#include "app/ereignisse.h"
#include "app/firma.h"
#include "app/handler.h"
#include "app/stile.h"
#include "app/tabellenseite.h"
#include "app/wiederherstellung.h"
#include "calc/massumwandlung.h"
#include "media/rtf.h"
#include "media/rtf_html.h"
#include "store/textdatei.h"

#include <filesystem>
#include <optional>

namespace pelmark {

namespace fs = std::filesystem;

namespace {

constexpr const char* Stildatei = "Style.INI";

// The style name kept in Style.INI: its first line; "Windows" when there is
// no such file, or when it holds no line at all.
std::string Stilname_aus_Datei(Mainform& f) {
    const fs::path pfad = fs::path(f.Datendir) / Stildatei;
    std::error_code fehler;
    if (!fs::exists(pfad, fehler)) {
        return "Windows";
    }
    const Zeilenliste zeilen = Lies_Textdatei(pfad);
    return zeilen.empty() ? "Windows" : zeilen.front();
}

void Stil_aus_Datei(Mainform& f) {
    std::string name = "Windows";
    Sicher_ausfuehren(f, [&] { name = Stilname_aus_Datei(f); });
    Stil_waehlen(f, name);
    f.maske.L_Style.Caption = name;
    auto& box = f.maske.CB_Style;
    box.ItemIndex = -1;
    for (int i = 0; i < box.Count(); ++i) {
        if (box.Items[static_cast<size_t>(i)] == f.Stil) {
            box.ItemIndex = i;
        }
    }
}

} // namespace

void Programmstart(Mainform& f) {
    Stil_waehlen(f, "Luna");
}

void FormCreate(Mainform& f) {
    f.Datendir = f.Programmdir + "Daten/";
    f.InfoTabellendir = f.Programmdir + "InfoTabellen/";
    f.maske.CB_Style.Clear();
    for (const auto& stil : Stilkatalog()) {
        f.maske.CB_Style.Add(stil.Name);
    }
    f.maske.DLG_Bild_Laden.InitialDir = f.Datendir;
    Stil_aus_Datei(f);
    f.Dezimal = f.Systemdezimalseparator == '.' ? ',' : f.Systemdezimalseparator;
    f.Winddruck = 1100.0;
    f.Timer1_aktiv = true;
}

// Every load after the first puts back what the fitter had chosen and typed,
// where the reloaded tables still have it, and computes the pages for it.
void FormActivate(Mainform& f) {
    std::optional<Auswahlstand> behalten;
    std::string tabellenordner = f.InfoTabellendir;
    if (f.Geladen) {
        behalten = Auswahl_merken(f);
        // The folder of free tables the fitter browsed to, while it exists.
        std::error_code fehler;
        if (fs::is_directory(f.maske.FileListBox1.Pfad, fehler)) {
            tabellenordner = f.maske.FileListBox1.Pfad;
        }
    }
    Sicher_ausfuehren(f, [&] {
        Tabellenordner_setzen(f, tabellenordner);
        Firmentabellen_laden(f);
        if (behalten) {
            Masspositionen_zurueck(f, *behalten);
        }
        Anzeige_Massumwandlung(f);
        Init_Anzeige(f, behalten ? &*behalten : nullptr);
        f.Geladen = true;
    });
}

void Timer1Timer(Mainform& f) {
    if (!f.Timer1_aktiv) {
        return;
    }
    f.Timer1_aktiv = false;
    // Edits kept when Pelmark was last ended from outside come first.
    if (Wiederherstellung_anbieten(f)) {
        return;
    }
    auto& dateien = f.maske.FileListBox1;
    if (!dateien.Items.empty()) {
        dateien.ItemIndex = 0;
    }
    Loese_aus(f, "FileListBox1", Ereignis::Aenderung);
}

void FormClose(Mainform& f) {
    std::error_code fehler;
    if (!fs::is_directory(f.Datendir, fehler)) {
        Zeige_Hinweis(f, Meldungsart::hinweis,
                      "Das Verzeichniss; " + f.Datendir + "existiert nicht, es wird erzeugt!");
        fs::create_directories(f.Datendir, fehler);
    }
    Sicher_ausfuehren(f, [&] {
        Schreibe_Textdatei(fs::path(f.Datendir) / Stildatei, {f.Stil}, Kodierung::Windows1252);
    });
    f.Dezimal = f.Systemdezimalseparator;
    f.Timer1_aktiv = false;
    f.Geschlossen = true;
}

void Infofenster_Activate(Mainform& f, Infofenster& fenster) {
    Sicher_ausfuehren(f, [&] {
        const std::string bytes = Lies_Bytes(fs::path(f.Datendir) / fenster.Dokument);
        Rtf_Dokument dokument = Rtf_lesen(bytes);
        fenster.E_Infotext.Lines = std::move(dokument.Absaetze);
        fenster.Html = std::move(dokument.Html);
        if (&fenster == &f.maske.F_Programminfo && !f.Betriebsinfo.empty()) {
            fenster.E_Infotext.Lines.push_back(f.Betriebsinfo);
            fenster.Html += Html_aus_Zeilen({f.Betriebsinfo});
        }
        if (&fenster == &f.maske.F_Programminfo && !f.Firmenordner.empty()) {
            const std::vector<std::string> firma = Firmeninfo(f);
            fenster.E_Infotext.Lines.insert(fenster.E_Infotext.Lines.end(), firma.begin(),
                                            firma.end());
            fenster.Html += Html_aus_Zeilen(firma);
        }
    });
}

void Infofenster_schliessen(Mainform& f, Infofenster& fenster) {
    fenster.Status = Infofenster::Zustand::zu;
    f.Plattform.Schliesse_Fenster(fenster);
}

} // namespace pelmark
