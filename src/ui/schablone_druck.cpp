// Laying the templates out at 1:1 on A4 or A3 landscape sheets. All
// coordinates are millimetres from the sheet's top left corner; the painter
// is scaled by the device's dots per millimetre, nothing else.
#include "ui/schablone_druck.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace pelmark::ui {

namespace {

constexpr double rand_mm = 10;       // unprinted edge of the sheet
constexpr double kopf_mm = 38;       // title and lines above the drawing
constexpr double fuss_mm = 22;       // check bar below it
constexpr double ueberstand_mm = 12; // paper above the pipe's end and below the curve

const QString Hinweis100 = QStringLiteral("Mit 100 % drucken (ohne Anpassen)");
const QString Hinweis_Anpassen = QStringLiteral(
    "„An Seite anpassen“ im Druckdialog verkleinert die Schablone: der Prüfbalken muss "
    "genau 100 mm messen.");

struct Kachelung {
    QRectF Feld; // the drawing area on the sheet, mm
    int Spalten = 1;
    int Zeilen = 1;
};

double Inhaltshoehe(const Schablonenzeichnung& z) {
    return z.Hoehe + 2 * ueberstand_mm;
}

Kachelung Kacheln(const Schablonenzeichnung& z, QSizeF seite) {
    Kachelung k;
    k.Feld = QRectF(rand_mm, rand_mm + kopf_mm, seite.width() - 2 * rand_mm,
                    seite.height() - 2 * rand_mm - kopf_mm - fuss_mm);
    const auto anzahl = [](double inhalt, double feld) {
        return std::max(1, static_cast<int>(std::ceil(
                               (inhalt - Ueberlappung_mm) / (feld - Ueberlappung_mm) - 1e-9)));
    };
    k.Spalten = anzahl(z.Breite, k.Feld.width());
    k.Zeilen = anzahl(Inhaltshoehe(z), k.Feld.height());
    return k;
}

// "B2": column letter and row number of a tile.
QString Kachelname(int spalte, int zeile) {
    return QString(QChar(u'A' + spalte)) + QString::number(zeile + 1);
}

class Schablonenmaler {
  public:
    Schablonenmaler(QPagedPaintDevice& geraet, QSizeF seite)
        : geraet_(geraet), seite_(seite), maler_(&geraet), dpi_(geraet.logicalDpiY()) {
        const double mm = geraet.logicalDpiX() / 25.4;
        maler_.scale(mm, mm);
        maler_.setRenderHint(QPainter::Antialiasing);
    }

    void Alles(const std::vector<Schablonenzeichnung>& zeichnungen) {
        gesamt_ = Schablonenseiten(zeichnungen, seite_);
        for (const Schablonenzeichnung& z : zeichnungen) {
            const Kachelung k = Kacheln(z, seite_);
            for (int zeile = 0; zeile < k.Zeilen; ++zeile) {
                for (int spalte = 0; spalte < k.Spalten; ++spalte) {
                    Neue_Seite(z);
                    Kachel(z, k, spalte, zeile);
                }
            }
        }
        for (const Schablonenzeichnung& z : zeichnungen) {
            if (!z.Zeilen.empty()) {
                Neue_Seite(z);
                Tabelle(z);
            }
        }
    }

  private:
    void Schrift(double punkte, bool fett = false) {
        QFont schrift(QStringLiteral("DejaVu Sans"));
        // The painter counts in mm: a font of n points would come out n mm high.
        schrift.setPointSizeF(punkte * 25.4 / dpi_);
        schrift.setBold(fett);
        schrift.setLetterSpacing(QFont::AbsoluteSpacing, 0.01);
        maler_.setFont(schrift);
    }

    void Zeile(double x, double y, const QString& text, double punkte, bool fett = false) {
        Schrift(punkte, fett);
        maler_.drawText(QPointF(x, y), text);
    }

    void Neue_Seite(const Schablonenzeichnung& z) {
        if (seite_nr_ > 0) {
            geraet_.newPage();
        }
        ++seite_nr_;
        maler_.setPen(QPen(Qt::black, 0.2));
        Zeile(rand_mm, rand_mm + 5, QString::fromStdString(z.Titel), 13, true);
        double y = rand_mm + 10;
        for (const std::string& a : z.Angaben) {
            Zeile(rand_mm, y, QString::fromStdString(a), 8.5);
            y += 4;
        }
        maler_.setPen(QPen(QColor(170, 0, 0), 0.2));
        Zeile(rand_mm, y + 1, Hinweis100, 10, true);
        maler_.setPen(QPen(Qt::black, 0.2));
        Zeile(rand_mm, y + 5, Hinweis_Anpassen, 7.5);
        Pruefbalken();
    }

    void Pruefbalken() {
        const double y = seite_.height() - rand_mm - 10;
        maler_.fillRect(QRectF(rand_mm, y, Pruefbalken_mm, 4), Qt::black);
        maler_.setPen(QPen(Qt::black, 0.2));
        for (int i = 0; i <= 10; ++i) {
            const double x = rand_mm + i * Pruefbalken_mm / 10;
            maler_.drawLine(QPointF(x, y - (i % 5 == 0 ? 3 : 1.5)), QPointF(x, y));
        }
        Zeile(rand_mm, y + 8, QStringLiteral("Prüfbalken 100 mm"), 8);
        Zeile(rand_mm + Pruefbalken_mm + 6, y + 4, Hinweis100, 9, true);
        Zeile(seite_.width() - rand_mm - 40, y + 8,
              QStringLiteral("Seite %1 von %2").arg(seite_nr_).arg(gesamt_), 8);
    }

    // One tile: the part of the template that falls into the drawing area,
    // with the overlap to the right and below marked for joining.
    void Kachel(const Schablonenzeichnung& z, const Kachelung& k, int spalte, int zeile) {
        const QRectF& f = k.Feld;
        const double dx = spalte * (f.width() - Ueberlappung_mm);
        const double dy = zeile * (f.height() - Ueberlappung_mm);
        maler_.save();
        maler_.setClipRect(f);
        maler_.translate(f.left() - dx, f.top() + ueberstand_mm - dy);
        Vorlage(z);
        maler_.restore();
        Stoesse(k, spalte, zeile);
    }

    // The template in its own millimetres: y 0 the pipe's square end.
    void Vorlage(const Schablonenzeichnung& z) {
        maler_.setPen(QPen(Qt::gray, 0.2, Qt::DashLine));
        maler_.drawLine(QPointF(0, 0), QPointF(z.Breite, 0));
        maler_.drawLine(QPointF(0, -ueberstand_mm), QPointF(0, z.Hoehe + ueberstand_mm));
        maler_.drawLine(QPointF(z.Breite, -ueberstand_mm),
                        QPointF(z.Breite, z.Hoehe + ueberstand_mm));
        for (const Ordinate& o : z.Zeilen) {
            maler_.setPen(QPen(Qt::darkGray, 0.15));
            maler_.drawLine(QPointF(o.Bogen, 0), QPointF(o.Bogen, o.Tiefe));
            Zeile(o.Bogen + 0.8, -1.5, QString::number(o.Teilung), 7);
            Zeile(o.Bogen + 0.8, o.Tiefe / 2 + 1, QString::fromStdString(Mm_Text(o.Tiefe)), 6);
        }
        QPainterPath pfad;
        for (size_t i = 0; i < z.Kurve.size(); ++i) {
            const QPointF p(z.Kurve[i].x, z.Kurve[i].y);
            i == 0 ? pfad.moveTo(p) : pfad.lineTo(p);
        }
        maler_.setPen(QPen(Qt::black, 0.4));
        maler_.drawPath(pfad);
    }

    void Stoesse(const Kachelung& k, int spalte, int zeile) {
        const QRectF& f = k.Feld;
        maler_.setPen(QPen(Qt::black, 0.2));
        maler_.drawRect(f);
        maler_.setPen(QPen(QColor(0, 90, 170), 0.3, Qt::DashLine));
        const QString hier = Kachelname(spalte, zeile);
        Zeile(f.left() + 1, f.top() - 1, QStringLiteral("Blatt %1").arg(hier), 8, true);
        if (spalte + 1 < k.Spalten) {
            const double x = f.right() - Ueberlappung_mm;
            maler_.drawLine(QPointF(x, f.top()), QPointF(x, f.bottom()));
            Zeile(x + 0.5, f.top() + 4,
                  QStringLiteral("Stoß: hier Blatt %1 mit seinem Rahmen anlegen")
                      .arg(Kachelname(spalte + 1, zeile)),
                  6);
        }
        if (zeile + 1 < k.Zeilen) {
            const double y = f.bottom() - Ueberlappung_mm;
            maler_.drawLine(QPointF(f.left(), y), QPointF(f.right(), y));
            Zeile(f.left() + 1, y + 4,
                  QStringLiteral("Stoß: hier Blatt %1 mit seinem Rahmen anlegen")
                      .arg(Kachelname(spalte, zeile + 1)),
                  6);
        }
    }

    void Tabelle(const Schablonenzeichnung& z) {
        double y = rand_mm + kopf_mm + 5;
        const double x0 = rand_mm;
        Zeile(x0, y, QStringLiteral("Teilung      Winkel      Bogen      Tiefe vom Rohrende"), 9,
              true);
        y += 5;
        const double spaltenbreite = 95;
        double x = x0;
        for (const Ordinate& o : z.Zeilen) {
            Zeile(x, y, QString::number(o.Teilung), 9);
            Zeile(x + 18, y, QString::fromStdString(Grad_Text(o.Winkel)), 9);
            Zeile(x + 38, y, QString::fromStdString(Mm_Text(o.Bogen) + " mm"), 9);
            Zeile(x + 60, y, QString::fromStdString(Mm_Text(o.Tiefe) + " mm"), 9);
            y += 4.5;
            if (y > seite_.height() - rand_mm - fuss_mm - 2) {
                y = rand_mm + kopf_mm + 10;
                x += spaltenbreite;
            }
        }
    }

    QPagedPaintDevice& geraet_;
    QSizeF seite_;
    QPainter maler_;
    double dpi_;
    int seite_nr_ = 0;
    int gesamt_ = 0;
};

QSizeF Seitengroesse_mm(const QPagedPaintDevice& geraet) {
    return geraet.pageLayout().fullRect(QPageLayout::Millimeter).size();
}

} // namespace

int Schablonenseiten(const std::vector<Schablonenzeichnung>& zeichnungen, QSizeF seite_mm) {
    int seiten = 0;
    for (const Schablonenzeichnung& z : zeichnungen) {
        const Kachelung k = Kacheln(z, seite_mm);
        seiten += k.Spalten * k.Zeilen + (z.Zeilen.empty() ? 0 : 1);
    }
    return seiten;
}

void Schablonen_zeichnen(const std::vector<Schablonenzeichnung>& zeichnungen,
                         QPagedPaintDevice& geraet) {
    Schablonenmaler(geraet, Seitengroesse_mm(geraet)).Alles(zeichnungen);
}

bool Schablonen_als_pdf(const std::vector<Schablonenzeichnung>& zeichnungen, const QString& datei,
                        QPageSize::PageSizeId papier) {
    if (QFile probe(datei); !probe.open(QIODevice::WriteOnly)) {
        return false;
    }
    QPdfWriter pdf(datei);
    if (!pdf.setPageLayout(
            QPageLayout(QPageSize(papier), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)))) {
        return false;
    }
    pdf.setResolution(1200);
    pdf.setTitle(zeichnungen.empty() ? QString() : QString::fromStdString(zeichnungen[0].Titel));
    pdf.setCreator(QStringLiteral("Pelmark"));
    Schablonen_zeichnen(zeichnungen, pdf);
    return true;
}

void Schablonen_drucken(QWidget* eltern, const std::vector<Schablonenzeichnung>& zeichnungen) {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setFullPage(true);
    drucker.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    QPrintDialog dialog(&drucker, eltern);
    dialog.setWindowTitle(QStringLiteral("Schablone drucken – ") + Hinweis100);
    dialog.setToolTip(Hinweis_Anpassen);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Schablonen_zeichnen(zeichnungen, drucker);
}

} // namespace pelmark::ui
