#pragma once
// The sheet's window: the sheet as text, with printing through the system's
// print dialog, saving as PDF or as free table, and copying it all.

#include "app/massblatt.h"

#include <QDialog>

class QPushButton;

namespace pelmark::ui {

class Massblattdialog : public QDialog {
  public:
    Massblattdialog(Massblatt blatt, QWidget* eltern);

  private:
    void Drucken();
    void Als_pdf();
    void Als_csv();

    Massblatt blatt_;
};

// The "Maßblatt" button of a dimension page, named B_Massblatt_<page>.
QPushButton* Massblatt_knopf(const char* seite, QWidget* eltern);

} // namespace pelmark::ui
