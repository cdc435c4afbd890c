#pragma once
// Small JSON writers for the browser edition's answers: texts are escaped,
// objects and arrays are put together from already written parts.

#include <string>
#include <utility>
#include <vector>

namespace pelmark::web {

std::string Json_Text(const std::string& text);
// An array of texts.
std::string Json_Liste(const std::vector<std::string>& texte);
// An array of written JSON values.
std::string Json_Feld(const std::vector<std::string>& werte);
// An object of names and written JSON values.
std::string Json_Objekt(const std::vector<std::pair<std::string, std::string>>& felder);

} // namespace pelmark::web
