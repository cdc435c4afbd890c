#include "ui/seiten/seiten.h"

#include "form/maske.h"

#include <QVBoxLayout>
#include <QWidget>

namespace pelmark::ui {

namespace {
// The panel of each page, in tab order.
constexpr const char* Panels[10] = {
    "P_Rohre",       "P_Armaturen",  "P_Unterstuetzungen", "P_Profile1", "P_Grundeinstellungen",
    "P_Abstaende",   "P_Rohrdehnung", "P_Tabellen",        "P_Graphik",  "P_Massumwandlung",
};
} // namespace

QWidget* Baue_Seite(int index) {
    auto* seite = new QWidget;
    seite->setObjectName(QString::fromLatin1(Seiten[index].Name));
    auto* panel = new QWidget(seite);
    panel->setObjectName(QString::fromLatin1(Panels[index]));
    auto* anordnung = new QVBoxLayout(seite);
    anordnung->addWidget(panel);
    return seite;
}

} // namespace pelmark::ui
