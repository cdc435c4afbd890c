#pragma once
// The one error type of the core. It carries the message text the user sees
// in the error box; a handler that meets it ends at that point.

#include <stdexcept>
#include <string>

namespace pelmark {

class Fehler : public std::runtime_error {
  public:
    explicit Fehler(const std::string& meldung) : std::runtime_error(meldung) {}
};

// The system's own message texts.
namespace meldung {
inline constexpr const char* Bereichspruefung = "Fehler bei Bereichsprüfung";
inline constexpr const char* Division_durch_Null = "Gleitkommadivision durch Null";
inline constexpr const char* Ungueltige_Operation = "Ungültige Gleitkommaoperation";
inline constexpr const char* Ueberlauf = "Gleitkommaüberlauf";

std::string Kein_Gleitkommawert(const std::string& text);
std::string Datei_nicht_offen(const std::string& pfad, const std::string& grund);
std::string Listenindex(long index);
} // namespace meldung

[[noreturn]] void Bereichsfehler();

} // namespace pelmark
