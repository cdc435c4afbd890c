#pragma once
// An information window: its document as text and one closing button.

#include "form/steuerelemente.h"

#include <QDialog>

class QTextBrowser;
class QPushButton;

namespace pelmark::ui {

class Infodialog : public QDialog {
  public:
    Infodialog(QWidget* eltern, Infofenster& fenster, const QString& titel,
               const QString& knopftext, QSize groesse);

    // Shows the text the activation loaded.
    void Zeige_Text();
    Infofenster& Fenster() { return fenster_; }

  private:
    Infofenster& fenster_;
    QTextBrowser* text_;
};

} // namespace pelmark::ui
