#pragma once
// Writes what the RTF reader finds as simple HTML: runs of formatted text,
// paragraphs with indents and spacing, and tables.

#include <set>
#include <string>
#include <vector>

namespace pelmark {

struct Zeichenformat {
    bool Fett = false;
    bool Kursiv = false;
    bool Unterstrichen = false;
    int Halbpunkte = 24;
    int Schrift = 0;
    bool operator==(const Zeichenformat&) const = default;
};

// Lengths in twips (1/20 point), as RTF gives them.
struct Absatzformat {
    int Links = 0;
    int Erste = 0;
    int Danach = 0;
    bool Zentriert = false;
    bool In_Tabelle = false;
};

class Html_Schreiber {
  public:
    Absatzformat Absatz;

    void Schriftname(int nummer, const std::string& text);
    void Feste_Schrift(int nummer) { feste_schriften_.insert(nummer); }
    void Text(const std::string& utf8, const Zeichenformat& format);
    void Absatzende();
    void Zellenende();
    void Zeilenende();
    std::string Ergebnis();

  private:
    void Lauf_schliessen();
    void Tabelle_schliessen();
    std::string Stil(const Zeichenformat& format) const;

    std::set<int> feste_schriften_;
    std::string schriftname_;
    std::string html_;
    std::string laufend_; // the current paragraph
    std::string zelle_;
    std::string zeile_;
    std::string tabelle_;
    bool lauf_offen_ = false;
    Zeichenformat lauf_format_;
};

// Plain lines as HTML paragraphs.
std::string Html_aus_Zeilen(const std::vector<std::string>& zeilen);

} // namespace pelmark
