#include "ui/feldkopie.h"

#include "app/massblatt.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <memory>

namespace pelmark::ui {

Feldkopie::Feldkopie(const Mainform& form, QWidget* wurzel) : QObject(wurzel), form_(form) {
    Beobachte(wurzel);
}

void Feldkopie::Beobachte(QWidget* wurzel) {
    for (auto* feld : wurzel->findChildren<QLineEdit*>()) {
        if (Feldzeile_von(form_, feld->objectName().toStdString())) {
            feld->installEventFilter(this);
        }
    }
}

void Feldkopie::Kopiere(const QObject* feld) const {
    QApplication::clipboard()->setText(
        QString::fromStdString(Kopiertext(form_, feld->objectName().toStdString())));
}

bool Feldkopie::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Copy)) {
        Kopiere(objekt);
        return true;
    }
    if (ereignis->type() == QEvent::ContextMenu) {
        auto* feld = static_cast<QLineEdit*>(objekt);
        std::unique_ptr<QMenu> menue(feld->createStandardContextMenu());
        auto* eintrag = new QAction(QStringLiteral("Mit Beschriftung kopieren"), menue.get());
        eintrag->setObjectName(QStringLiteral("A_Mit_Beschriftung_kopieren"));
        connect(eintrag, &QAction::triggered, this, [this, feld] { Kopiere(feld); });
        menue->insertAction(menue->actions().value(0), eintrag);
        menue->insertSeparator(menue->actions().value(1));
        menue->exec(static_cast<QContextMenuEvent*>(ereignis)->globalPos());
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace pelmark::ui
