// Pipe supports: the nominal size on the left, eight support kinds in two rows
// of four, each with its sketch, designations, heights, widths and use.
#include "ui/massblatt_dialog.h"
#include "ui/seiten/a_hilfen.h"
#include "ui/seiten/bausteine.h"
#include "ui/seiten/seiten.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace pelmark::ui {

namespace {

// One support kind; a second field of a row is the FP variant (lower row) or
// the distance i (kind 02).
struct Lagerart {
    const char* Bild;
    const char* Datei;
    const char* Bezeichnung;
    const char* Einsatz;
    const char* Leitungen;
    const char* Hoehe[2];
    const char* Breite[2];
};

const Lagerart obere_reihe[4] = {
    {"Image18",
     "a_lager_01",
     "GL01, FL01, FP01",
     "Anlagenverrohrung",
     "Edelstahlleitungen",
     {"E_h_01", nullptr},
     {"E_b_01", nullptr}},
    {"Image19",
     "a_lager_02",
     "GL02, FL02, FP03",
     "Rohrbrückenverrohrung",
     "Edelstahlleitungen",
     {"E_h_02", nullptr},
     {"E_b_02", "E_i_02"}},
    {"Image20",
     "a_lager_03",
     "GL03, FL03, FP03",
     "Anlagenverrohrung",
     "C-Stahlleitungen",
     {"E_h_03", nullptr},
     {"E_b_03", nullptr}},
    {"Image21",
     "a_lager_04",
     "GL04, FL04, FP04",
     "Rohrbrückenverrohrung",
     "C-Stahlleitungen",
     {"E_h_04", nullptr},
     {"E_b_04", nullptr}},
};

const Lagerart untere_reihe[4] = {
    {"Image22",
     "a_lager_05",
     "GL05, FL05   FP05",
     "Anlagenverrohrung",
     "C u. Edel - Stahlltg.",
     {"E_h_GL05", "E_h_FP05"},
     {"E_b_GL05", "E_b_FP05"}},
    {"Image23",
     "a_lager_06",
     "GL06, FL06   FP06",
     "Rohrbrückenverrohrung",
     "C u. Edel - Stahlltg.",
     {"E_h_GL06", "E_h_FP06"},
     {"E_b_Gl06", "E_b_FP06"}},
    {"Image24",
     "a_lager_12",
     "GL12, FL012   FP12",
     "Anlagen u. RBR-Ver.",
     "C u. Edel - Stahlltg.",
     {"E_h_GL12", "E_h_FP12"},
     {"E_b_GL12", "E_b_FP12"}},
    {"Image25",
     "a_lager_13",
     "GL13, FL013  FP13",
     "Anlagen u. RBR-Ver.",
     "C u. Edel - Stahlltg.",
     {"E_h_GL13", "E_h_FP13"},
     {"E_b_Gl13", "E_b_FP13"}},
};

const QSize skizzengroesse(170, 102);
// Room for "1050": two fields with their units stay under the sketch.
constexpr int Massbreite = 56;

// The pair of fields of one value row; in the lower row the tooltips say
// which designation each field belongs to.
void Wertepaar(QGridLayout* raster, int zeile, int spalte, const char* const namen[2],
               const QStringList& varianten) {
    for (int i = 0; i < 2; ++i) {
        if (namen[i] == nullptr) {
            continue;
        }
        auto* streifen = Feld_mit_Einheit(namen[i], Millimeter, Massbreite, raster->parentWidget());
        if (varianten.size() == 2) {
            streifen->findChild<QLineEdit*>()->setToolTip(varianten[i]);
        }
        raster->addWidget(streifen, zeile, spalte + i, Qt::AlignLeft);
    }
}

void Lagerspalte(QGridLayout* raster, int spalte, const Lagerart& art) {
    QWidget* rahmen = raster->parentWidget();
    const QString bezeichnung = QString::fromUtf8(art.Bezeichnung);
    const QStringList varianten = bezeichnung.split(QRegularExpression(QStringLiteral(" {2,}")));
    const QString datei =
        QStringLiteral(":/skizzen/") + QString::fromLatin1(art.Datei) + QStringLiteral(".svg");
    raster->addWidget(Skizze(art.Bild, datei, skizzengroesse, rahmen, bezeichnung), 0, spalte, 1, 2,
                      Qt::AlignLeft);
    auto* name = Beschriftung(bezeichnung, rahmen);
    name->setStyleSheet(QStringLiteral("font-weight: bold"));
    raster->addWidget(name, 1, spalte, 1, 2);
    Wertepaar(raster, 2, spalte, art.Hoehe, varianten);
    Wertepaar(raster, 3, spalte, art.Breite, varianten);
    raster->addWidget(Beschriftung(QString::fromUtf8(art.Einsatz), rahmen), 4, spalte, 1, 2);
    raster->addWidget(Beschriftung(QString::fromUtf8(art.Leitungen), rahmen), 5, spalte, 1, 2);
}

QGroupBox* Lagerreihe(QWidget* eltern, const Lagerart (&arten)[4], const QString& breite) {
    QGridLayout* raster = nullptr;
    auto* rahmen = Rahmen(QString(), eltern, raster);
    raster->setHorizontalSpacing(4);
    const QString zeilen[6] = {
        QString(), QStringLiteral("Bezeichnung:"),    QStringLiteral("Höhe h:"),
        breite,    QStringLiteral("Einsatzbereich:"), QStringLiteral("Für Leitungen:")};
    for (int zeile = 1; zeile < 6; ++zeile) {
        raster->addWidget(Beschriftung(zeilen[zeile], rahmen), zeile, 0);
    }
    for (int k = 0; k < 4; ++k) {
        Lagerspalte(raster, 1 + 3 * k, arten[k]);
        if (k < 3) {
            raster->setColumnMinimumWidth(3 + 3 * k, 12); // room between the kinds
        }
    }
    return rahmen;
}

QWidget* Auswahlspalte(QWidget* eltern) {
    auto* spalte = new QWidget(eltern);
    auto* anordnung = new QVBoxLayout(spalte);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(Liste_mit_Titel(new QLabel(QStringLiteral("Nennweite")), "LB_Lager_NW",
                                         QSize(96, 420), spalte, true));
    anordnung->addStretch(1);
    anordnung->addWidget(Massblatt_knopf("Lager", spalte));
    anordnung->addWidget(Ende_Knopf("BitBtn7", spalte));
    return spalte;
}

} // namespace

QWidget* Baue_Seite_Lager() {
    auto [seite, panel] = Neue_Seite("TS_Lager", "P_Unterstuetzungen");
    auto* anordnung = new QHBoxLayout(panel);
    anordnung->setContentsMargins(4, 4, 4, 4);
    anordnung->setSpacing(10);
    anordnung->addWidget(Auswahlspalte(panel));
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Lagerreihe(panel, obere_reihe, QStringLiteral("Breite b / i:")));
    rechts->addWidget(Lagerreihe(panel, untere_reihe, QStringLiteral("Breite b:")));
    // The support table is no standard: the page says so where the values are.
    rechts->addWidget(new QLabel(QStringLiteral("Beispielwerte einer Werknorm, keine Norm: vor "
                                                "Verwendung durch den eigenen Werksstandard "
                                                "ersetzen."),
                                 panel));
    rechts->addStretch(1);
    anordnung->addLayout(rechts);
    anordnung->addStretch(1);
    return seite;
}

} // namespace pelmark::ui
