#include "ui/binder.h"

#include "ui/binder_werte.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolTip>

namespace pelmark::ui {

int Tastencode(int qt_taste) {
    if (qt_taste == Qt::Key_Return || qt_taste == Qt::Key_Enter) {
        return 13;
    }
    if ((qt_taste >= Qt::Key_0 && qt_taste <= Qt::Key_9) ||
        (qt_taste >= Qt::Key_A && qt_taste <= Qt::Key_Z) || qt_taste == Qt::Key_Space) {
        return qt_taste;
    }
    switch (qt_taste) {
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

Binder::Binder(Maske& maske, QWidget* wurzel, Ausloeser ausloeser)
    : QObject(wurzel), maske_(maske), fenster_(wurzel->window()), ausloeser_(std::move(ausloeser)) {
    Binde(wurzel);
}

void Binder::Binde(QWidget* wurzel) {
    for (auto* widget : wurzel->findChildren<QWidget*>()) {
        if (widget->window() != fenster_) {
            continue;
        }
        const std::string name = widget->objectName().toStdString();
        const Feldzeiger* feld = name.empty() ? nullptr : maske_.Finde(name);
        // The first widget of a name is the control; later ones stay unbound.
        if (feld != nullptr && widgets_.emplace(name, widget).second) {
            Verbinde(name, widget, *feld);
        }
    }
}

QWidget* Binder::Widget(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void Binder::Verbinde(const std::string& name, QWidget* widget, const Feldzeiger& feld) {
    auto melde = [this, name](Ereignis art, int taste = 0) { ausloeser_(name, art, taste); };
    const bool ordner = std::holds_alternative<Ordnerliste*>(feld);
    if (auto* liste = qobject_cast<QListWidget*>(widget)) {
        connect(liste, &QListWidget::currentRowChanged, this, [melde, ordner](int zeile) {
            if (zeile >= 0) {
                melde(ordner ? Ereignis::Aenderung : Ereignis::Klick);
            }
        });
    } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
        connect(box, &QComboBox::currentIndexChanged, this,
                [melde](int) { melde(Ereignis::Aenderung); });
    } else if (auto* zeile = qobject_cast<QLineEdit*>(widget)) {
        connect(zeile, &QLineEdit::textEdited, this,
                [melde](const QString&) { melde(Ereignis::Aenderung); });
        zeile->installEventFilter(this);
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        connect(radio, &QRadioButton::toggled, this, [melde](bool an) {
            if (an) {
                melde(Ereignis::Klick);
            }
        });
    } else if (auto* knopf = qobject_cast<QAbstractButton*>(widget)) {
        connect(knopf, &QAbstractButton::clicked, this, [melde](bool) { melde(Ereignis::Klick); });
    } else {
        widget->installEventFilter(this); // grids leave, pictures click
    }
}

bool Binder::Zeige_Quelle(QObject* objekt, QEvent* ereignis) {
    auto* widget = qobject_cast<QLineEdit*>(objekt);
    const Feldzeiger* feld = maske_.Finde(objekt->objectName().toStdString());
    auto* const* edit = feld != nullptr ? std::get_if<Edit*>(feld) : nullptr;
    if (!quellen_ || widget == nullptr || edit == nullptr) {
        return false;
    }
    // Rich text, so that long lines wrap instead of running off the screen.
    QStringList zeilen;
    for (const std::string& zeile : quellen_(**edit)) {
        zeilen << QString::fromStdString(zeile).toHtmlEscaped();
    }
    if (zeilen.isEmpty()) {
        return false;
    }
    if (!widget->toolTip().isEmpty()) {
        zeilen.prepend(widget->toolTip().toHtmlEscaped() + QStringLiteral("<br>"));
    }
    QToolTip::showText(static_cast<QHelpEvent*>(ereignis)->globalPos(),
                       QStringLiteral("<qt>") + zeilen.join(QStringLiteral("<br>")) +
                           QStringLiteral("</qt>"),
                       widget);
    return true;
}

bool Binder::eventFilter(QObject* objekt, QEvent* ereignis) {
    // Every event of a bound widget passes here (a change of style sends
    // several to each): the name is only made for the few that need it.
    const auto name = [objekt] { return objekt->objectName().toStdString(); };
    switch (ereignis->type()) {
    case QEvent::ToolTip:
        if (Zeige_Quelle(objekt, ereignis)) {
            return true;
        }
        break;
    case QEvent::FocusOut:
        ausloeser_(name(), Ereignis::Verlassen, 0);
        break;
    case QEvent::KeyRelease:
        if (qobject_cast<QLineEdit*>(objekt) != nullptr) {
            ausloeser_(name(), Ereignis::Taste,
                       Tastencode(static_cast<QKeyEvent*>(ereignis)->key()));
        }
        break;
    case QEvent::MouseButtonRelease:
        if (qobject_cast<QLabel*>(objekt) != nullptr) {
            ausloeser_(name(), Ereignis::Klick, 0);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(objekt, ereignis);
}

void Binder::Widgets_zu_Modell() {
    for (const auto& [name, widget] : widgets_) {
        Lies_Widget(*maske_.Finde(name), widget);
    }
}

void Binder::Modell_zu_Widgets() {
    for (const auto& [name, widget] : widgets_) {
        const QSignalBlocker sperre(widget);
        Schreibe_Widget(*maske_.Finde(name), widget);
    }
}

} // namespace pelmark::ui
