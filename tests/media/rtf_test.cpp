// The RTF reader: plain paragraphs for the scenario states, and HTML with the
// formatting, paragraphs and tables for the information windows.
#include "media/rtf.h"

#include <gtest/gtest.h>

namespace pelmark {
namespace {

TEST(Rtf_lesen, Absaetze_und_Zeichen) {
    const struct {
        const char* Name;
        const char* Rtf;
        std::vector<std::string> Absaetze;
    } faelle[] = {
        {"Schrifttabelle verborgen",
         R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}\f0 Hallo\par Welt\par})",
         {"Hallo", "Welt"}},
        {"Windows-1252 und Unicode", R"({\rtf1 Gr\'f6\'dfe \u8364? Ende})", {"Größe € Ende"}},
        {"Maskierte Zeichen", R"({\rtf1 a\{b\}c\\d})", {"a{b}c\\d"}},
        {"Sternziel", R"({\rtf1{\*\generator X;}Text})", {"Text"}},
        {"Tabellenzeile",
         R"({\rtf1\trowd\cellx100\cellx200\pard\intbl a\cell b\cell\row})",
         {"a\tb\t"}},
        {"kein RTF", "Zeile 1\r\nZeile 2", {"Zeile 1", "Zeile 2"}},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(Rtf_lesen(fall.Rtf).Absaetze, fall.Absaetze) << fall.Name;
    }
}

TEST(Rtf_lesen, Html_mit_Format_und_Tabelle) {
    const std::string html =
        Rtf_lesen(
            R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})"
            R"(\pard\sa120\qc\fs32\b Titel <1>\b0\fs20\par)"
            R"(\pard\li720 eingezogen\par)"
            R"(\f1\trowd\cellx100\cellx200\pard\intbl\b Kopf\b0\cell\pard\intbl x & y\cell\row)"
            R"(\pard\f0 danach\par})")
            .Html;
    EXPECT_NE(html.find("text-align:center"), std::string::npos) << html;
    EXPECT_NE(html.find("font-size:16pt;font-weight:bold;\">Titel &lt;1&gt;</span>"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("margin-left:36.00pt"), std::string::npos) << html;
    EXPECT_NE(html.find("<tr><td><span style=\"font-size:10pt;font-weight:bold;font-family:"
                        "'Courier New',monospace;\">Kopf</span></td>"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("x &amp; y"), std::string::npos) << html;
    // The table closes before the next ordinary paragraph.
    EXPECT_LT(html.find("</table>"), html.find("danach")) << html;
}

} // namespace
} // namespace pelmark
