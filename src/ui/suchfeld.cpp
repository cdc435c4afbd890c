#include "ui/suchfeld.h"

#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>

namespace pelmark::ui {

Suchfeld::Suchfeld(std::function<std::string(const std::string&)> suchen,
                   std::function<std::vector<std::string>(const std::string&)> vorschlaege,
                   QWidget* eltern)
    : QWidget(eltern), eingabe_(new QLineEdit(this)), meldung_(new QLabel(this)),
      modell_(new QStringListModel(this)) {
    setObjectName(QStringLiteral("P_Suche"));
    eingabe_->setObjectName(QStringLiteral("E_Suche"));
    eingabe_->setPlaceholderText(QStringLiteral("Suche: DN 150 PN 40, IPE 200 … (Strg+F)"));
    eingabe_->setClearButtonEnabled(true);
    eingabe_->setFixedWidth(230);
    meldung_->setObjectName(QStringLiteral("L_Suchmeldung"));
    meldung_->setStyleSheet(QStringLiteral("color: #b00000"));
    auto* vervollstaendigung = new QCompleter(modell_, this);
    vervollstaendigung->setCaseSensitivity(Qt::CaseInsensitive);
    vervollstaendigung->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    eingabe_->setCompleter(vervollstaendigung);
    connect(eingabe_, &QLineEdit::textEdited, this, [this, vorschlaege](const QString& text) {
        QStringList liste;
        for (const auto& v : vorschlaege(text.toStdString())) {
            liste << QString::fromStdString(v);
        }
        modell_->setStringList(liste);
        meldung_->clear();
    });
    connect(eingabe_, &QLineEdit::returnPressed, this, [this, suchen] {
        meldung_->setText(QString::fromStdString(suchen(eingabe_->text().toStdString())));
    });
    auto* anordnung = new QHBoxLayout(this);
    anordnung->setContentsMargins(4, 0, 2, 2);
    anordnung->addWidget(meldung_);
    anordnung->addWidget(eingabe_);
}

} // namespace pelmark::ui
