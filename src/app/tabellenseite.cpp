#include "app/tabellenseite.h"

#include "app/handler.h"

namespace pelmark {

void Tabellenordner_setzen(Mainform& f, const std::string& ordner) {
    f.maske.DirectoryListBox1.Pfad = ordner;
}

void DriveComboBox1Change(Mainform&) {}
void DirectoryListBox1Change(Mainform&) {}
void FileListBox1Change(Mainform&) {}
void CB_EditClick(Mainform&) {}
void B_SpeichernClick(Mainform&) {}

} // namespace pelmark
