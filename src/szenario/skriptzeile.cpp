#include "szenario/skriptzeile.h"

#include <charconv>

namespace pelmark {

std::optional<Skriptzeile> Zerlege_Skriptzeile(std::string zeile) {
    if (!zeile.empty() && zeile.back() == '\r') {
        zeile.pop_back();
    }
    const auto anfang = zeile.find_first_not_of(" \t");
    if (anfang == std::string::npos || zeile[anfang] == '#') {
        return std::nullopt;
    }
    zeile.erase(0, anfang);
    Skriptzeile z;
    const auto leer = zeile.find(' ');
    z.Verb = zeile.substr(0, leer);
    z.Rest = leer == std::string::npos ? "" : zeile.substr(leer + 1);
    const auto leer2 = z.Rest.find(' ');
    z.Name = z.Rest.substr(0, leer2);
    z.Text = leer2 == std::string::npos ? "" : z.Rest.substr(leer2 + 1);
    return z;
}

int Lies_Index(const std::string& text) {
    int wert = -1;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size() || wert < 0) {
        throw Skriptfehler{"«" + text + "» ist keine Zahl ab 0"};
    }
    return wert;
}

std::string Hex_zu_Bytes(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        int wert = 0;
        const auto [ende, fehler] = std::from_chars(hex.data() + i, hex.data() + i + 2, wert, 16);
        if (fehler != std::errc() || ende != hex.data() + i + 2) {
            throw Skriptfehler{"ungültige Hexadezimalfolge"};
        }
        bytes += static_cast<char>(wert);
    }
    if (hex.size() % 2 != 0) {
        throw Skriptfehler{"ungültige Hexadezimalfolge"};
    }
    return bytes;
}

std::string Bytes_zu_Hex(const std::string& bytes) {
    static const char ziffern[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += ziffern[b >> 4];
        hex += ziffern[b & 15];
    }
    return hex;
}

int Index_von_Text(const Mainform& f, const std::string& name, const std::string& text) {
    const Feldzeiger* feld = f.maske.Finde(name);
    const std::vector<std::string>* eintraege = nullptr;
    if (feld) {
        if (auto* l = std::get_if<Liste*>(feld)) {
            eintraege = &(*l)->Items;
        } else if (auto* o = std::get_if<Ordnerliste*>(feld)) {
            eintraege = &(*o)->Items;
        }
    }
    if (!eintraege) {
        throw Skriptfehler{"«" + name + "» ist keine Liste"};
    }
    for (size_t i = 0; i < eintraege->size(); ++i) {
        if ((*eintraege)[i] == text) {
            return static_cast<int>(i);
        }
    }
    throw Skriptfehler{"«" + name + "» hat keinen Eintrag «" + text + "»"};
}

void Setze_Zelle(Mainform& f, const std::string& name, const std::string& argument) {
    const Feldzeiger* feld = f.maske.Finde(name);
    Gitter* gitter =
        feld ? (std::get_if<Gitter*>(feld) ? *std::get_if<Gitter*>(feld) : nullptr) : nullptr;
    if (!gitter) {
        throw Skriptfehler{"«" + name + "» ist kein Gitter"};
    }
    const auto leer1 = argument.find(' ');
    const auto leer2 = leer1 == std::string::npos ? leer1 : argument.find(' ', leer1 + 1);
    const int spalte = Lies_Index(argument.substr(0, leer1));
    const int zeile =
        Lies_Index(leer1 == std::string::npos ? "" : argument.substr(leer1 + 1, leer2 - leer1 - 1));
    const std::string text = leer2 == std::string::npos ? "" : argument.substr(leer2 + 1);
    auto& g = gitter->Grid;
    if (!g.Editierbar) {
        throw Skriptfehler{"«" + name + "» lässt keine Eingabe zu"};
    }
    if (spalte >= g.ColCount() || zeile >= g.RowCount() || zeile < g.FixedRows) {
        throw Skriptfehler{"Zelle außerhalb des Gitters"};
    }
    g.SetCell(spalte, zeile, text);
}

} // namespace pelmark
