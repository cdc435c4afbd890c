#include "web/json.h"

#include <cstdio>

namespace pelmark::web {

std::string Json_Text(const std::string& text) {
    std::string aus = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            aus += "\\\"";
            break;
        case '\\':
            aus += "\\\\";
            break;
        case '\n':
            aus += "\\n";
            break;
        case '\r':
            aus += "\\r";
            break;
        case '\t':
            aus += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char puffer[8];
                std::snprintf(puffer, sizeof puffer, "\\u%04x", c);
                aus += puffer;
            } else {
                aus += c;
            }
        }
    }
    return aus + "\"";
}

std::string Json_Liste(const std::vector<std::string>& texte) {
    std::vector<std::string> werte;
    werte.reserve(texte.size());
    for (const auto& t : texte) {
        werte.push_back(Json_Text(t));
    }
    return Json_Feld(werte);
}

std::string Json_Feld(const std::vector<std::string>& werte) {
    std::string aus = "[";
    for (size_t i = 0; i < werte.size(); ++i) {
        aus += (i ? "," : "") + werte[i];
    }
    return aus + "]";
}

std::string Json_Objekt(const std::vector<std::pair<std::string, std::string>>& felder) {
    std::string aus = "{";
    for (size_t i = 0; i < felder.size(); ++i) {
        aus += (i ? "," : "") + Json_Text(felder[i].first) + ":" + felder[i].second;
    }
    return aus + "}";
}

} // namespace pelmark::web
