#pragma once
// Text files as the program sees them: a byte-order mark selects UTF-8 or
// UTF-16 (LE/BE), anything else is Windows-1252. Lines end at CR, LF or CR LF;
// a last line without line end still counts. Inside the program all text is
// UTF-8. Files the program writes go to a temporary file in the same folder
// that is then renamed over the old one, so a failed write leaves it whole.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmark {

using Zeilenliste = std::vector<std::string>;

// Decodes a file's bytes to UTF-8 text by its byte-order mark.
std::string Dekodiere_Text(std::string_view bytes);

// Splits decoded text into lines.
Zeilenliste Teile_Zeilen(std::string_view text);

// Reads a file into lines; throws Fehler "Datei %s kann nicht geöffnet werden. %s".
Zeilenliste Lies_Textdatei(const std::filesystem::path& pfad);

// Reads a whole file's bytes; throws the same error as Lies_Textdatei.
std::string Lies_Bytes(const std::filesystem::path& pfad);

std::string Windows1252_zu_Utf8(std::string_view bytes);

// True when every character of the UTF-8 text has a Windows-1252 code.
bool In_Windows1252_darstellbar(std::string_view utf8);

enum class Kodierung { Windows1252, Utf8_mit_BOM };

// Windows-1252 when every line fits it, else UTF-8 with a byte-order mark.
Kodierung Passende_Kodierung(const Zeilenliste& zeilen);

// Writes the lines, each ended by CR LF, through a temporary file that is
// renamed over the target. Throws Fehler with a clear message on failure;
// the old file then stays as it was.
void Schreibe_Textdatei(const std::filesystem::path& pfad, const Zeilenliste& zeilen,
                        Kodierung kodierung);

// Writes the bytes the same way: through a temporary file renamed over the
// target, mode 0644; on failure the target stays as it was.
void Schreibe_Bytes(const std::filesystem::path& pfad, std::string_view bytes);

// A readable reason for an errno value, in German.
std::string Systemgrund(int fehlernummer);

// Path as UTF-8 text.
std::string Pfadtext(const std::filesystem::path& pfad);

} // namespace pelmark
