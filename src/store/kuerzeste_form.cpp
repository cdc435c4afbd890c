#include "store/kuerzeste_form.h"

#include "store/grosszahl.h"

#define FMT_HEADER_ONLY
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pelmark {

namespace {

std::string Mit_Exponent(const std::string& ziffern, int exponent) {
    std::string text(1, ziffern[0]);
    if (ziffern.size() > 1) {
        text += '.';
        text.append(ziffern, 1);
    }
    text += exponent < 0 ? "e-" : "e+";
    const int betrag = std::abs(exponent);
    if (betrag < 10) {
        text += '0';
    }
    text += std::to_string(betrag);
    return text;
}

std::string Festkomma_Form(double wert, const std::string& ziffern, int exponent) {
    const auto n = static_cast<int>(ziffern.size());
    if (exponent < 0) {
        return "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + ziffern;
    }
    if (n <= exponent + 1) {
        // A whole number is written with its exact digits.
        return Ziffern_von(Auf_64_Bit(wert), exponent + 1).ziffern;
    }
    const auto vorkomma = static_cast<size_t>(exponent + 1);
    return ziffern.substr(0, vorkomma) + "." + ziffern.substr(vorkomma);
}

} // namespace

std::string Kuerzeste_Form(double wert) {
    if (std::isnan(wert)) {
        return std::signbit(wert) ? "-nan" : "nan";
    }
    if (std::isinf(wert)) {
        return wert < 0 ? "-inf" : "inf";
    }
    const std::string vorzeichen = std::signbit(wert) ? "-" : "";
    if (wert == 0) {
        return vorzeichen + "0";
    }
    // {fmt} gives the shortest digits, in fixed point or with an exponent.
    const std::string text = fmt::format("{}", std::fabs(wert));
    const auto pos_e = std::min(text.find('e'), text.size());
    const auto punkt = std::min(text.find('.'), pos_e);
    std::string ziffern;
    int exponent = static_cast<int>(punkt) - 1;
    for (size_t i = 0; i < pos_e; ++i) {
        if (text[i] == '.') {
            continue;
        }
        if (ziffern.empty() && text[i] == '0') {
            --exponent;
            continue;
        }
        ziffern += text[i];
    }
    while (ziffern.size() > 1 && ziffern.back() == '0') {
        ziffern.pop_back();
    }
    if (pos_e < text.size()) {
        exponent += std::atoi(text.c_str() + pos_e + 1);
    }
    const std::string fest = Festkomma_Form(std::fabs(wert), ziffern, exponent);
    const std::string mit_exponent = Mit_Exponent(ziffern, exponent);
    return vorzeichen + (mit_exponent.size() < fest.size() ? mit_exponent : fest);
}

} // namespace pelmark
