#include "ui/suchfeld.h"

#include "ui/seiten/wertfeld.h"
#include "ui/stil.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QToolTip>

namespace pelmark::ui {

Suchfeld::Suchfeld(std::function<std::string(const std::string&)> suchen,
                   std::function<std::vector<std::string>(const std::string&)> vorschlaege,
                   QWidget* eltern)
    : QWidget(eltern), eingabe_(new QLineEdit(this)), meldung_(new QLabel(this)),
      modell_(new QStringListModel(this)) {
    setObjectName(QStringLiteral("P_Suche"));
    eingabe_->setObjectName(QStringLiteral("E_Suche"));
    eingabe_->setPlaceholderText(QStringLiteral("Suche (Strg+F)"));
    eingabe_->setMaxLength(Wertfeld::Hoechstlaenge);
    eingabe_->setToolTip(QStringLiteral("Nennweite, Druckstufe, Profil, Schraube, Dampfdruck "
                                        "oder Temperatur, z. B. DN 150 PN 40, NPS 6, IPE 200, "
                                        "M20, Dampf 10 bar, 150 °C; Eingabetaste sucht"));
    // Narrow, so the tab bar and the window keep their widths.
    eingabe_->setFixedWidth(100);
    meldung_->setObjectName(QStringLiteral("L_Suchmeldung"));
    meldung_->hide();
    auto* vervollstaendigung = new QCompleter(modell_, this);
    vervollstaendigung->setCaseSensitivity(Qt::CaseInsensitive);
    vervollstaendigung->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    eingabe_->setCompleter(vervollstaendigung);
    // The list of proposals is a window without a parent: it takes the
    // style here and follows every later change like any window.
    Uebernimm_Stil(*vervollstaendigung->popup());
    connect(eingabe_, &QLineEdit::textEdited, this, [this, vorschlaege](const QString& text) {
        QStringList liste;
        for (const auto& v : vorschlaege(text.toStdString())) {
            liste << QString::fromStdString(v);
        }
        modell_->setStringList(liste);
        Melde(QString());
    });
    connect(eingabe_, &QLineEdit::returnPressed, this, [this, suchen] {
        Melde(QString::fromStdString(suchen(eingabe_->text().toStdString())));
    });
    auto* anordnung = new QHBoxLayout(this);
    anordnung->setContentsMargins(2, 0, 2, 2);
    anordnung->addWidget(eingabe_);
}

QString Suchfeld::Meldung() const {
    return meldung_->text();
}

// The message stands in one line just below the field (over the page only
// while it is shown) and the field gets a red frame; typing clears both.
void Suchfeld::Melde(const QString& text) {
    meldung_->setText(text);
    eingabe_->setStyleSheet(text.isEmpty() ? QString()
                                           : QStringLiteral("border: 1px solid #c00000"));
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(eingabe_->mapToGlobal(QPoint(0, eingabe_->height())), text, eingabe_);
    }
}

} // namespace pelmark::ui
