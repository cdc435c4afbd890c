#include "ui/zugangsnamen.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>

#include <utility>

namespace pelmark::ui {

namespace {

// Controls the page shows without a caption of their own: the sketch says
// what they are, or their place does.
const std::pair<const char*, const char*> Ohne_Beschriftung[] = {
    {"DriveComboBox1", "Laufwerk"},
    {"DirectoryListBox1", "Ordner"},
    {"FileListBox1", "Tabellendateien"},
    {"SG_Tabellen", "Freie Tabelle"},
    {"E_Dehnung_L", "Länge L [m]"},
    {"E_Dehnung_DL", "Dehnung ΔL [mm]"},
    {"E_F_Dehnung", "Dehnkraft F [N]"},
    {"LB_PN1", "Nenndruck 1"},
    {"LB_PN2", "Nenndruck 2"},
    {"LB_Profil", "Profil"},
    {"LB_Massart", "Maßart"},
    {"LB_Quellmass", "Quellmaß"},
    {"LB_Zielmass", "Zielmaß"},
    {"E_Anz_Quellmass", "Anzahl Quellmaß"},
    {"E_Anz_Zielmass", "Anzahl Zielmaß"},
};

enum class Art { keine, beschriftung, anderes };

bool Ist_Einheit(const QString& text) {
    static const QRegularExpression einheit(QStringLiteral("^(\\[.*\\]|mm)$"));
    return einheit.match(text.trimmed()).hasMatch();
}

// What a layout item is for the search: a caption, another widget (which
// ends the search), or nothing that counts (units, value labels, empty).
Art Art_von(QLayoutItem* item, QString& text) {
    QWidget* w = item != nullptr ? item->widget() : nullptr;
    if (w == nullptr || w->isHidden()) {
        return Art::keine;
    }
    auto* label = qobject_cast<QLabel*>(w);
    if (label == nullptr) {
        return Art::anderes;
    }
    text = label->text().trimmed();
    if (text.isEmpty() || Ist_Einheit(text) ||
        label->objectName().startsWith(QLatin1String("L_"))) {
        return Art::keine;
    }
    return Art::beschriftung;
}

QString Ohne_Doppelpunkt(QString text) {
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text;
}

// The nearest caption from (zeile, spalte) in steps of (dz, ds) in a grid,
// past other fields: a table's row and column captions. A column's heading
// is bold; `nur_fett` takes no other.
QString Suche_im_Raster(QGridLayout* raster, int zeile, int spalte, int dz, int ds,
                        bool nur_fett = false) {
    for (int z = zeile + dz, s = spalte + ds; z >= 0 && s >= 0; z += dz, s += ds) {
        QString text;
        QLayoutItem* item = raster->itemAtPosition(z, s);
        if (Art_von(item, text) == Art::beschriftung &&
            (!nur_fett || item->widget()->font().bold())) {
            return text;
        }
    }
    return {};
}

QString Im_Raster(QGridLayout* raster, int index) {
    int zeile = 0;
    int spalte = 0;
    int zeilen = 0;
    int spalten = 0;
    raster->getItemPosition(index, &zeile, &spalte, &zeilen, &spalten);
    const QString links = Suche_im_Raster(raster, zeile, spalte, 0, -1);
    if (links.isEmpty()) {
        return Suche_im_Raster(raster, zeile, spalte, -1, 0);
    }
    const QString kopf = Suche_im_Raster(raster, zeile, spalte, -1, 0, true);
    if (kopf.isEmpty() || kopf == links) {
        return links;
    }
    return Ohne_Doppelpunkt(kopf) + QLatin1Char(' ') + links;
}

QString In_der_Reihe(QBoxLayout* reihe, int index) {
    for (int i = index - 1; i >= 0; --i) {
        QString text;
        switch (Art_von(reihe->itemAt(i), text)) {
        case Art::beschriftung:
            return text;
        case Art::anderes:
            return {};
        case Art::keine:
            break;
        }
    }
    return {};
}

// The layout below `layout` that holds `widget`, and its index there.
QLayout* Halter(QLayout* layout, QWidget* widget, int& index) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) {
            index = i;
            return layout;
        }
        if (item->layout() != nullptr) {
            if (QLayout* innen = Halter(item->layout(), widget, index)) {
                return innen;
            }
        }
    }
    return nullptr;
}

QString Beschriftung_neben(QWidget* widget) {
    QWidget* eltern = widget->parentWidget();
    if (eltern == nullptr || eltern->layout() == nullptr) {
        return {};
    }
    int index = -1;
    QLayout* layout = Halter(eltern->layout(), widget, index);
    if (auto* raster = qobject_cast<QGridLayout*>(layout)) {
        return Im_Raster(raster, index);
    }
    if (auto* reihe = qobject_cast<QBoxLayout*>(layout)) {
        return In_der_Reihe(reihe, index);
    }
    return {};
}

QString Zugangsname(QWidget* widget) {
    for (const auto& [name, text] : Ohne_Beschriftung) {
        if (widget->objectName() == QLatin1String(name)) {
            return QString::fromUtf8(text);
        }
    }
    // The field, then the strip or column that holds it, then theirs.
    QWidget* ort = widget;
    for (int tiefe = 0; tiefe < 3 && ort != nullptr; ++tiefe, ort = ort->parentWidget()) {
        if (qobject_cast<QGroupBox*>(ort) != nullptr && ort != widget) {
            break;
        }
        const QString text = Beschriftung_neben(ort);
        if (!text.isEmpty()) {
            return Ohne_Doppelpunkt(text);
        }
    }
    if (auto* feld = qobject_cast<QLineEdit*>(widget); feld && !feld->placeholderText().isEmpty()) {
        return feld->placeholderText();
    }
    // A text that fills a window of its own: the window's title.
    const bool fuellt_fenster = qobject_cast<QTextEdit*>(widget) != nullptr ||
                                qobject_cast<QPlainTextEdit*>(widget) != nullptr;
    return widget->toolTip().isEmpty() && fuellt_fenster ? widget->window()->windowTitle()
                                                         : widget->toolTip();
}

bool Braucht_Namen(QWidget* widget) {
    return qobject_cast<QLineEdit*>(widget) != nullptr ||
           qobject_cast<QComboBox*>(widget) != nullptr ||
           qobject_cast<QTextEdit*>(widget) != nullptr ||
           qobject_cast<QPlainTextEdit*>(widget) != nullptr ||
           (qobject_cast<QAbstractItemView*>(widget) != nullptr &&
            qobject_cast<QComboBox*>(widget->parentWidget()) == nullptr);
}

} // namespace

void Zugangsnamen_setzen(QWidget* wurzel) {
    for (QWidget* widget : wurzel->findChildren<QWidget*>()) {
        if (Braucht_Namen(widget) && widget->accessibleName().isEmpty() &&
            !widget->objectName().isEmpty()) {
            widget->setAccessibleName(Zugangsname(widget));
        }
        // A drop-down list's own list, and its text field where it takes
        // typing, are read as it.
        if (auto* wahl = qobject_cast<QComboBox*>(widget)) {
            wahl->view()->setAccessibleName(wahl->accessibleName());
            if (wahl->lineEdit() != nullptr) {
                wahl->lineEdit()->setAccessibleName(wahl->accessibleName());
            }
        }
    }
}

} // namespace pelmark::ui
