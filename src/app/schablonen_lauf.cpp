// Computing a template for the command line and gathering its sheet.
#include "app/schablonen_lauf.h"

#include "app/aufruf.h"
#include "app/lebenszyklus.h"
#include "app/suche.h"
#include "store/zahlen.h"

#include <algorithm>
#include <cctype>

namespace pelmark {

namespace {

// The position of " auf " in the text, ignoring case, or npos.
size_t Trenner(const std::string& text) {
    std::string klein = text;
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return klein.find(" auf ");
}

Blattzeile Zeile(std::string beschriftung, std::string wert, std::string einheit,
                 std::string datei = {}) {
    return {{}, std::move(beschriftung), std::move(wert), std::move(einheit), std::move(datei)};
}

Blattgruppe Ordinatengruppe(const Abwicklung& a) {
    Blattgruppe g{"Ordinaten", {}, {}};
    for (const Ordinate& o : a.Zeilen) {
        g.Zeilen.push_back(Zeile(Ordinatenbezeichnung(o), Mm_Text(o.Tiefe), "mm"));
    }
    return g;
}

Schablonenlauf Stutzenlauf(Mainform& f, const Schablonenauftrag& a, Massblatt blatt) {
    const size_t trenner = Trenner(a.Groesse);
    if (trenner == std::string::npos) {
        return {2,
                "\"" + a.Groesse +
                    "\": Stutzen \"auf\" Hauptrohr angeben, z. B. \"DN 50 auf DN 100\"",
                {},
                {}};
    }
    std::string meldung;
    const auto stutzen = Rohrgroesse_lesen(f, a.Groesse.substr(0, trenner), meldung);
    const auto haupt =
        stutzen ? Rohrgroesse_lesen(f, a.Groesse.substr(trenner + 5), meldung) : std::nullopt;
    if (!haupt) {
        return {2, meldung, {}, {}};
    }
    const Stutzenmasse m{stutzen->Da, haupt->Da, a.Winkel.value_or(90), a.Aussermitte.value_or(0),
                         a.Teilung};
    const auto s = Stutzen_berechnen(m);
    if (!s.Wert) {
        return {2, s.Grund, {}, {}};
    }
    blatt.Titel = "Stutzen " + stutzen->Name + " auf " + haupt->Name;
    blatt.Gruppen.push_back({"Auswahl",
                             {},
                             {Zeile("Stutzen " + stutzen->Name + ", Außendm.",
                                    Mm_Text(m.Da_Stutzen), "mm", stutzen->Datei),
                              Zeile("Hauptrohr " + haupt->Name + ", Außendm.",
                                    Mm_Text(m.Da_Hauptrohr), "mm", haupt->Datei),
                              Zeile("Winkel", Mm_Text(m.Winkel), "°"),
                              Zeile("Außermitte", Mm_Text(m.Aussermitte), "mm"),
                              Zeile("Teilung", std::to_string(m.Teilung), ""),
                              Zeile("Abwicklung", Mm_Text(s.Wert->Schablone.Laenge), "mm")}});
    blatt.Gruppen.push_back(Ordinatengruppe(s.Wert->Schablone));
    return {0, {}, std::move(blatt), Stutzen_zeichnungen(*s.Wert, {stutzen->Name, haupt->Name})};
}

Schablonenlauf Bogenlauf(Mainform& f, const Schablonenauftrag& a, Massblatt blatt) {
    std::string meldung;
    const auto rohr = Rohrgroesse_lesen(f, a.Groesse, meldung);
    if (!rohr) {
        return {2, meldung, {}, {}};
    }
    const auto radius = Lies_Zahl_streng(rohr->Radius);
    if (!a.Radius && !radius) {
        return {2, "Radius fehlt: --radius angeben", {}, {}};
    }
    const Segmentmasse m{rohr->Da, a.Radius.value_or(radius ? static_cast<double>(*radius) : 0),
                         a.Winkel.value_or(90), a.Teile, a.Teilung};
    const auto b = Segmentbogen_berechnen(m);
    if (!b.Wert) {
        return {2, b.Grund, {}, {}};
    }
    blatt.Titel = "Segmentbogen " + rohr->Name;
    Blattgruppe auswahl{"Auswahl",
                        {},
                        {Zeile(rohr->Name + ", Außendm.", Mm_Text(m.Da), "mm", rohr->Datei),
                         Zeile("Radius", Mm_Text(m.Radius), "mm"),
                         Zeile("Winkel", Mm_Text(m.Winkel), "°"),
                         Zeile("Teile", std::to_string(m.Teile), ""),
                         Zeile("Schnittwinkel", Mm_Text(b.Wert->Schnittwinkel), "°"),
                         Zeile("Teilung", std::to_string(m.Teilung), "")}};
    Blattgruppe stuecke{"Stücke", {}, {}};
    for (size_t i = 0; i < b.Wert->Stuecke.size(); ++i) {
        const Segmentstueck& s = b.Wert->Stuecke[i];
        const std::string name = "Stück " + std::to_string(i + 1) + (s.Halb ? " (End)" : "");
        stuecke.Zeilen.push_back(Zeile(name + " Rücken", Mm_Text(s.Ruecken), "mm"));
        stuecke.Zeilen.push_back(Zeile(name + " Mitte", Mm_Text(s.Mitte), "mm"));
        stuecke.Zeilen.push_back(Zeile(name + " Kehle", Mm_Text(s.Kehle), "mm"));
    }
    blatt.Gruppen = {std::move(auswahl), std::move(stuecke), Ordinatengruppe(b.Wert->Schablone)};
    return {0, {}, std::move(blatt), Segmentbogen_zeichnungen(*b.Wert, rohr->Name)};
}

} // namespace

std::optional<Rohrgroesse> Rohrgroesse_lesen(Mainform& f, const std::string& text,
                                             std::string& meldung) {
    if (const auto da = Lies_Zahl_streng(text)) {
        return Rohrgroesse{"Da " + text, static_cast<double>(*da), {}, {}};
    }
    const Suchantwort antwort = Suche_ausfuehren(f, text);
    if (!antwort.Erkannt || antwort.Seite == "TS_Profile") {
        meldung =
            antwort.Meldung.empty() ? "\"" + text + "\" ist keine Rohrgröße" : antwort.Meldung;
        return std::nullopt;
    }
    const auto da = Lies_Zahl_streng(f.maske.E_DA1.Text);
    if (!da) {
        meldung = "\"" + text + "\": kein Außendurchmesser in der Rohrtabelle";
        return std::nullopt;
    }
    const bool ansi = f.maske.RB_ANSI_Rohr.Checked;
    return Rohrgroesse{(ansi ? "NPS " : "") + f.maske.LB_AD1.Auswahltext(),
                       static_cast<double>(*da), Datenquelle(f, "E_DA1"),
                       f.maske.E_Radius_Bogen.Text};
}

Schablonenlauf Schablone_fuer_Auftrag(Stille_Umgebung& plattform, const std::string& programmordner,
                                      const Schablonenauftrag& auftrag, const std::string& datum) {
    auto f = std::make_unique<Mainform>(plattform, programmordner, '.');
    FormCreate(*f);
    FormActivate(*f);
    if (!plattform.Meldungen.empty()) {
        return {1, plattform.Meldungen.front(), {}, {}};
    }
    Massblatt blatt{{}, Versionstext(), datum, {}};
    return auftrag.Segmentbogen ? Bogenlauf(*f, auftrag, std::move(blatt))
                                : Stutzenlauf(*f, auftrag, std::move(blatt));
}

} // namespace pelmark
