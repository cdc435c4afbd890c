#pragma once
// One line of a scenario script, and the small readings the verbs share.

#include "form/mainform.h"

#include <optional>
#include <string>

namespace pelmark {

struct Skriptfehler {
    std::string Text;
};

struct Skriptzeile {
    std::string Verb;
    std::string Rest; // everything after the verb and its blank
    std::string Name; // the second word
    std::string Text; // everything after the name and its blank
};

// Nothing for blank lines and comments.
std::optional<Skriptzeile> Zerlege_Skriptzeile(std::string zeile);

// A non-negative whole number, or a script error.
int Lies_Index(const std::string& text);

std::string Hex_zu_Bytes(const std::string& hex);
std::string Bytes_zu_Hex(const std::string& bytes);

// The index of the first entry of a list whose text equals text.
int Index_von_Text(const Mainform& f, const std::string& name, const std::string& text);

// "SPALTE ZEILE TEXT": the user edits a cell of an editable grid.
void Setze_Zelle(Mainform& f, const std::string& name, const std::string& argument);

} // namespace pelmark
