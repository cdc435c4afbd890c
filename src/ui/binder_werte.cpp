#include "ui/binder_werte.h"

#include "ui/seiten/bildgroesse.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace pelmark::ui {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList Eintraege(const std::vector<std::string>& texte) {
    QStringList liste;
    for (const auto& text : texte) {
        liste << Q(text);
    }
    return liste;
}

template <typename W> QStringList Eintraege_von(W* w) {
    QStringList liste;
    for (int i = 0; i < w->count(); ++i) {
        liste << w->itemText(i);
    }
    return liste;
}

void Schreibe_Liste(QListWidget* w, const std::vector<std::string>& items, int index) {
    const QStringList neu = Eintraege(items);
    QStringList alt;
    for (int i = 0; i < w->count(); ++i) {
        alt << w->item(i)->text();
    }
    if (alt != neu) {
        w->clear();
        w->addItems(neu);
    }
    w->setCurrentRow(index);
}

// A grid's fixed top row is drawn as the column header, so it stays in view
// while the rows scroll and its sections resize the columns by dragging. A
// grid without a fixed row keeps a thin empty header for the same purpose.
void Schreibe_Kopf(QTableWidget* w, const TEStringGrid& g) {
    const bool kopfzeile = g.FixedRows > 0 && g.RowCount() > 0;
    QStringList titel;
    for (int c = 0; c < g.ColCount(); ++c) {
        titel << (kopfzeile ? Q(g.Cell(c, 0)) : QString());
    }
    w->setHorizontalHeaderLabels(titel);
    auto* kopf = w->horizontalHeader();
    if (kopfzeile) {
        kopf->setMinimumHeight(0);
        kopf->setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        kopf->setFixedHeight(6);
    }
    kopf->show();
    if (!w->verticalHeader()->isHidden()) {
        w->setVerticalHeaderLabels(QStringList(g.RowCount(), QString()));
    }
    if (g.RowCount() > 0) {
        w->setRowHidden(0, kopfzeile); // no other row is ever hidden
    }
}

void Schreibe_Gitter(QTableWidget* w, const TEStringGrid& g) {
    w->setRowCount(g.RowCount());
    w->setColumnCount(g.ColCount());
    for (int r = 0; r < g.RowCount(); ++r) {
        for (int c = 0; c < g.ColCount(); ++c) {
            auto* zelle = w->item(r, c);
            if (zelle == nullptr) {
                zelle = new QTableWidgetItem;
                w->setItem(r, c, zelle);
            }
            zelle->setText(Q(g.Cell(c, r)));
        }
    }
    Schreibe_Kopf(w, g);
    for (int c = 0; c < g.ColCount(); ++c) {
        w->setColumnWidth(c, g.ColWidth(c));
    }
    w->setEditTriggers(g.Editierbar ? QAbstractItemView::AllEditTriggers
                                    : QAbstractItemView::NoEditTriggers);
    w->setSelectionBehavior(g.Zeilenauswahl ? QAbstractItemView::SelectRows
                                            : QAbstractItemView::SelectItems);
    if (g.Row >= 0 && g.Row < g.RowCount()) {
        if (g.Zeilenauswahl) {
            w->selectRow(g.Row);
        } else {
            w->setCurrentCell(g.Row, std::max(0, w->currentColumn()));
        }
    }
}

// Reads back what the user changed: edited cells, the current row and
// column widths dragged with the mouse.
void Lies_Gitter(QTableWidget* w, TEStringGrid& g) {
    if (g.Editierbar) {
        for (int r = 0; r < std::min(g.RowCount(), w->rowCount()); ++r) {
            for (int c = 0; c < std::min(g.ColCount(), w->columnCount()); ++c) {
                if (auto* zelle = w->item(r, c)) {
                    g.SetCell(c, r, zelle->text().toStdString());
                }
            }
        }
    }
    const int spalten = std::min(g.ColCount(), w->columnCount());
    for (int c = 0; c < spalten && c < static_cast<int>(g.ColWidths.size()); ++c) {
        g.ColWidths[static_cast<size_t>(c)] = w->columnWidth(c);
    }
    if (w->currentRow() >= 0) {
        g.Row = w->currentRow();
    }
}

} // namespace

void Lies_Widget(const Feldzeiger& feld, QWidget* widget) {
    if (auto* e = std::get_if<Edit*>(&feld)) {
        if (auto* w = qobject_cast<QLineEdit*>(widget)) {
            (*e)->Text = w->text().toStdString();
        }
    } else if (auto* l = std::get_if<Liste*>(&feld)) {
        if (auto* w = qobject_cast<QListWidget*>(widget)) {
            (*l)->ItemIndex = w->currentRow();
        } else if (auto* b = qobject_cast<QComboBox*>(widget)) {
            (*l)->ItemIndex = b->currentIndex();
            (*l)->Text = b->currentText().toStdString();
        }
    } else if (auto* o = std::get_if<Ordnerliste*>(&feld)) {
        if (auto* w = qobject_cast<QListWidget*>(widget)) {
            (*o)->ItemIndex = w->currentRow();
        }
    } else if (auto* s = std::get_if<Schalter*>(&feld)) {
        if (auto* w = qobject_cast<QAbstractButton*>(widget)) {
            (*s)->Checked = w->isChecked();
        }
    } else if (auto* g = std::get_if<Gitter*>(&feld)) {
        if (auto* w = qobject_cast<QTableWidget*>(widget)) {
            Lies_Gitter(w, (*g)->Grid);
        }
    }
}

void Schreibe_Widget(const Feldzeiger& feld, QWidget* widget) {
    if (auto* e = std::get_if<Edit*>(&feld)) {
        if (auto* w = qobject_cast<QLineEdit*>(widget)) {
            if (w->text() != Q((*e)->Text)) {
                w->setText(Q((*e)->Text));
                w->setCursorPosition(0);
            }
            w->setReadOnly((*e)->ReadOnly);
        }
    } else if (auto* l = std::get_if<Liste*>(&feld)) {
        if (auto* w = qobject_cast<QListWidget*>(widget)) {
            Schreibe_Liste(w, (*l)->Items, (*l)->ItemIndex);
        } else if (auto* b = qobject_cast<QComboBox*>(widget)) {
            if (Eintraege_von(b) != Eintraege((*l)->Items)) {
                b->clear();
                b->addItems(Eintraege((*l)->Items));
            }
            b->setCurrentIndex((*l)->ItemIndex);
        }
    } else if (auto* o = std::get_if<Ordnerliste*>(&feld)) {
        if (auto* w = qobject_cast<QListWidget*>(widget)) {
            Schreibe_Liste(w, (*o)->Items, (*o)->ItemIndex);
        }
    } else if (auto* s = std::get_if<Schalter*>(&feld)) {
        if (auto* w = qobject_cast<QAbstractButton*>(widget)) {
            const bool exklusiv = w->autoExclusive();
            w->setAutoExclusive(false);
            w->setChecked((*s)->Checked);
            w->setAutoExclusive(exklusiv);
        }
    } else if (auto* b = std::get_if<Beschriftung*>(&feld)) {
        if (auto* w = qobject_cast<QLabel*>(widget)) {
            w->setText(Q((*b)->Caption));
        }
    } else if (auto* t = std::get_if<Textblock*>(&feld)) {
        if (auto* w = qobject_cast<QLabel*>(widget)) {
            w->setText(Eintraege((*t)->Lines).join('\n'));
        } else if (auto* p = qobject_cast<QPlainTextEdit*>(widget)) {
            p->setPlainText(Eintraege((*t)->Lines).join('\n'));
        }
    } else if (auto* g = std::get_if<Gitter*>(&feld)) {
        if (auto* w = qobject_cast<QTableWidget*>(widget)) {
            Schreibe_Gitter(w, (*g)->Grid);
        }
    } else if (auto* p = std::get_if<Bild*>(&feld)) {
        if (auto* w = qobject_cast<QLabel*>(widget); w && !(*p)->Datei.empty()) {
            w->setPixmap(QPixmap(Q((*p)->Datei)));
            if ((*p)->Breite > 0 && (*p)->Hoehe > 0) {
                Bildgroesse_setzen(w, QSize((*p)->Breite, (*p)->Hoehe));
            }
        }
    }
}

} // namespace pelmark::ui
