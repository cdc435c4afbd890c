#include "store/text.h"

#include <algorithm>

namespace pelmark {

void CSV_Stringtrennung(std::string_view Gesammtstring, int Anzahl, Stringarray& Stringarray) {
    for (int i = 0; i <= 50; ++i) {
        Stringarray[i].clear();
    }
    const int gesucht = std::clamp(Anzahl, 1, 51);
    std::string_view rest = Gesammtstring;
    int feld = 0;
    // The text is read as if one ";" were appended, so the last field always closes.
    while (feld < gesucht) {
        const auto pos = rest.find(';');
        if (pos == std::string_view::npos) {
            Stringarray[feld] = std::string(rest);
            return;
        }
        Stringarray[feld] = std::string(rest.substr(0, pos));
        rest.remove_prefix(pos + 1);
        ++feld;
    }
}

int Anz_CSV_Spalten(std::string_view text) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), ';'));
}

std::string Komma_zu_Punkt(std::string_view text) {
    std::string ergebnis(text);
    std::replace(ergebnis.begin(), ergebnis.end(), ',', '.');
    return ergebnis;
}

std::string Kommentar_ausblenden(std::string_view text) {
    const auto pos = text.find('(');
    return std::string(pos == std::string_view::npos ? text : text.substr(0, pos));
}

} // namespace pelmark
