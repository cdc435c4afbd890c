#pragma once
// The platform for the window: message boxes, themes, information windows,
// the picture dialog and the drive list, with Qt widgets.

#include "form/umgebung.h"

#include <functional>

class QWidget;

namespace pelmark::ui {

class Qt_Umgebung : public Umgebung {
  public:
    void Zeige_Meldung(Meldungsart art, const std::string& titel, const std::string& text) override;
    void Stil_anwenden(const std::string& name) override;
    void Zeige_Fenster(Infofenster& fenster, bool modal) override;
    void Schliesse_Fenster(Infofenster& fenster) override;
    std::optional<std::string> Datei_waehlen(const std::string& filter,
                                             const std::string& startordner) override;
    std::vector<std::string> Laufwerke() override;
    Antwort Frage(Frageart art, const std::string& titel, const std::string& text) override;

    // While the program is ended from outside nobody reads a box: messages
    // go to the standard error output instead.
    bool Ohne_Fenster = false;

    // The window that owns message boxes and dialogs.
    QWidget* Elternfenster = nullptr;
    // The main window shows and closes the information windows.
    std::function<void(Infofenster&, bool)> Bei_Fenster_zeigen;
    std::function<void(Infofenster&)> Bei_Fenster_schliessen;
};

} // namespace pelmark::ui
