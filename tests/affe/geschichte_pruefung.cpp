#include "affe/geschichte_pruefung.h"

#include "szenario/geschichte_lauf.h"
#include "szenario/zufallsaktionen.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <sstream>

namespace pelmark::affe {

namespace {

// "tippe NAME (…)", "liste NAME 3", "klick NAME": the second word.
std::string Zweites_Wort(const std::string& was) {
    std::istringstream woerter(was);
    std::string verb;
    std::string name;
    woerter >> verb >> name;
    return name;
}

void Sende_Fokusverlust(QWidget& w) {
    QFocusEvent verlust(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&w, &verlust);
}

} // namespace

void Geschichtspruefung::Nach_Aktion(const std::string& was) {
    const std::string name = Zweites_Wort(was);
    if (was.rfind("tippe ", 0) == 0) {
        eingaben_.Getippt(name, "");
        if (std::find(getippt_.begin(), getippt_.end(), name) == getippt_.end()) {
            getippt_.push_back(name);
        }
        if (was.size() >= 6 && was.compare(was.size() - 6, 6, "Return") == 0) {
            eingaben_.Enter(name);
        }
    }
    // The same actions as script lines, for the list of what is left out.
    const std::string zeile = was.rfind("liste ", 0) == 0   ? "waehle " + was.substr(6)
                              : was.rfind("tippe ", 0) == 0 ? "setze " + name + " 0"
                                                            : was;
    ausgeschlossen_ = ausgeschlossen_ || Ausgeschlossen(zeile);
}

void Geschichtspruefung::Neustart() {
    eingaben_.Neustart();
    getippt_.clear();
    ausgeschlossen_ = false;
}

bool Geschichtspruefung::Pruefbar(const Mainform& f) const {
    if (ausgeschlossen_ || QApplication::activeModalWidget() != nullptr) {
        return false;
    }
    for (const auto& [name, text] : eingaben_.Eingaben(f)) {
        if (Schlechter_Text(text)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> Geschichtspruefung::Pruefe(QWidget& fenster, const Mainform& f) {
    for (const std::string& name : getippt_) {
        auto* feld = fenster.findChild<QLineEdit*>(QString::fromStdString(name));
        if (feld == nullptr || feld->isReadOnly()) {
            continue;
        }
        if (eingaben_.Ohne_Enter(name)) {
            QTest::keyClick(feld, Qt::Key_Return);
            eingaben_.Enter(name);
        }
        Sende_Fokusverlust(*feld);
    }
    if (auto* gitter = fenster.findChild<QWidget*>(QStringLiteral("SG_Material"))) {
        Sende_Fokusverlust(*gitter);
    }
    std::vector<std::string> frischstart;
    auto unterschiede =
        Vergleiche_mit_Frischstart(f, eingaben_, programm_, dezimal_, frischstart, false);
    if (!unterschiede.empty()) {
        unterschiede.insert(
            unterschiede.begin(), "Frischer Start: " + [&] {
                std::string zeilen;
                for (const auto& zeile : frischstart) {
                    zeilen += zeile + "; ";
                }
                return zeilen;
            }());
    }
    return unterschiede;
}

} // namespace pelmark::affe
