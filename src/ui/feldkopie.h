#pragma once
// Copying a value field with its caption: Ctrl+C on a value field of the
// dimension pages, and an entry of its context menu, put "caption: value
// unit" on the clipboard ("Blattdm.: 220 mm"). Caption and unit come from
// the core, from the same rows the sheet uses.

#include "form/mainform.h"

#include <QObject>

class QWidget;

namespace pelmark::ui {

class Feldkopie : public QObject {
  public:
    // Watches every line edit below wurzel that the sheet knows.
    Feldkopie(const Mainform& form, QWidget* wurzel);
    // The same for a page built later.
    void Beobachte(QWidget* wurzel);

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void Kopiere(const QObject* feld) const;

    const Mainform& form_;
};

} // namespace pelmark::ui
