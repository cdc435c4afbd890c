#include "ui/seiten/wertfeld.h"

#include <QHelpEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace pelmark::ui {

namespace {
// Qt's line edit keeps this many pixels free on each side of its text.
constexpr int Textrand = 2;
} // namespace

Wertfeld::Wertfeld(QWidget* eltern) : QLineEdit(eltern) {
    setMaxLength(Hoechstlaenge);
}

bool Wertfeld::Abgeschnitten() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect innen = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins raender = textMargins();
    const int platz = innen.width() - raender.left() - raender.right() - 2 * Textrand;
    return fontMetrics().horizontalAdvance(text()) > platz;
}

QString Wertfeld::Hinweistext() const {
    if (!Abgeschnitten()) {
        return toolTip();
    }
    return toolTip().isEmpty() ? text() : text() + QLatin1Char('\n') + toolTip();
}

bool Wertfeld::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::ToolTip && Abgeschnitten()) {
        const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
        QToolTip::showText(hilfe->globalPos(), Hinweistext(), this);
        return true;
    }
    return QLineEdit::event(ereignis);
}

void Wertfeld::changeEvent(QEvent* ereignis) {
    QLineEdit::changeEvent(ereignis);
    if (ereignis->type() == QEvent::ReadOnlyChange) {
        setFocusPolicy(isReadOnly() ? Qt::ClickFocus : Qt::StrongFocus);
        // Style sheets pick the look of [readOnly="true"] when polished.
        style()->unpolish(this);
        style()->polish(this);
        update();
    }
}

} // namespace pelmark::ui
