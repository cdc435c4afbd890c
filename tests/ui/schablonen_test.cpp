// The template panels on the offscreen platform: bound to the form model they
// show what the core computed for DN1 and DN2, typing and leaving a field
// recomputes them through the event table, and the preview draws the
// template. With PELMARK_SEITENBILDER naming a folder, a picture is saved.
#include "app/lebenszyklus.h"
#include "ui/binder.h"
#include "ui/seiten/schablonen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "pruef_umgebung.h"

#include <filesystem>
#include <memory>

using namespace pelmark;

class Schablonen_Test : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        namespace fs = std::filesystem;
        for (const char* teil : {"Daten", "InfoTabellen"}) {
            fs::copy(fs::path(PELMARK_TESTDATEN) / teil,
                     fs::path(ordner_.path().toStdString()) / teil,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        }
        form_ = std::make_unique<Mainform>(umgebung_, ordner_.path().toStdString() + "/", ',');
        Programmstart(*form_);
        FormCreate(*form_);
        FormActivate(*form_);
        flaeche_.reset(ui::Baue_Schablonen(*form_));
        binder_ = std::make_unique<ui::Binder>(
            form_->maske, flaeche_.get(), [this](const std::string& name, Ereignis art, int taste) {
                binder_->Widgets_zu_Modell();
                Loese_aus(*form_, name, art, taste);
                binder_->Modell_zu_Widgets();
            });
        binder_->Modell_zu_Widgets();
        flaeche_->resize(900, 640);
        flaeche_->show();
        QVERIFY(QTest::qWaitForWindowExposed(flaeche_.get()));
    }

    void cleanup() {
        binder_.reset();
        flaeche_.reset();
        form_.reset();
    }

    void zwei_Gruppen_mit_Feldern() {
        QCOMPARE(flaeche_->findChild<QGroupBox*>(QStringLiteral("P_Stutzen"))->title(),
                 QStringLiteral("Stutzen"));
        QCOMPARE(flaeche_->findChild<QGroupBox*>(QStringLiteral("P_Segmentbogen"))->title(),
                 QStringLiteral("Segmentbogen"));
        for (const char* name :
             {"E_Stutzen_Da", "E_Hauptrohr_Da", "E_Stutzen_Winkel", "E_Stutzen_Aussermitte",
              "E_Stutzen_Teilung", "E_Segment_Da", "E_Segment_Radius", "E_Segment_Winkel",
              "E_Segment_Teile", "E_Segment_Teilung"}) {
            auto* feld = flaeche_->findChild<QLineEdit*>(QString::fromLatin1(name));
            QVERIFY2(feld != nullptr && !feld->isReadOnly(), name);
        }
        auto* abwicklung = flaeche_->findChild<QLineEdit*>(QStringLiteral("E_Stutzen_Abwicklung"));
        QVERIFY(abwicklung->isReadOnly());
        QCOMPARE(abwicklung->text(),
                 QString::fromStdString(form_->maske.E_Stutzen_Abwicklung.Text));
        QVERIFY(abwicklung->text() != QStringLiteral("-"));
    }

    void Tippen_rechnet_neu() {
        auto* winkel = flaeche_->findChild<QLineEdit*>(QStringLiteral("E_Stutzen_Winkel"));
        winkel->setFocus();
        winkel->selectAll();
        QTest::keyClicks(winkel, QStringLiteral("20"));
        QTest::keyClick(winkel, Qt::Key_Return);
        auto* tiefe = flaeche_->findChild<QLineEdit*>(QStringLiteral("E_Stutzen_Tiefe"));
        QCOMPARE(tiefe->text(), QStringLiteral("-"));
        QCOMPARE(winkel->text(), QStringLiteral("20"));
        QCOMPARE(flaeche_->findChild<QLabel*>(QStringLiteral("L_Stutzen_Masse"))->text(),
                 QStringLiteral("Winkel außerhalb 30° bis 90°"));
    }

    void Vorschau_zeichnet() {
        const QString ziel = qEnvironmentVariable("PELMARK_SEITENBILDER");
        if (!ziel.isEmpty()) {
            flaeche_->grab().save(ziel + QStringLiteral("/schablonen.png"));
        }
        QWidget* vorschau = flaeche_->findChild<QWidget*>(QStringLiteral("I_Stutzen_Vorschau"));
        const QImage bild = vorschau->grab().toImage();
        int dunkel = 0;
        for (int y = 0; y < bild.height(); ++y) {
            for (int x = 0; x < bild.width(); ++x) {
                dunkel += qGray(bild.pixel(x, y)) < 80;
            }
        }
        QVERIFY2(dunkel > bild.width() / 2, "the cut curve is drawn across the preview");
    }

  private:
    QTemporaryDir ordner_;
    Pruef_Umgebung umgebung_;
    std::unique_ptr<Mainform> form_;
    std::unique_ptr<QWidget> flaeche_;
    std::unique_ptr<ui::Binder> binder_;
};

QTEST_MAIN(Schablonen_Test)
#include "schablonen_test.moc"
