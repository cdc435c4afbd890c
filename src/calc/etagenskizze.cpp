#include "calc/etagenskizze.h"

namespace pelmark {

namespace {

std::string Xml(const std::string& text) {
    std::string aus;
    for (const char c : text) {
        switch (c) {
        case '&':
            aus += "&amp;";
            break;
        case '<':
            aus += "&lt;";
            break;
        case '>':
            aus += "&gt;";
            break;
        case '"':
            aus += "&quot;";
            break;
        default:
            aus += c;
        }
    }
    return aus;
}

std::string Text(int x, int y, const std::string& inhalt, const char* anker = "middle") {
    return "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" text-anchor=\"" +
           anker + "\">" + Xml(inhalt) + "</text>\n";
}

std::string Linie(int x1, int y1, int x2, int y2, const char* art) {
    return "<line x1=\"" + std::to_string(x1) + "\" y1=\"" + std::to_string(y1) + "\" x2=\"" +
           std::to_string(x2) + "\" y2=\"" + std::to_string(y2) + "\" class=\"" + art + "\"/>\n";
}

// "name = value", or the name alone while there is no value to write.
std::string Mit_Wert(const std::string& name, const std::string& wert, const char* zwischen) {
    return wert.empty() ? name : name + zwischen + wert;
}

} // namespace

std::string Etagenskizze_svg(const Skizzentexte& t) {
    // Lower run ends in the first elbow at (130, 200), the upper run starts at
    // the second elbow at (270, 60): a travel of 45°.
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"260\" "
                    "viewBox=\"0 0 400 260\" font-family=\"DejaVu Sans, Arial, sans-serif\" "
                    "font-size=\"12\">\n"
                    "<style>.rohr{stroke:#555;stroke-width:9;stroke-linecap:round}"
                    ".schnitt{stroke:#c00;stroke-width:9}"
                    ".mass{stroke:#000;stroke-width:1}.hilf{stroke:#888;stroke-width:0.7;"
                    "stroke-dasharray:4 3}</style>\n"
                    "<rect width=\"400\" height=\"260\" fill=\"#fff\"/>\n";
    s += Linie(20, 200, 130, 200, "rohr");
    s += Linie(130, 200, 270, 60, "rohr");
    s += Linie(270, 60, 380, 60, "rohr");
    // The piece to cut lies between the two take-outs.
    s += Linie(152, 178, 248, 82, "schnitt");
    s += "<circle cx=\"130\" cy=\"200\" r=\"3\"/><circle cx=\"270\" cy=\"60\" r=\"3\"/>\n";
    // Offset on the right, run below, travel along the pipe.
    s += Linie(270, 60, 310, 60, "hilf") + Linie(130, 200, 310, 200, "hilf");
    s += Linie(300, 60, 300, 200, "mass");
    s += Text(306, 134, Mit_Wert("H", t.Versatz, " = "), "start");
    s += Linie(130, 200, 130, 240, "hilf") + Linie(270, 60, 270, 240, "hilf");
    s += Linie(130, 232, 270, 232, "mass");
    s += Text(200, 250, Mit_Wert("Lauf", t.Lauf, " "));
    s += Text(175, 120, Mit_Wert("Schräglänge", t.Schraeglaenge, " "), "end");
    s += Text(225, 150, Mit_Wert("Zuschnitt", t.Zuschnitt, " "), "start");
    s += Text(70, 190, Mit_Wert("α", t.Winkel, " = "));
    s += Text(130, 222, Mit_Wert("L(α)", t.Abzug, " "), "end");
    s += Text(270, 45, Mit_Wert("L(α)", t.Abzug, " "));
    return s + "</svg>\n";
}

} // namespace pelmark
