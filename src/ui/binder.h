#pragma once
// The one binder between the form model and the widgets: every widget whose
// object name is a control name is bound to that field. Before a handler runs
// it copies what the user can change into the model; afterwards it writes the
// model back into the widgets with their signals blocked. It also turns the
// widgets' signals into the events of the event table.

#include "app/ereignisse.h"

#include <QObject>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QWidget;

namespace pelmark::ui {

class Binder : public QObject {
  public:
    using Ausloeser = std::function<void(const std::string& name, Ereignis art, int taste)>;

    Binder(Maske& maske, QWidget* wurzel, Ausloeser ausloeser);

    // What a field's tooltip says about its value; the binder shows it on hover
    // beside the widget's own tooltip.
    using Quellenleser = std::function<std::vector<std::string>(const Edit& feld)>;
    void Setze_Quellenleser(Quellenleser leser) { quellen_ = std::move(leser); }

    // Binds the named widgets below wurzel that are not bound yet: a page
    // built after the window binds to the same model. Only the widgets of
    // the binder's own window are bound: another window below it (an
    // information window with its own "BitBtn1") wires its controls itself.
    void Binde(QWidget* wurzel);

    void Widgets_zu_Modell();
    void Modell_zu_Widgets();

    // The widget bound to a control name, or nullptr.
    QWidget* Widget(const std::string& name) const;

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void Verbinde(const std::string& name, QWidget* widget, const Feldzeiger& feld);

    Maske& maske_;
    QWidget* fenster_; // the window whose controls this binder binds
    Ausloeser ausloeser_;
    bool Zeige_Quelle(QObject* objekt, QEvent* ereignis);

    std::map<std::string, QWidget*> widgets_;
    Quellenleser quellen_;
};

// The key code the handlers see for a Qt key (13 for Enter).
int Tastencode(int qt_taste);

} // namespace pelmark::ui
