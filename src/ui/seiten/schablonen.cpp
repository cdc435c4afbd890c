// The two template panels side by side, the preview below them.
#include "ui/seiten/schablonen.h"

#include "calc/schablonen_anzeige.h"
#include "ui/schablone_druck.h"
#include "ui/seiten/bausteine.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace pelmark::ui {

namespace {

using Zeichnungen = std::function<std::vector<Schablonenzeichnung>()>;

// The first drawing of a template, scaled into the widget; redrawn when the
// template changes.
class Vorschau : public QWidget {
  public:
    Vorschau(Zeichnungen quelle, QWidget* eltern) : QWidget(eltern), quelle_(std::move(quelle)) {
        setMinimumSize(300, 120);
        auto* takt = new QTimer(this);
        connect(takt, &QTimer::timeout, this, [this] { Pruefen(); });
        takt->start(250);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.fillRect(rect(), Qt::white);
        const auto zeichnungen = quelle_();
        if (zeichnungen.empty()) {
            maler.drawText(rect(), Qt::AlignCenter, QStringLiteral("-"));
            return;
        }
        const Schablonenzeichnung& z = zeichnungen.front();
        const double rand = 8;
        const double k = std::min((width() - 2 * rand) / std::max(z.Breite, 1.0),
                                  (height() - 2 * rand - 14) / std::max(z.Hoehe, 1.0));
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        maler.drawLine(QPointF(rand, rand + 14), QPointF(rand + z.Breite * k, rand + 14));
        maler.setPen(QPen(Qt::darkGray, 1));
        for (const Ordinate& o : z.Zeilen) {
            const double x = rand + o.Bogen * k;
            maler.drawLine(QPointF(x, rand + 14), QPointF(x, rand + 14 + o.Tiefe * k));
            maler.drawText(QPointF(x + 2, rand + 10), QString::number(o.Teilung));
        }
        QPainterPath pfad;
        for (size_t i = 0; i < z.Kurve.size(); ++i) {
            const QPointF p(rand + z.Kurve[i].x * k, rand + 14 + z.Kurve[i].y * k);
            if (i == 0) {
                pfad.moveTo(p);
            } else {
                pfad.lineTo(p);
            }
        }
        maler.setPen(QPen(Qt::black, 2));
        maler.drawPath(pfad);
    }

  private:
    void Pruefen() {
        const auto zeichnungen = quelle_();
        QString schluessel;
        for (const auto& z : zeichnungen) {
            schluessel += QString::fromStdString(z.Titel) + QString::number(z.Breite) +
                          QString::number(z.Hoehe) + QString::number(z.Zeilen.size());
        }
        if (schluessel != schluessel_) {
            schluessel_ = schluessel;
            update();
        }
    }

    Zeichnungen quelle_;
    QString schluessel_;
};

void Eingabezeile(QGridLayout* raster, int zeile, const QString& text, const char* name,
                  const QString& einheit, QWidget* eltern, const QString& tipp = {}) {
    raster->addWidget(Beschriftung(text, eltern), zeile, 0);
    auto* feld = Feld(name, eltern, false);
    feld->setMaximumWidth(110);
    feld->setToolTip(tipp);
    raster->addWidget(feld, zeile, 1);
    raster->addWidget(Einheit(einheit, eltern), zeile, 2);
}

void Ausgabezeile(QGridLayout* raster, int zeile, const QString& text, const char* name,
                  const QString& einheit, QWidget* eltern) {
    raster->addWidget(Beschriftung(text, eltern), zeile, 0);
    auto* feld = Feld(name, eltern);
    feld->setMaximumWidth(110);
    raster->addWidget(feld, zeile, 1);
    raster->addWidget(Einheit(einheit, eltern), zeile, 2);
}

QLabel* Textfeld(const char* name, QWidget* eltern) {
    auto* text = Beschriftung(QString(), eltern, name);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return text;
}

// The ordinate table (up to 24 lines) scrolls in a box of its own, so the
// page keeps the window's height.
QScrollArea* Ordinatenfeld(const char* name, QWidget* eltern) {
    auto* rolle = new QScrollArea(eltern);
    rolle->setWidget(Textfeld(name, rolle));
    rolle->setWidgetResizable(true);
    rolle->setFrameShape(QFrame::NoFrame);
    rolle->setFixedHeight(120);
    return rolle;
}

// "Drucken …" and "Als PDF …" for the drawings.
QWidget* Knoepfe(const char* drucken, const char* pdf, Zeichnungen quelle, QWidget* eltern) {
    auto* leiste = new QWidget(eltern);
    auto* anordnung = new QHBoxLayout(leiste);
    anordnung->setContentsMargins(0, 0, 0, 0);
    auto* b_drucken = new QPushButton(QStringLiteral("Drucken 1:1 …"), leiste);
    b_drucken->setObjectName(QString::fromLatin1(drucken));
    b_drucken->setToolTip(QStringLiteral("Mit 100 % drucken (ohne Anpassen)"));
    auto* b_pdf = new QPushButton(QStringLiteral("Als PDF …"), leiste);
    b_pdf->setObjectName(QString::fromLatin1(pdf));
    anordnung->addWidget(b_drucken);
    anordnung->addWidget(b_pdf);
    anordnung->addStretch();
    QObject::connect(b_drucken, &QPushButton::clicked, leiste, [quelle, leiste] {
        const auto z = quelle();
        if (!z.empty()) {
            Schablonen_drucken(leiste, z);
        }
    });
    QObject::connect(b_pdf, &QPushButton::clicked, leiste, [quelle, leiste] {
        const auto z = quelle();
        const QString datei =
            z.empty() ? QString()
                      : QFileDialog::getSaveFileName(leiste, QStringLiteral("Schablone als PDF"),
                                                     QString(), QStringLiteral("PDF (*.pdf)"));
        if (!datei.isEmpty()) {
            Schablonen_als_pdf(z, datei);
        }
    });
    return leiste;
}

QGroupBox* Stutzengruppe(Mainform& f, QWidget* eltern) {
    auto* gruppe = new QGroupBox(QStringLiteral("Stutzen"), eltern);
    gruppe->setObjectName(QStringLiteral("P_Stutzen"));
    auto* raster = new QGridLayout(gruppe);
    raster->setColumnStretch(3, 1);
    Eingabezeile(raster, 0, QStringLiteral("Aussendm. Stutzen"), "E_Stutzen_Da", "mm", gruppe,
                 QStringLiteral("leer: DN2 der Seite \"Maße Rohrteile\""));
    Eingabezeile(raster, 1, QStringLiteral("Aussendm. Hauptrohr"), "E_Hauptrohr_Da", "mm", gruppe,
                 QStringLiteral("leer: DN1 der Seite \"Maße Rohrteile\""));
    Eingabezeile(raster, 2, QStringLiteral("Winkel"), "E_Stutzen_Winkel", "°", gruppe,
                 QStringLiteral("30 bis 90"));
    Eingabezeile(raster, 3, QStringLiteral("Aussermitte"), "E_Stutzen_Aussermitte", "mm", gruppe);
    Eingabezeile(raster, 4, QStringLiteral("Teilung"), "E_Stutzen_Teilung", "", gruppe,
                 QStringLiteral("12, 16 oder 24"));
    raster->addWidget(Textfeld("L_Stutzen_Masse", gruppe), 5, 0, 1, 3);
    Ausgabezeile(raster, 6, QStringLiteral("Abwicklung"), "E_Stutzen_Abwicklung", "mm", gruppe);
    Ausgabezeile(raster, 7, QStringLiteral("Grösste Tiefe"), "E_Stutzen_Tiefe", "mm", gruppe);
    raster->addWidget(Ordinatenfeld("M_Stutzen_Ordinaten", gruppe), 8, 0, 1, 4);
    raster->addWidget(
        Knoepfe(
            "B_Stutzen_Drucken", "B_Stutzen_Pdf", [&f] { return Stutzen_aus_Maske(f); }, gruppe),
        9, 0, 1, 3);
    return gruppe;
}

QGroupBox* Segmentgruppe(Mainform& f, QWidget* eltern) {
    auto* gruppe = new QGroupBox(QStringLiteral("Segmentbogen"), eltern);
    gruppe->setObjectName(QStringLiteral("P_Segmentbogen"));
    auto* raster = new QGridLayout(gruppe);
    raster->setColumnStretch(3, 1);
    Eingabezeile(raster, 0, QStringLiteral("Aussendm."), "E_Segment_Da", "mm", gruppe,
                 QStringLiteral("leer: DN1 der Seite \"Maße Rohrteile\""));
    Eingabezeile(raster, 1, QStringLiteral("Radius"), "E_Segment_Radius", "mm", gruppe,
                 QStringLiteral("leer: Radius der gewählten Bauart"));
    Eingabezeile(raster, 2, QStringLiteral("Winkel"), "E_Segment_Winkel", "°", gruppe);
    Eingabezeile(raster, 3, QStringLiteral("Teile"), "E_Segment_Teile", "", gruppe,
                 QStringLiteral("2 bis 8, davon zwei Endstücke (halbe Teile)"));
    Eingabezeile(raster, 4, QStringLiteral("Teilung"), "E_Segment_Teilung", "", gruppe,
                 QStringLiteral("12, 16 oder 24"));
    raster->addWidget(Textfeld("L_Segment_Masse", gruppe), 5, 0, 1, 3);
    Ausgabezeile(raster, 6, QStringLiteral("Schnittwinkel"), "E_Segment_Schnittwinkel", "°",
                 gruppe);
    raster->addWidget(Textfeld("M_Segment_Stuecke", gruppe), 7, 0, 1, 3);
    raster->addWidget(Ordinatenfeld("M_Segment_Ordinaten", gruppe), 8, 0, 1, 4);
    raster->addWidget(Knoepfe(
                          "B_Segment_Drucken", "B_Segment_Pdf",
                          [&f] { return Segmentbogen_aus_Maske(f); }, gruppe),
                      9, 0, 1, 3);
    return gruppe;
}

} // namespace

QWidget* Baue_Schablonen(Mainform& f, QWidget* eltern) {
    auto* flaeche = new QWidget(eltern);
    flaeche->setObjectName(QStringLiteral("P_Schablonen"));
    auto* spalten = new QHBoxLayout(flaeche);
    for (QGroupBox* gruppe : {Stutzengruppe(f, flaeche), Segmentgruppe(f, flaeche)}) {
        auto* spalte = new QVBoxLayout;
        spalte->addWidget(gruppe);
        spalten->addLayout(spalte);
    }
    auto* vorschau_stutzen = new Vorschau([&f] { return Stutzen_aus_Maske(f); }, flaeche);
    vorschau_stutzen->setObjectName(QStringLiteral("I_Stutzen_Vorschau"));
    auto* vorschau_bogen = new Vorschau([&f] { return Segmentbogen_aus_Maske(f); }, flaeche);
    vorschau_bogen->setObjectName(QStringLiteral("I_Segment_Vorschau"));
    static_cast<QVBoxLayout*>(spalten->itemAt(0)->layout())->addWidget(vorschau_stutzen);
    static_cast<QVBoxLayout*>(spalten->itemAt(1)->layout())->addWidget(vorschau_bogen);
    return flaeche;
}

} // namespace pelmark::ui
