#pragma once
// The narrow interface to the platform: message boxes, the look of a visual
// style, information windows, the picture dialog and the drive list. The Qt
// layer implements it with widgets; the scenario runner and the tests with a
// recorder.

#include <optional>
#include <string>
#include <vector>

namespace pelmark {

struct Infofenster;

enum class Meldungsart { fehler, warnung, information, hinweis };

// The questions the program asks before it does something that could lose
// the fitter's work, each with three answers.
enum class Frageart {
    aenderungen_sichern, // unsaved edits of a free table: save, discard, cancel
    wiederherstellen,    // edits kept at the last end: restore, discard, later
};
enum class Antwort { ja, nein, abbrechen };

// The captions of the three answers of a question, in the order ja, nein, abbrechen.
struct Antworttexte {
    const char* Ja;
    const char* Nein;
    const char* Abbrechen;
};
inline Antworttexte Knopftexte(Frageart art) {
    return art == Frageart::aenderungen_sichern
               ? Antworttexte{"Speichern", "Verwerfen", "Abbrechen"}
               : Antworttexte{"Wiederherstellen", "Verwerfen", "Später"};
}

class Umgebung {
  public:
    virtual ~Umgebung() = default;

    // Shows a message box with one button (OK, or "&Schließen" for style errors).
    virtual void Zeige_Meldung(Meldungsart art, const std::string& titel,
                               const std::string& text) = 0;

    // Gives every window the look of the style of that catalogue name.
    virtual void Stil_anwenden(const std::string& name) = 0;

    // Shows an information window (modal or not) or closes it.
    virtual void Zeige_Fenster(Infofenster& fenster, bool modal) = 0;
    virtual void Schliesse_Fenster(Infofenster& fenster) = 0;

    // The picture-open dialog: the chosen file's full path, or nothing when cancelled.
    virtual std::optional<std::string> Datei_waehlen(const std::string& filter,
                                                     const std::string& startordner) = 0;

    // The drives of the drive list (on Linux the root and the mounted places).
    virtual std::vector<std::string> Laufwerke() = 0;

    // Asks a question with the three answers of its kind and waits for one.
    // A platform that cannot ask cancels, so nothing is dropped.
    virtual Antwort Frage(Frageart, const std::string& /*titel*/, const std::string& /*text*/) {
        return Antwort::abbrechen;
    }
};

} // namespace pelmark
