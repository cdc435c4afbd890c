#include "media/rtf_html.h"

namespace pelmark {

namespace {

void Haenge_maskiert_an(std::string& ziel, const std::string& text) {
    for (char c : text) {
        switch (c) {
        case '&':
            ziel += "&amp;";
            break;
        case '<':
            ziel += "&lt;";
            break;
        case '>':
            ziel += "&gt;";
            break;
        case '\t':
            ziel += "&emsp;";
            break;
        default:
            ziel += c;
        }
    }
}

std::string Punkte(int twips) {
    return std::to_string(twips / 20.0).substr(0, 5) + "pt";
}

} // namespace

void Html_Schreiber::Schriftname(int nummer, const std::string& text) {
    if (text == ";") {
        if (schriftname_.find("Courier") != std::string::npos) {
            feste_schriften_.insert(nummer);
        }
        schriftname_.clear();
    } else {
        schriftname_ += text;
    }
}

std::string Html_Schreiber::Stil(const Zeichenformat& f) const {
    std::string stil =
        "font-size:" + std::to_string(f.Halbpunkte / 2) + (f.Halbpunkte % 2 ? ".5" : "") + "pt;";
    if (f.Fett) {
        stil += "font-weight:bold;";
    }
    if (f.Kursiv) {
        stil += "font-style:italic;";
    }
    if (f.Unterstrichen) {
        stil += "text-decoration:underline;";
    }
    if (feste_schriften_.count(f.Schrift) != 0) {
        stil += "font-family:'Courier New',monospace;";
    }
    return stil;
}

void Html_Schreiber::Text(const std::string& utf8, const Zeichenformat& format) {
    if (!lauf_offen_ || !(format == lauf_format_)) {
        Lauf_schliessen();
        laufend_ += "<span style=\"" + Stil(format) + "\">";
        lauf_offen_ = true;
        lauf_format_ = format;
    }
    Haenge_maskiert_an(laufend_, utf8);
}

void Html_Schreiber::Lauf_schliessen() {
    if (lauf_offen_) {
        laufend_ += "</span>";
        lauf_offen_ = false;
    }
}

void Html_Schreiber::Tabelle_schliessen() {
    if (!tabelle_.empty()) {
        html_ +=
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">" + tabelle_ + "</table>\n";
        tabelle_.clear();
    }
}

void Html_Schreiber::Absatzende() {
    Lauf_schliessen();
    if (Absatz.In_Tabelle) {
        zelle_ += laufend_ + "<br>";
        laufend_.clear();
        return;
    }
    Tabelle_schliessen();
    html_ += "<p style=\"margin-top:0;margin-bottom:" + Punkte(Absatz.Danach) +
             ";margin-left:" + Punkte(Absatz.Links) + ";text-indent:" + Punkte(Absatz.Erste) +
             (Absatz.Zentriert ? ";text-align:center" : "") + "\">" + laufend_ + "</p>\n";
    laufend_.clear();
}

void Html_Schreiber::Zellenende() {
    Lauf_schliessen();
    zeile_ += "<td>" + zelle_ + laufend_ + "</td>";
    zelle_.clear();
    laufend_.clear();
}

void Html_Schreiber::Zeilenende() {
    tabelle_ += "<tr>" + zeile_ + "</tr>";
    zeile_.clear();
}

std::string Html_Schreiber::Ergebnis() {
    Lauf_schliessen();
    if (!laufend_.empty()) {
        Absatz.In_Tabelle = false;
        Absatzende();
    }
    Tabelle_schliessen();
    return html_;
}

std::string Html_aus_Zeilen(const std::vector<std::string>& zeilen) {
    std::string html;
    for (const auto& zeile : zeilen) {
        html += "<p>";
        Haenge_maskiert_an(html, zeile);
        html += "</p>\n";
    }
    return html;
}

} // namespace pelmark
