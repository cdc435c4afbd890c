#include "ui/seiten/b_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pelmark::ui {

namespace {

using namespace hilfen_b;

// Drive, folder and file lists, one under the other.
QWidget* Dateiwahl(QWidget* eltern) {
    auto* spalte = new QWidget(eltern);
    auto* anordnung = new QVBoxLayout(spalte);
    anordnung->setContentsMargins(0, 0, 0, 0);
    auto* laufwerk = new QComboBox(spalte);
    laufwerk->setObjectName(QStringLiteral("DriveComboBox1"));
    anordnung->addWidget(laufwerk);
    anordnung->addWidget(Liste("DirectoryListBox1", spalte), 1);
    anordnung->addWidget(Liste("FileListBox1", spalte), 2);
    spalte->setFixedWidth(230);
    return spalte;
}

// The free table; the binder sets the widths, the heading row and whether
// cells can be edited. Its header resizes the columns by dragging.
QTableWidget* Tabellengitter(QWidget* eltern) {
    auto* gitter = new QTableWidget(eltern);
    gitter->setObjectName(QStringLiteral("SG_Tabellen"));
    gitter->verticalHeader()->hide();
    gitter->verticalHeader()->setDefaultSectionSize(20);
    // A click on a heading sorts by that column (the main window passes it on).
    gitter->horizontalHeader()->setSectionsClickable(true);
    gitter->setSelectionMode(QAbstractItemView::ContiguousSelection);
    return gitter;
}

QWidget* Knopfleiste(QWidget* eltern) {
    auto* leiste = new QWidget(eltern);
    auto* raster = new QGridLayout(leiste);
    raster->setContentsMargins(0, 0, 0, 0);
    auto* edit = new QCheckBox(QStringLiteral("Editmodus"), leiste);
    edit->setObjectName(QStringLiteral("CB_Edit"));
    raster->addWidget(edit, 0, 0);
    raster->addWidget(Knopf("B_Speichern", leiste, QStringLiteral("Editierte Tabelle Speichern")),
                      0, 1);
    auto* hinweis =
        Titel(QStringLiteral("Achtung! Die erste Zeile im Editiermodus gibt die Spaltenbreite an"),
              leiste);
    hinweis->setObjectName(QStringLiteral("Label122"));
    raster->addWidget(hinweis, 0, 2);
    raster->setColumnStretch(3, 1);
    raster->addWidget(Knopf("BitBtn9", leiste), 0, 4);
    // Where the last save wrote the table.
    raster->addWidget(Beschriftung(QString(), leiste, "L_Gespeichert"), 1, 0, 1, 4);
    return leiste;
}

} // namespace

QWidget* Baue_Seite_Tabellen() {
    auto [seite, panel] = Neue_Seite("TS_Tabellen", "P_Tabellen");
    auto* raster = new QGridLayout(panel);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Dateiwahl(panel), 0, 0);
    raster->addWidget(Tabellengitter(panel), 0, 1);
    raster->setColumnStretch(1, 1);
    raster->addWidget(Knopfleiste(panel), 1, 0, 1, 2);
    return seite;
}

} // namespace pelmark::ui
