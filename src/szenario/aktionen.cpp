// The runner's actions: starting and closing the program, and what the user
// does with the controls.
#include "app/ereignisse.h"
#include "app/lebenszyklus.h"
#include "app/ungesicherte_tabelle.h"
#include "szenario/laeufer_intern.h"
#include "szenario/speicherordner.h"

#include "store/textdatei.h"

#include <cstdlib>
#include <fstream>

namespace pelmark {

namespace {

// The key code of a typed character, as the platform reports key releases.
int Tastencode(const std::string& zeichen) {
    if (zeichen.size() != 1) {
        return 0;
    }
    const char c = zeichen[0];
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == ' ') {
        return c;
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 'A';
    }
    switch (c) {
    case ',':
        return 188;
    case '.':
        return 190;
    case '-':
        return 189;
    case '+':
        return 187;
    default:
        return 0;
    }
}

// Splits UTF-8 text into its characters.
std::vector<std::string> Zeichen(const std::string& text) {
    std::vector<std::string> zeichen;
    for (size_t i = 0; i < text.size();) {
        size_t laenge = 1;
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0xF0) {
            laenge = 4;
        } else if (b >= 0xE0) {
            laenge = 3;
        } else if (b >= 0xC0) {
            laenge = 2;
        }
        zeichen.push_back(text.substr(i, laenge));
        i += laenge;
    }
    return zeichen;
}

std::string Ersetze(std::string text, const std::string& alt, const std::string& neu) {
    for (size_t pos = text.find(alt); !alt.empty() && pos != std::string::npos;
         pos = text.find(alt, pos + neu.size())) {
        text.replace(pos, alt.size(), neu);
    }
    return text;
}

// Copies a folder file by file, each in one read and one write: the library's
// copy goes byte by byte, which the WebAssembly runner feels at every start.
void Ordner_kopieren(const fs::path& quelle, const fs::path& ziel) {
    if (In_Speicher_kopieren(quelle, ziel)) {
        return;
    }
    fs::create_directories(ziel);
    for (const auto& eintrag : fs::recursive_directory_iterator(quelle)) {
        const fs::path pfad = ziel / eintrag.path().lexically_relative(quelle);
        if (eintrag.is_directory()) {
            fs::create_directories(pfad);
        } else if (eintrag.is_regular_file()) {
            std::ofstream aus(pfad, std::ios::binary);
            if (!(aus << Lies_Bytes(eintrag.path()))) {
                throw Skriptfehler{"kann nicht kopieren: " + pfad.string()};
            }
        }
    }
}

} // namespace

const fs::path& Laeufer::Kopie() {
    if (kopie_.empty()) {
        std::string vorlage = (fs::temp_directory_path() / "pelmark-szenario-XXXXXX").string();
        if (::mkdtemp(vorlage.data()) == nullptr) {
            throw Skriptfehler{"kein temporärer Ordner"};
        }
        kopie_ = vorlage;
        for (const char* ordner : {"Daten", "InfoTabellen"}) {
            const fs::path quelle = fs::path(programmquelle_) / ordner;
            if (fs::is_directory(quelle)) {
                Ordner_kopieren(quelle, kopie_ / ordner);
            }
        }
    }
    return kopie_;
}

fs::path Laeufer::Pfad(const std::string& text) {
    if (text.rfind("@/", 0) == 0) {
        return Kopie() / text.substr(2);
    }
    if (text == "@") {
        return Kopie();
    }
    return skriptordner_ / text;
}

Mainform& Laeufer::Form() {
    if (!form_) {
        throw Skriptfehler{"das Programm läuft nicht («start» fehlt)"};
    }
    return *form_;
}

std::string Laeufer::Anonym(const std::string& text) const {
    return kopie_.empty() ? text : Ersetze(text, kopie_.string(), "@");
}

void Laeufer::Starte() {
    const std::string programmdir = Kopie().string() + "/";
    form_.reset();
    rekorder_ = std::make_unique<Rekorder>();
    rekorder_->Bei_Meldung = [this](const Aufgezeichnete_Meldung& m) {
        const std::string text = Anonym(Ersetze(Ersetze(m.Text, "\r\n", "\\n"), "\n", "\\n"));
        aus_ << "MELDUNG " << Meldungsartname(m.Art) << " " << m.Titel << ": " << text << "\n";
        letzte_ = m;
    };
    rekorder_->Bei_Frage = [this](Frageart art, const std::string& titel, const std::string& text) {
        return Beantworte(art, titel, text);
    };
    rekorder_->Bei_Fensteraktivierung = [this](Infofenster& fenster) {
        Infofenster_Activate(*form_, fenster);
    };
    form_ = std::make_unique<Mainform>(*rekorder_, programmdir, dezimal_);
    form_->Firmenordner = firma_;
    Programmstart(*form_);
    FormCreate(*form_);
    FormActivate(*form_);
}

// As "ENDE": unsaved edits are asked about first.
bool Laeufer::Schliesse() {
    if (form_ && !form_->Geschlossen) {
        if (!FormCloseQuery(*form_)) {
            return false;
        }
        FormClose(*form_);
    }
    return true;
}

// Prints the question and takes the next scripted answer, or the default.
Antwort Laeufer::Beantworte(Frageart art, const std::string& titel, const std::string& text) {
    const Antworttexte knoepfe = Knopftexte(art);
    Antwort antwort = Vorgabeantwort(art);
    if (!antworten_.empty()) {
        const std::string wahl = antworten_.front();
        antworten_.pop_front();
        if (wahl == knoepfe.Ja) {
            antwort = Antwort::ja;
        } else if (wahl == knoepfe.Nein) {
            antwort = Antwort::nein;
        } else if (wahl == knoepfe.Abbrechen) {
            antwort = Antwort::abbrechen;
        } else {
            throw Skriptfehler{"«" + wahl + "» ist keine Antwort auf: " + text};
        }
    }
    const char* gewaehlt = antwort == Antwort::ja     ? knoepfe.Ja
                           : antwort == Antwort::nein ? knoepfe.Nein
                                                      : knoepfe.Abbrechen;
    aus_ << "FRAGE " << titel << ": " << Anonym(text) << "\nANTWORT " << gewaehlt << "\n";
    letzte_frage_ = Anonym(text);
    return antwort;
}

void Laeufer::Zum_Hauptfenster() {
    if (rekorder_ && rekorder_->Aktives_Fenster != nullptr) {
        rekorder_->Aktives_Fenster = nullptr;
        FormActivate(Form());
    }
}

void Laeufer::Waehle(const std::string& name, int index) {
    const Feldzeiger* feld = Form().maske.Finde(name);
    auto ausserhalb = [&] {
        return Skriptfehler{"«" + name + "» hat keinen Eintrag " + std::to_string(index)};
    };
    if (feld == nullptr) {
        throw Skriptfehler{"unbekanntes Steuerelement «" + name + "»"};
    }
    if (auto* l = std::get_if<Liste*>(feld)) {
        if (index >= (*l)->Count()) {
            throw ausserhalb();
        }
        (*l)->ItemIndex = index;
        Loese_aus(Form(), name, (*l)->Combo ? Ereignis::Aenderung : Ereignis::Klick);
    } else if (auto* o = std::get_if<Ordnerliste*>(feld)) {
        if (index >= static_cast<int>((*o)->Items.size())) {
            throw ausserhalb();
        }
        (*o)->ItemIndex = index;
        Loese_aus(Form(), name, Ereignis::Aenderung);
    } else if (auto* g = std::get_if<Gitter*>(feld)) {
        if (index >= (*g)->Grid.RowCount() || index < (*g)->Grid.FixedRows) {
            throw ausserhalb();
        }
        (*g)->Grid.Row = index;
    } else {
        throw Skriptfehler{"«" + name + "» ist keine Liste"};
    }
}

void Laeufer::Klick(const std::string& name) {
    Mainform& f = Form();
    for (auto* fenster : {&f.maske.F_Programminfo, &f.maske.F_Geschwindigkeitsinfo}) {
        const std::string fname =
            fenster == &f.maske.F_Programminfo ? "F_Programminfo" : "F_Geschwindigkeitsinfo";
        if (name == fname + ".BitBtn1") {
            // Clicking the window's button makes it the active window first;
            // closing it gives the focus back to the main window.
            const bool offen = fenster->Status != Infofenster::Zustand::zu;
            Infofenster_schliessen(f, *fenster);
            rekorder_->Aktives_Fenster = nullptr;
            if (offen) {
                FormActivate(f);
            }
            return;
        }
    }
    const Feldzeiger* feld = f.maske.Finde(name);
    if (feld == nullptr) {
        throw Skriptfehler{"unbekanntes Steuerelement «" + name + "»"};
    }
    if (Ist_Ende_Knopf(name)) {
        Schliesse();
        return;
    }
    if (auto* s = std::get_if<Schalter*>(feld)) {
        if ((*s)->Radio) {
            f.maske.Radio_ein(**s);
        } else {
            (*s)->Checked = !(*s)->Checked;
        }
    } else if (!std::get_if<Knopf*>(feld) && !std::get_if<Bild*>(feld)) {
        throw Skriptfehler{"«" + name + "» ist nicht anklickbar"};
    }
    Loese_aus(f, name, Ereignis::Klick);
}

Edit& Laeufer::Editfeld(const std::string& name) {
    const Feldzeiger* feld = Form().maske.Finde(name);
    if (feld == nullptr || !std::get_if<Edit*>(feld)) {
        throw Skriptfehler{"«" + name + "» ist kein Eingabefeld"};
    }
    return **std::get_if<Edit*>(feld);
}

void Laeufer::Tippe(const std::string& name, const std::string& text, bool zeichenweise) {
    const Feldzeiger* feld = Form().maske.Finde(name);
    if (feld != nullptr && std::get_if<Liste*>(feld) && (*std::get_if<Liste*>(feld))->Combo) {
        Liste& box = **std::get_if<Liste*>(feld);
        box.ItemIndex = -1;
        box.Text = text;
        Loese_aus(Form(), name, Ereignis::Aenderung);
        return;
    }
    Edit& edit = Editfeld(name);
    if (edit.ReadOnly) {
        throw Skriptfehler{"«" + name + "» ist schreibgeschützt"};
    }
    if (!zeichenweise || text.empty()) {
        edit.Text = text;
        Loese_aus(Form(), name, Ereignis::Aenderung);
        return;
    }
    std::string getippt;
    for (const std::string& zeichen : Zeichen(text)) {
        getippt += zeichen;
        Editfeld(name).Text = getippt;
        Loese_aus(Form(), name, Ereignis::Aenderung);
        Loese_aus(Form(), name, Ereignis::Taste, Tastencode(zeichen));
    }
}

} // namespace pelmark
