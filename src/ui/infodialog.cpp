#include "ui/infodialog.h"

#include "ui/stil.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace pelmark::ui {

Infodialog::Infodialog(QWidget* eltern, Infofenster& fenster, const QString& titel,
                       const QString& knopftext, QSize groesse)
    : QDialog(eltern), fenster_(fenster), text_(new QTextBrowser(this)) {
    setWindowTitle(titel);
    if (eltern == nullptr) {
        Uebernimm_Stil(*this);
    }
    resize(groesse);
    text_->setObjectName(QStringLiteral("E_Infotext"));
    // The help text can be read, selected and copied, not typed into.
    text_->setReadOnly(true);
    auto* knopf = new QPushButton(knopftext, this);
    knopf->setObjectName(QStringLiteral("BitBtn1"));
    connect(knopf, &QPushButton::clicked, this, &QDialog::accept);
    auto* anordnung = new QVBoxLayout(this);
    anordnung->addWidget(text_);
    anordnung->addWidget(knopf, 0, Qt::AlignRight);
}

void Infodialog::Zeige_Text() {
    if (!fenster_.Html.empty()) {
        text_->setHtml(QString::fromStdString(fenster_.Html));
        return;
    }
    QStringList absaetze;
    for (const auto& absatz : fenster_.E_Infotext.Lines) {
        absaetze << QString::fromStdString(absatz);
    }
    text_->setPlainText(absaetze.join('\n'));
}

} // namespace pelmark::ui
