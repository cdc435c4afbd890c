// Reading the template panels' inputs and writing their results.
#include "calc/schablonen_anzeige.h"

#include "store/zahlen.h"

#include <string>

namespace pelmark {

namespace {

constexpr int Taste_Enter = 13;

struct Durchmesser {
    double Da = 0;
    std::string Name;
    std::string Grund; // why there is none
};

std::string Groessenname(const Mainform& f, const Liste& liste) {
    const std::string text = liste.Auswahltext();
    return f.maske.RB_ANSI_Rohr.Checked ? "NPS " + text : text;
}

// The typed outside diameter, or the one the first page shows for the size.
Durchmesser Durchmesser_lesen(const Mainform& f, const Edit& eingabe, const Edit& seite1,
                              const Liste& liste) {
    if (!eingabe.Text.empty()) {
        const auto da = Lies_Zahl_streng(eingabe.Text);
        if (!da) {
            return {0, {}, "\"" + eingabe.Text + "\" ist kein Außendurchmesser"};
        }
        return {static_cast<double>(*da), "Da " + eingabe.Text, {}};
    }
    const auto da = Lies_Zahl_streng(seite1.Text);
    if (!da) {
        return {0, {}, "kein Außendurchmesser für " + Groessenname(f, liste)};
    }
    return {static_cast<double>(*da), Groessenname(f, liste), {}};
}

// A number typed in a field; nothing when unreadable, with the reason.
std::optional<double> Zahl(const Edit& e, const char* was, std::string& grund) {
    const auto z = Lies_Zahl_streng(e.Text);
    if (!z && grund.empty()) {
        grund = "\"" + e.Text + "\" ist kein" + std::string(was);
    }
    return z ? std::optional<double>(static_cast<double>(*z)) : std::nullopt;
}

int Ganzzahl(const Edit& e, const char* was, std::string& grund) {
    const auto z = Lies_Ganzzahl(e.Text);
    if (!z && grund.empty()) {
        grund = "\"" + e.Text + "\" ist kein" + std::string(was);
    }
    return z ? *z : 0;
}

void Strich(Edit& e, const std::string& grund) {
    e.Text = "-";
    e.Quelle = {};
    e.Quelle.Grund = grund;
}

void Wert(Edit& e, const std::string& text, const std::string& regel) {
    e.Text = text;
    e.Quelle = {};
    e.Quelle.Regel = regel;
}

std::vector<std::string> Ordinatenzeilen(const Abwicklung& a) {
    std::vector<std::string> zeilen;
    for (const Ordinate& o : a.Zeilen) {
        zeilen.push_back(Ordinatenbezeichnung(o) + ": Tiefe " + Mm_Text(o.Tiefe) + " mm");
    }
    return zeilen;
}

// What the branch panel's fields ask for: the sizes and settings, or the
// reason there are none. Cheap to read; the solution is worked out apart.
struct Stutzeneingabe {
    std::optional<Stutzenmasse> Masse;
    std::string Grund;
    Schablonennamen Namen;
    bool operator==(const Stutzeneingabe&) const = default;
};

Stutzeneingabe Stutzen_lesen(const Mainform& f) {
    const Maske& m = f.maske;
    const Durchmesser stutzen = Durchmesser_lesen(f, m.E_Stutzen_Da, m.E_DA2, m.LB_AD2);
    const Durchmesser haupt = Durchmesser_lesen(f, m.E_Hauptrohr_Da, m.E_DA1, m.LB_AD1);
    std::string grund = !stutzen.Grund.empty() ? stutzen.Grund : haupt.Grund;
    const auto winkel = Zahl(m.E_Stutzen_Winkel, " Winkel", grund);
    const auto aussermitte = Zahl(m.E_Stutzen_Aussermitte, "e Außermitte", grund);
    const int teilung = Ganzzahl(m.E_Stutzen_Teilung, "e Teilung", grund);
    if (!grund.empty()) {
        return {std::nullopt, grund, {}};
    }
    return {Stutzenmasse{stutzen.Da, haupt.Da, *winkel, *aussermitte, teilung},
            {},
            {stutzen.Name, haupt.Name}};
}

Ergebnis<Stutzen> Stutzen_loesen(const Stutzeneingabe& e) {
    return e.Masse ? Stutzen_berechnen(*e.Masse) : Ergebnis<Stutzen>{std::nullopt, e.Grund};
}

struct Bogeneingabe {
    std::optional<Segmentmasse> Masse;
    std::string Grund;
    std::string Name;
    bool operator==(const Bogeneingabe&) const = default;
};

Bogeneingabe Bogen_lesen(const Mainform& f) {
    const Maske& m = f.maske;
    const Durchmesser rohr = Durchmesser_lesen(f, m.E_Segment_Da, m.E_DA1, m.LB_AD1);
    std::string grund = rohr.Grund;
    const bool vom_bogen = m.E_Segment_Radius.Text.empty() && grund.empty();
    const Edit& radiusfeld =
        m.E_Segment_Radius.Text.empty() ? m.E_Radius_Bogen : m.E_Segment_Radius;
    const auto radius = Zahl(radiusfeld, " Radius", grund);
    if (!radius && vom_bogen) {
        grund = "kein Radius für " + rohr.Name + " in der Bogentabelle";
    }
    const auto winkel = Zahl(m.E_Segment_Winkel, " Winkel", grund);
    const int teile = Ganzzahl(m.E_Segment_Teile, "e Anzahl Teile", grund);
    const int teilung = Ganzzahl(m.E_Segment_Teilung, "e Teilung", grund);
    if (!grund.empty()) {
        return {std::nullopt, grund, {}};
    }
    return {Segmentmasse{rohr.Da, *radius, *winkel, teile, teilung}, {}, rohr.Name};
}

Ergebnis<Segmentbogen> Bogen_loesen(const Bogeneingabe& e) {
    return e.Masse ? Segmentbogen_berechnen(*e.Masse)
                   : Ergebnis<Segmentbogen>{std::nullopt, e.Grund};
}

// A panel's shown results. They follow from its inputs alone, so the last
// ones are kept and shown again while the inputs stay the same: the panels
// are refreshed after every event, and working out and writing the ordinates
// anew each time would make every click slow.
struct Feldwert {
    std::string Text;
    Herkunft Quelle;
};

Feldwert Ablesen(const Edit& e) {
    return {e.Text, e.Quelle};
}

void Eintragen(Edit& e, const Feldwert& w) {
    e.Text = w.Text;
    e.Quelle = w.Quelle;
}

// What a panel shows, taken from the fields and written back to them.
struct Stutzenanzeige {
    std::string Kopf;
    Feldwert Abwicklung, Tiefe;
    std::vector<std::string> Ordinaten;

    static Stutzenanzeige Ablesen(const Maske& m) {
        return {m.L_Stutzen_Masse.Caption, pelmark::Ablesen(m.E_Stutzen_Abwicklung),
                pelmark::Ablesen(m.E_Stutzen_Tiefe), m.M_Stutzen_Ordinaten.Lines};
    }
    void Schreiben(Maske& m) const {
        m.L_Stutzen_Masse.Caption = Kopf;
        Eintragen(m.E_Stutzen_Abwicklung, Abwicklung);
        Eintragen(m.E_Stutzen_Tiefe, Tiefe);
        m.M_Stutzen_Ordinaten.Lines = Ordinaten;
    }
};

struct Boganzeige {
    std::string Kopf;
    Feldwert Schnittwinkel;
    std::vector<std::string> Stuecke, Ordinaten;

    static Boganzeige Ablesen(const Maske& m) {
        return {m.L_Segment_Masse.Caption, pelmark::Ablesen(m.E_Segment_Schnittwinkel),
                m.M_Segment_Stuecke.Lines, m.M_Segment_Ordinaten.Lines};
    }
    void Schreiben(Maske& m) const {
        m.L_Segment_Masse.Caption = Kopf;
        Eintragen(m.E_Segment_Schnittwinkel, Schnittwinkel);
        m.M_Segment_Stuecke.Lines = Stuecke;
        m.M_Segment_Ordinaten.Lines = Ordinaten;
    }
};

// The last few inputs with what they showed, the newest first: a fitter
// going back and forth between two sizes finds both here. An input seen
// before shows what it showed then; a new one is worked out and kept.
template <class Eingabe, class Anzeige> class Merker {
  public:
    void Zeige(Mainform& f, const Eingabe& e, void (*berechnen)(Mainform&, const Eingabe&)) {
        for (const auto& [eingabe, anzeige] : eintraege_) {
            if (eingabe == e) {
                anzeige.Schreiben(f.maske);
                return;
            }
        }
        berechnen(f, e);
        if (eintraege_.size() == Plaetze) {
            eintraege_.pop_back();
        }
        eintraege_.emplace(eintraege_.begin(), e, Anzeige::Ablesen(f.maske));
    }

  private:
    static constexpr size_t Plaetze = 16;
    std::vector<std::pair<Eingabe, Anzeige>> eintraege_;
};

void Stutzen_berechnen_und_schreiben(Mainform& f, const Stutzeneingabe& e) {
    Maske& m = f.maske;
    const Ergebnis<Stutzen> loesung = Stutzen_loesen(e);
    if (!loesung.Wert) {
        m.L_Stutzen_Masse.Caption = loesung.Grund;
        Strich(m.E_Stutzen_Abwicklung, loesung.Grund);
        Strich(m.E_Stutzen_Tiefe, loesung.Grund);
        m.M_Stutzen_Ordinaten.Lines = {"-"};
        return;
    }
    const Stutzen& s = *loesung.Wert;
    m.L_Stutzen_Masse.Caption = "Stutzen " + e.Namen.Stutzen + " (Da " +
                                Mm_Text(s.Masse.Da_Stutzen) + ") auf " + e.Namen.Hauptrohr +
                                " (Da " + Mm_Text(s.Masse.Da_Hauptrohr) + ")";
    Wert(m.E_Stutzen_Abwicklung, Mm_Text(s.Schablone.Laenge), "π · Da des Stutzens");
    Wert(m.E_Stutzen_Tiefe, Mm_Text(s.Schablone.Hoehe),
         "größte Tiefe des Schnitts vom Ende des Stutzens");
    m.M_Stutzen_Ordinaten.Lines = Ordinatenzeilen(s.Schablone);
}

void Stutzen_zeigen(Mainform& f) {
    thread_local Merker<Stutzeneingabe, Stutzenanzeige> merker;
    merker.Zeige(f, Stutzen_lesen(f), Stutzen_berechnen_und_schreiben);
}

void Bogen_berechnen_und_schreiben(Mainform& f, const Bogeneingabe& e) {
    Maske& m = f.maske;
    const Ergebnis<Segmentbogen> loesung = Bogen_loesen(e);
    if (!loesung.Wert) {
        m.L_Segment_Masse.Caption = loesung.Grund;
        Strich(m.E_Segment_Schnittwinkel, loesung.Grund);
        m.M_Segment_Stuecke.Lines = {"-"};
        m.M_Segment_Ordinaten.Lines = {"-"};
        return;
    }
    const Segmentbogen& b = *loesung.Wert;
    m.L_Segment_Masse.Caption = "Segmentbogen " + e.Name + " (Da " + Mm_Text(b.Masse.Da) +
                                "), Radius " + Mm_Text(b.Masse.Radius);
    Wert(m.E_Segment_Schnittwinkel, Mm_Text(b.Schnittwinkel),
         "Winkel / (Teile - 1) / 2 gegen den geraden Schnitt");
    m.M_Segment_Stuecke.Lines = Segmentstueck_zeilen(b);
    m.M_Segment_Ordinaten.Lines = Ordinatenzeilen(b.Schablone);
}

void Bogen_zeigen(Mainform& f) {
    thread_local Merker<Bogeneingabe, Boganzeige> merker;
    merker.Zeige(f, Bogen_lesen(f), Bogen_berechnen_und_schreiben);
}

} // namespace

void Anzeige_Schablonen(Mainform& f) {
    if (f.Ohne_Schablonen) {
        return;
    }
    Stutzen_zeigen(f);
    Bogen_zeigen(f);
}

std::vector<Schablonenzeichnung> Stutzen_aus_Maske(const Mainform& f) {
    const Stutzeneingabe e = Stutzen_lesen(f);
    const Ergebnis<Stutzen> loesung = Stutzen_loesen(e);
    return loesung.Wert ? Stutzen_zeichnungen(*loesung.Wert, e.Namen)
                        : std::vector<Schablonenzeichnung>{};
}

std::vector<Schablonenzeichnung> Segmentbogen_aus_Maske(const Mainform& f) {
    const Bogeneingabe e = Bogen_lesen(f);
    const Ergebnis<Segmentbogen> loesung = Bogen_loesen(e);
    return loesung.Wert ? Segmentbogen_zeichnungen(*loesung.Wert, e.Name)
                        : std::vector<Schablonenzeichnung>{};
}

void E_SchablonenExit(Mainform& f) {
    Anzeige_Schablonen(f);
}

void E_SchablonenKeyUp(Mainform& f, int taste) {
    if (taste == Taste_Enter) {
        Anzeige_Schablonen(f);
    }
}

} // namespace pelmark
