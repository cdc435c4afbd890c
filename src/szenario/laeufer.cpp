#include "szenario/laeufer.h"

#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "app/massblatt.h"
#include "app/suche.h"
#include "app/tabellenseite.h"
#include "app/ungesicherte_tabelle.h"
#include "app/wiederherstellung.h"
#include "store/textdatei.h"
#include "szenario/laeufer_intern.h"
#include "szenario/speicherordner.h"
#include "szenario/zustand.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>

namespace pelmark {

namespace {

std::string Ersetze_alle(std::string text, const std::string& alt, const std::string& neu) {
    if (alt.empty()) {
        return text;
    }
    for (size_t pos = text.find(alt); pos != std::string::npos;
         pos = text.find(alt, pos + neu.size())) {
        text.replace(pos, alt.size(), neu);
    }
    return text;
}

} // namespace

Laeufer::Laeufer(const std::string& skript, std::string standardprogramm, std::ostream& aus)
    : skript_(skript), skriptordner_(fs::absolute(skript).parent_path()),
      programmquelle_(std::move(standardprogramm)), aus_(aus) {}

Laeufer::~Laeufer() {
    form_.reset();
    if (!kopie_.empty() && !Aus_Speicher_entfernen(kopie_)) {
        // A script may have taken the right to write away; only then is
        // every file made writable again, which costs a call per file.
        std::error_code fehler;
        fs::remove_all(kopie_, fehler);
        if (fehler) {
            Schreibbar_machen(kopie_);
            fs::remove_all(kopie_, fehler);
        }
    }
}

int Laeufer::Lauf() {
    std::ifstream datei(skript_, std::ios::binary);
    if (!datei) {
        aus_ << skript_ << ": kann nicht gelesen werden\n";
        return 2;
    }
    std::string text;
    try {
        for (std::string zeile; std::getline(datei, zeile);) {
            ++zeilennr_;
            if (auto z = Zerlege_Skriptzeile(zeile)) {
                Zeile(*z);
            }
        }
    } catch (const Skriptfehler& e) {
        aus_ << skript_ << ":" << zeilennr_ << ": " << e.Text << "\n";
        return 2;
    } catch (const std::exception& e) {
        aus_ << skript_ << ":" << zeilennr_ << ": " << e.what() << "\n";
        return 2;
    }
    aus_ << (fehler_ == 0 ? "OK " : "FEHLGESCHLAGEN ") << skript_ << ": " << erwartungen_
         << " Erwartungen, " << fehler_ << " verfehlt\n";
    return fehler_ == 0 ? 0 : 1;
}

void Laeufer::Fuehre_aus(const std::string& zeile) {
    ++zeilennr_;
    if (auto z = Zerlege_Skriptzeile(zeile)) {
        Zeile(*z);
    }
}

void Laeufer::Zeile(const Skriptzeile& z) {
    const std::string& v = z.Verb;
    if (v == "programm" || v == "dezimal" || v == "start" || v == "aktivieren" || v == "timer" ||
        v == "schliessen" || v == "neustart" || v == "von-aussen-beenden") {
        Programm_verb(z);
    } else if (v == "schreibe" || v == "schreibe-hex" || v == "entferne" || v == "datei" ||
               v == "ordner") {
        Datei_verb(z);
    } else if (v == "waehle" || v == "waehle-text" || v == "klick" || v == "zelle" ||
               v == "tippe" || v == "setze" || v == "taste" || v == "verlasse") {
        Bedien_verb(z);
    } else if (v == "zeige" || v == "erwarte" || v == "erwarte-meldung" ||
               v == "erwarte-meldung-anfang" || v == "alle" || v == "erwarte-frage") {
        Pruef_verb(z);
    } else if (v == "antworte") {
        // The answer to the next question the program asks: the caption of
        // one of its buttons.
        static const char* const knoepfe[] = {"Speichern", "Verwerfen", "Abbrechen",
                                              "Wiederherstellen", "Später"};
        if (std::find(std::begin(knoepfe), std::end(knoepfe), z.Rest) == std::end(knoepfe)) {
            throw Skriptfehler{"«antworte» erwartet Speichern, Verwerfen, Abbrechen, "
                               "Wiederherstellen oder Später"};
        }
        antworten_.push_back(z.Rest);
    } else if (v == "suche") {
        Zum_Hauptfenster();
        const Suchantwort antwort = Suche_ausfuehren(Form(), z.Rest);
        suchseite_ = antwort.Seite;
        suchmeldung_ = antwort.Meldung;
    } else if (v == "firma") {
        Firma_verb(z);
    } else if (v == "massblatt") {
        // The sheet as its text, of the section when the last search showed
        // the sections page; the date is left out so scripts stay stable.
        Zum_Hauptfenster();
        const Blattart art = suchseite_ == "TS_Profile" ? Blattart::Profil : Blattart::Rohrleitung;
        aus_ << Anonym(Massblatt_text(Massblatt_erstellen(Form(), art, "(Datum)")));
    } else {
        throw Skriptfehler{"unbekanntes Verb «" + v + "»"};
    }
}

void Laeufer::Programm_verb(const Skriptzeile& z) {
    const std::string& v = z.Verb;
    if (v == "programm") {
        if (!kopie_.empty()) {
            throw Skriptfehler{"«programm» muss vor dem Start und vor jedem @/-Pfad stehen"};
        }
        programmquelle_ = (skriptordner_ / z.Rest).string();
    } else if (v == "dezimal") {
        if (z.Rest != "." && z.Rest != ",") {
            throw Skriptfehler{"«dezimal» erwartet . oder ,"};
        }
        dezimal_ = z.Rest[0];
    } else if (v == "start") {
        Starte();
    } else if (v == "aktivieren") {
        Zum_Hauptfenster();
        FormActivate(Form());
    } else if (v == "timer") {
        Timer1Timer(Form());
    } else if (v == "schliessen") {
        Schliesse();
    } else if (v == "von-aussen-beenden") {
        // A signal or the end of the desktop session.
        if (form_) {
            Beenden_von_aussen(*form_);
        }
    } else {
        if (!Schliesse()) {
            throw Skriptfehler{"«neustart»: das Programm wurde nicht geschlossen (Abbrechen)"};
        }
        Starte();
    }
}

void Laeufer::Datei_verb(const Skriptzeile& z) {
    const std::string& v = z.Verb;
    if (v == "schreibe" || v == "schreibe-hex") {
        const auto leer = z.Rest.find(' ');
        const fs::path ziel = Pfad(z.Rest.substr(0, leer));
        const std::string inhalt = leer == std::string::npos ? "" : z.Rest.substr(leer + 1);
        const std::string bytes =
            v == "schreibe" ? Ersetze_alle(inhalt, "\\n", "\r\n") : Hex_zu_Bytes(inhalt);
        if (v == "schreibe-hex" && bytes.size() * 2 != inhalt.size()) {
            throw Skriptfehler{"ungültige Hexadezimalfolge"};
        }
        fs::create_directories(ziel.parent_path());
        std::ofstream(ziel, std::ios::binary) << bytes;
    } else if (v == "entferne") {
        std::error_code fehler;
        Schreibbar_machen(Pfad(z.Rest));
        fs::remove_all(Pfad(z.Rest), fehler);
    } else if (v == "datei") {
        if (!rekorder_) {
            throw Skriptfehler{"«datei» vor «start»"};
        }
        rekorder_->Dateiantworten.push_back(z.Rest.empty() ? std::nullopt
                                                           : std::optional(Pfad(z.Rest).string()));
    } else {
        std::string ordner = Pfad(z.Rest).lexically_normal().string();
        if (ordner.empty() || ordner.back() != '/') {
            ordner += '/';
        }
        Zum_Hauptfenster();
        // Opening another folder asks about unsaved edits first.
        Sicher_ausfuehren(Form(), [&] {
            if (Aenderungen_klaeren(Form())) {
                Tabellenordner_setzen(Form(), ordner);
            }
        });
    }
}

void Laeufer::Bedien_verb(const Skriptzeile& z) {
    const std::string& v = z.Verb;
    const bool fensterknopf = z.Name.rfind("F_", 0) == 0;
    if (!fensterknopf) {
        Zum_Hauptfenster();
    }
    if (v == "waehle") {
        Waehle(z.Name, Lies_Index(z.Text));
    } else if (v == "waehle-text") {
        Waehle(z.Name, Index_von_Text(Form(), z.Name, z.Text));
    } else if (v == "klick") {
        Klick(z.Name);
    } else if (v == "zelle") {
        Setze_Zelle(Form(), z.Name, z.Text);
    } else if (v == "tippe" || v == "setze") {
        Tippe(z.Name, z.Text, v == "tippe");
    } else if (v == "taste") {
        Editfeld(z.Name);
        Loese_aus(Form(), z.Name, Ereignis::Taste, Lies_Index(z.Text));
    } else {
        if (!Form().maske.Finde(z.Name)) {
            throw Skriptfehler{"unbekanntes Steuerelement «" + z.Name + "»"};
        }
        Loese_aus(Form(), z.Name, Ereignis::Verlassen);
    }
}

void Laeufer::Pruef_verb(const Skriptzeile& z) {
    const std::string& v = z.Verb;
    if (v == "alle") {
        aus_ << Anonym(Alle_Zustaende(Form()));
        return;
    }
    if (v == "erwarte-frage") {
        // The last question asked since the previous erwarte-frage.
        const std::string ist = letzte_frage_.value_or("");
        letzte_frage_.reset();
        Vergleiche("Frage", ist, z.Rest);
        return;
    }
    if (v == "erwarte-meldung" || v == "erwarte-meldung-anfang") {
        const std::string ist = letzte_ ? Anonym(letzte_->Text) : "";
        letzte_.reset();
        const bool passt = v == "erwarte-meldung" ? ist == z.Rest : ist.rfind(z.Rest, 0) == 0;
        ++erwartungen_;
        if (!passt) {
            ++fehler_;
            aus_ << "FEHLER Zeile " << zeilennr_ << ": Meldung: erwartet «" << z.Rest << "», ist «"
                 << ist << "»\n";
        }
        return;
    }
    const std::string ist = Zustand_von(z.Name);
    if (v == "zeige") {
        aus_ << z.Name << " = " << ist << "\n";
    } else {
        Vergleiche(z.Name, ist, z.Text);
    }
}

std::string Laeufer::Zustand_von(const std::string& name) {
    if (name.rfind("kopie:", 0) == 0) {
        return Kopiertext(Form(), name.substr(6));
    }
    if (name == "Suchseite" || name == "Suchmeldung") {
        return name == "Suchseite" ? suchseite_ : suchmeldung_;
    }
    if (name.rfind("ordner:", 0) == 0) {
        return Anonym(Ordnerinhalt(Pfad(name.substr(7))));
    }
    if (name.rfind("datei:", 0) == 0 || name.rfind("bytes:", 0) == 0) {
        const fs::path pfad = Pfad(name.substr(6));
        if (!fs::exists(pfad)) {
            return "(fehlt)";
        }
        if (name[0] == 'b') {
            return Bytes_zu_Hex(Lies_Bytes(pfad));
        }
        const auto zeilen = Lies_Textdatei(pfad);
        std::string text;
        for (size_t i = 0; i < zeilen.size(); ++i) {
            text += (i ? " | " : "") + zeilen[i];
        }
        return Anonym(text);
    }
    const auto zustand = Zustand(Form(), name);
    if (!zustand) {
        throw Skriptfehler{"unbekannter Name «" + name + "»"};
    }
    return Anonym(*zustand);
}

void Laeufer::Vergleiche(const std::string& name, const std::string& ist, const std::string& soll) {
    ++erwartungen_;
    if (ist != soll) {
        ++fehler_;
        aus_ << "FEHLER Zeile " << zeilennr_ << ": " << name << ": erwartet «" << soll << "», ist «"
             << ist << "»\n";
    }
}

int Fuehre_Szenario_aus(const std::string& skriptpfad, const std::string& standardprogramm,
                        std::ostream& aus) {
    Laeufer laeufer(skriptpfad, standardprogramm, aus);
    return laeufer.Lauf();
}

} // namespace pelmark
