// The sheet's page layout, in millimetres: title and program line on top,
// then one block per group with its rows on the left (caption, value, unit,
// data file) and its sketches on the right, a page number at the foot.
#include "ui/massblatt_pdf.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include <algorithm>

namespace pelmark::ui {

namespace {

constexpr double links = 15, rechts = 195, oben = 15, unten = 280;
constexpr double zeilenhoehe = 5.2, skizzenbreite = 30, skizzenspalte = 165;
constexpr double zeichnungsbreite = 120;

class Seitenmaler {
  public:
    Seitenmaler(const Massblatt& blatt, QPagedPaintDevice& geraet)
        : blatt_(blatt), geraet_(geraet), maler_(&geraet), mm_(geraet.logicalDpiX() / 25.4) {}

    void Alles() {
        Kopf();
        for (const Blattgruppe& g : blatt_.Gruppen) {
            Gruppe(g);
        }
        Fuss();
    }

  private:
    QRectF Rechteck(double x, double y, double b, double h) const {
        return {x * mm_, y * mm_, b * mm_, h * mm_};
    }

    void Schrift(double punkte, bool fett = false, QColor farbe = Qt::black) {
        QFont schrift(QStringLiteral("DejaVu Sans"));
        schrift.setPointSizeF(punkte);
        schrift.setBold(fett);
        // No ligatures, so the PDF's text reads back as the sheet says it.
        schrift.setLetterSpacing(QFont::AbsoluteSpacing, 0.01);
        maler_.setFont(schrift);
        maler_.setPen(farbe);
    }

    void Text(double x, double b, const std::string& text, Qt::Alignment ausrichtung) {
        maler_.drawText(Rechteck(x, y_, b, zeilenhoehe), ausrichtung | Qt::AlignVCenter,
                        QString::fromStdString(text));
    }

    void Kopf() {
        Schrift(15, true);
        maler_.drawText(Rechteck(links, y_, rechts - links, 9), Qt::AlignLeft | Qt::AlignVCenter,
                        QString::fromStdString(blatt_.Titel));
        y_ += 9;
        Schrift(8, false, Qt::darkGray);
        Text(links, rechts - links, blatt_.Version + ", " + blatt_.Datum, Qt::AlignLeft);
        y_ += zeilenhoehe + 2;
    }

    void Fuss() {
        Schrift(7, false, Qt::darkGray);
        maler_.drawText(
            Rechteck(links, unten + 4, rechts - links, 5), Qt::AlignRight,
            QStringLiteral("%1 – Seite %2").arg(QString::fromStdString(blatt_.Titel)).arg(seite_));
    }

    void Neue_Seite() {
        Fuss();
        geraet_.newPage();
        ++seite_;
        y_ = oben;
    }

    // A sketch: a vector resource of the pages, or a picture file (a
    // section picture from the data folder); drawn at the sketch width.
    // Returns its height in mm, 0 when there is nothing to draw.
    double Skizze(const std::string& quelle, double y, bool zeichnen) {
        const QString name = QString::fromStdString(quelle);
        if (name.startsWith(QLatin1Char('/'))) {
            const QImage bild(name);
            if (bild.isNull() || bild.width() <= 0) {
                return 0;
            }
            const double h = skizzenbreite * bild.height() / bild.width();
            if (zeichnen) {
                maler_.drawImage(Rechteck(skizzenspalte, y, skizzenbreite, h), bild);
            }
            return h;
        }
        // A drawing of its own (the cut sheet's offset with its lengths)
        // comes as SVG text and takes the width of the rows.
        const bool eigen = name.startsWith(QStringLiteral("<svg"));
        QSvgRenderer r;
        if (eigen) {
            r.load(name.toUtf8());
        } else {
            r.load(QStringLiteral(":/") + name + QStringLiteral(".svg"));
        }
        const QSizeF groesse = r.defaultSize();
        if (!r.isValid() || groesse.width() <= 0) {
            return 0;
        }
        const double x = eigen ? links : skizzenspalte;
        const double breite = eigen ? zeichnungsbreite : skizzenbreite;
        const double h = breite * groesse.height() / groesse.width();
        if (zeichnen) {
            r.render(&maler_, Rechteck(x, y, breite, h));
        }
        return h;
    }

    // The sketches one below the other; their total height.
    double Skizzen(const Blattgruppe& g, double y, bool zeichnen) {
        double hoehe = 0;
        for (const auto& s : g.Skizzen) {
            if (const double h = Skizze(s, y + hoehe, zeichnen); h > 0) {
                hoehe += h + 2;
            }
        }
        return hoehe;
    }

    void Gruppe(const Blattgruppe& g) {
        const double zeilen = zeilenhoehe * (static_cast<double>(g.Zeilen.size()) + 1);
        const double hoehe = std::max(zeilen, Skizzen(g, 0, false)) + 3;
        if (y_ + std::min(hoehe, 4 * zeilenhoehe) > unten) {
            Neue_Seite();
        }
        const double anfang = y_;
        const int anfangsseite = seite_;
        Schrift(10, true);
        Text(links, rechts - links, g.Titel, Qt::AlignLeft);
        maler_.setPen(QPen(Qt::gray, 0.2 * mm_));
        maler_.drawLine(Rechteck(links, y_ + zeilenhoehe, 0, 0).topLeft(),
                        Rechteck(rechts, y_ + zeilenhoehe, 0, 0).topLeft());
        y_ += zeilenhoehe + 0.5;
        Skizzen(g, y_, true);
        for (const Blattzeile& z : g.Zeilen) {
            if (y_ + zeilenhoehe > unten) {
                Neue_Seite();
            }
            Schrift(9);
            Text(links + 2, 75, z.Beschriftung, Qt::AlignLeft);
            Schrift(9, true);
            Text(links + 40, 54, z.Wert, Qt::AlignRight);
            Schrift(9);
            Text(links + 96, 12, z.Einheit, Qt::AlignLeft);
            Schrift(7, false, Qt::darkGray);
            Text(links + 108, skizzenspalte - links - 109, z.Datei, Qt::AlignLeft);
            y_ += zeilenhoehe;
        }
        // The sketches stand beside the rows of the group's first page.
        if (seite_ == anfangsseite) {
            y_ = std::max(y_, anfang + hoehe);
        } else {
            y_ += 3;
        }
    }

    const Massblatt& blatt_;
    QPagedPaintDevice& geraet_;
    QPainter maler_;
    double mm_;
    double y_ = oben;
    int seite_ = 1;
};

} // namespace

void Massblatt_zeichnen(const Massblatt& blatt, QPagedPaintDevice& geraet) {
    Seitenmaler(blatt, geraet).Alles();
}

bool Massblatt_als_pdf(const Massblatt& blatt, const QString& datei) {
    QPdfWriter pdf(datei);
    if (!QFile(datei).open(QIODevice::WriteOnly)) {
        return false;
    }
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(QString::fromStdString(blatt.Titel));
    pdf.setCreator(QString::fromStdString(blatt.Version));
    Massblatt_zeichnen(blatt, pdf);
    return true;
}

} // namespace pelmark::ui
