// Applying a search target: first every named entry is looked up in the
// tables the lists are filled from (so a size the data lacks changes
// nothing), then each list is selected and its click handler runs, as for a
// user's click.
#include "app/ereignisse.h"
#include "app/formstand.h"
#include "app/suche.h"
#include "components/profile.h"
#include "components/schritte.h"

#include <algorithm>
#include <cctype>

namespace pelmark {

namespace {

std::string Schluessel(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c != ' ') {
            s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return s;
}

// The entries the standard's nominal-size and pressure lists are filled with.
std::vector<std::string> Nennweiten(const Tabelle& rohre) {
    std::vector<std::string> e;
    for (int r = 1; r <= rohre.Anzahl_Zeilen() - 2; ++r) {
        e.push_back(rohre.Inhalt(0, r));
    }
    return e;
}

std::vector<std::string> Druckstufen(const Tabelle& flansche) {
    std::vector<std::string> e;
    for (int c = 0; c <= flansche.Spaltenanz - 1; c += 7) {
        e.push_back(flansche.Inhalt(c, 0));
    }
    return e;
}

// The entry whose key equals the target's; a table whose entries are bare
// numbers ("50") also matches "DN 50" and "PN 16".
int Index_in(const std::vector<std::string>& eintraege, std::string_view gesucht) {
    const std::string k = Schluessel(gesucht);
    const bool vorsilbe = k.rfind("dn", 0) == 0 || k.rfind("pn", 0) == 0;
    for (const std::string& schluessel : {k, vorsilbe ? k.substr(2) : k}) {
        for (size_t i = 0; i < eintraege.size(); ++i) {
            if (Schluessel(eintraege[i]) == schluessel) {
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

struct Profilstelle {
    int Art = -1;
    int Zeile = -1;
};

Profilstelle Finde_Profil(const Tabellenspeicher& s, std::string_view profil) {
    const auto& arten = Profilarten();
    for (size_t a = 0; a < arten.size(); ++a) {
        const int i = Index_in(Nennweiten(s.*(arten[a].Tabelle_)), profil);
        if (i >= 0) {
            return {static_cast<int>(a), i};
        }
    }
    return {};
}

void Waehle(Mainform& f, Liste& liste, const char* name, int index) {
    liste.ItemIndex = index;
    Loese_aus(f, name, Ereignis::Klick);
}

// Indexes of the target in the lists; -1 where the target names nothing.
struct Plan {
    bool Ansi = false;
    int Nennweite = -1;
    int Druckstufe = -1;
    Profilstelle Profil;
    int Temperatur = -1;
};

std::string Pruefe(const Mainform& f, const Suchziel& z, Plan& p) {
    const Tabellenspeicher& s = f.Speicher;
    p.Ansi =
        z.Standard == Suchziel::Norm::ANSI ||
        (z.Standard == Suchziel::Norm::offen && f.maske.RB_ANSI_Rohr.Checked && z.Schraube.empty());
    const Tabelle& rohre = p.Ansi ? s.ANSI_Rohre : s.Din_Rohre;
    const Tabelle& flansche = p.Ansi ? s.ANSI_Flansche : s.DIN_Flansche;
    const std::string norm = p.Ansi ? " (ANSI)" : " (DIN)";
    if (!z.Nennweite.empty() && (p.Nennweite = Index_in(Nennweiten(rohre), z.Nennweite)) < 0) {
        return "Nennweite " + z.Nennweite + norm + " nicht in den Daten";
    }
    if (!z.Druckstufe.empty() &&
        (p.Druckstufe = Index_in(Druckstufen(flansche), z.Druckstufe)) < 0) {
        return "Druckstufe " + z.Druckstufe + norm + " nicht in den Daten";
    }
    if (!z.Profil.empty() && (p.Profil = Finde_Profil(s, z.Profil)).Art < 0) {
        return "Profil " + z.Profil + " nicht in den Daten";
    }
    if (!z.Temperatur.empty()) {
        std::vector<std::string> temperaturen;
        for (int c = 1; c <= s.Isolierung.Spaltenanz - 1; ++c) {
            temperaturen.push_back(s.Isolierung.Inhalt(c, 0));
        }
        if ((p.Temperatur = Index_in(temperaturen, z.Temperatur)) < 0) {
            return "Temperatur " + z.Temperatur + " nicht in den Daten";
        }
    }
    return {};
}

void Norm_und_Groesse(Mainform& f, const Plan& p) {
    auto& m = f.maske;
    Schalter& knopf = p.Ansi ? m.RB_ANSI_Rohr : m.RB_DIN_Rohr;
    if (!knopf.Checked) {
        m.Radio_ein(knopf);
        Loese_aus(f, p.Ansi ? "RB_ANSI_Rohr" : "RB_DIN_Rohr", Ereignis::Klick);
    }
    if (p.Nennweite >= 0) {
        Waehle(f, m.LB_AD1, "LB_AD1", p.Nennweite);
    }
    if (p.Druckstufe >= 0) {
        Waehle(f, m.LB_PN, "LB_PN", p.Druckstufe);
    }
}

// The first nominal size whose flange takes bolts of that diameter at the
// selected pressure stage; the size stays as it was when there is none.
bool Schraube_suchen(Mainform& f, const std::string& durchmesser) {
    auto& m = f.maske;
    const int vorher = m.LB_AD1.ItemIndex;
    const Extended gesucht = Rueckgelesen(durchmesser);
    for (int i = 0; i < m.LB_AD1.Count(); ++i) {
        Waehle(f, m.LB_AD1, "LB_AD1", i);
        if (!Fehlt(gesucht) && Rueckgelesen(m.E_Schr_Dm.Text) == gesucht) {
            return true;
        }
    }
    Waehle(f, m.LB_AD1, "LB_AD1", vorher);
    return false;
}

void Dampf_setzen(Mainform& f, const std::string& druck) {
    auto& m = f.maske;
    if (!m.RB_Druck_Fix.Checked) {
        m.Radio_ein(m.RB_Druck_Fix);
        Loese_aus(f, "RB_Druck_Fix", Ereignis::Klick);
    }
    std::string text = druck;
    std::replace(text.begin(), text.end(), f.Dezimal == ',' ? '.' : ',', f.Dezimal);
    m.E_Dampfdruck.Text = text;
    Loese_aus(f, "E_Dampfdruck", Ereignis::Aenderung);
}

std::string Zielseite(const Suchziel& z) {
    if (z.Etage) {
        return "TS_Rohrbau";
    }
    if (!z.Nennweite.empty() || !z.Druckstufe.empty() || !z.Schraube.empty()) {
        return "TS_Rohrteile";
    }
    if (!z.Profil.empty()) {
        return "TS_Profile";
    }
    return z.Temperatur.empty() ? "TS_Dehnung" : "TS_Konstruktionsdaten";
}

// Selects the target through the handlers; the reason when it cannot.
std::string Anwenden(Mainform& f, const Suchziel& z, const Plan& p) {
    auto& m = f.maske;
    if (!z.Nennweite.empty() || !z.Druckstufe.empty() || !z.Schraube.empty() ||
        z.Standard != Suchziel::Norm::offen) {
        Norm_und_Groesse(f, p);
    }
    if (p.Profil.Art >= 0) {
        Waehle(f, m.LB_Profilart, "LB_Profilart", p.Profil.Art);
        Waehle(f, m.LB_Profil, "LB_Profil", p.Profil.Zeile);
    }
    if (p.Temperatur >= 0) {
        Waehle(f, m.LB_Temperatur, "LB_Temperatur", p.Temperatur);
    }
    if (!z.Dampfdruck.empty()) {
        Dampf_setzen(f, z.Dampfdruck);
    }
    if (!z.Schraube.empty() && !Schraube_suchen(f, z.Schraube)) {
        return "Keine Nennweite mit Schrauben M" + z.Schraube + " bei " + m.LB_PN.Auswahltext();
    }
    return {};
}

} // namespace

Suchantwort Suche_ausfuehren(Mainform& f, std::string_view eingabe) {
    const Suchlesung lesung = Suche_lesen(eingabe);
    if (!lesung.Ziel) {
        return {false, {}, lesung.Meldung};
    }
    const Suchziel& z = *lesung.Ziel;
    Plan p;
    if (std::string fehler = Pruefe(f, z, p); !fehler.empty()) {
        return {false, {}, fehler};
    }
    // A search that fails halfway (no flange takes the bolt) leaves every
    // selection and value as it found them.
    const Formstand vorher(f);
    try {
        if (std::string fehler = Anwenden(f, z, p); !fehler.empty()) {
            vorher.Zurueck();
            return {false, {}, fehler};
        }
    } catch (...) {
        vorher.Zurueck();
        throw;
    }
    return {true, Zielseite(z), {}};
}

std::vector<std::string> Suchvorschlaege(const Mainform& f, std::string_view praefix,
                                         size_t hoechstens) {
    const Tabellenspeicher& s = f.Speicher;
    std::vector<std::string> alle = Nennweiten(s.Din_Rohre);
    for (const auto& pn : Druckstufen(s.DIN_Flansche)) {
        alle.push_back(pn);
    }
    for (const auto& nps : Nennweiten(s.ANSI_Rohre)) {
        alle.push_back("NPS " + nps);
    }
    for (const auto& klasse : Druckstufen(s.ANSI_Flansche)) {
        alle.push_back(klasse);
    }
    for (const Profilart& art : Profilarten()) {
        for (const auto& profil : Nennweiten(s.*(art.Tabelle_))) {
            alle.push_back(profil);
        }
    }
    for (int c = 1; c <= s.Isolierung.Spaltenanz - 1; ++c) {
        alle.push_back(s.Isolierung.Inhalt(c, 0));
    }
    alle.push_back("Etage");
    const std::string k = Schluessel(praefix);
    std::vector<std::string> treffer;
    for (const auto& text : alle) {
        if (treffer.size() < hoechstens && !text.empty() && Schluessel(text).rfind(k, 0) == 0) {
            treffer.push_back(text);
        }
    }
    return treffer;
}

} // namespace pelmark
