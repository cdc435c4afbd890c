#include "affe/affe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <algorithm>

namespace pelmark::affe {

namespace {

std::string Name(const QObject& o) {
    const QString n = o.objectName();
    return n.isEmpty() ? o.metaObject()->className() : n.toStdString();
}

// The controls a user can reach on the page: visible, enabled, of a kind
// that takes input. The "ENDE" buttons restart the program; they are left
// out most of the time so a run spends its time on the pages.
std::vector<QWidget*> Bedienbare(QWidget& seite, bool mit_ende) {
    std::vector<QWidget*> liste;
    for (QWidget* w : seite.findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled()) {
            continue;
        }
        const QString name = w->objectName();
        if (!mit_ende && name.startsWith(QLatin1String("BitBtn"))) {
            continue;
        }
        const bool bild = qobject_cast<QLabel*>(w) != nullptr && !name.isEmpty();
        if (bild || qobject_cast<QListWidget*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QTableWidget*>(w)) {
            liste.push_back(w);
        }
    }
    return liste;
}

// Printable ASCII keys have the code of their (upper-case) character; every
// other character comes as text with an unknown key, as from an input method.
Qt::Key Taste_fuer(QChar c) {
    const char16_t z = c.toUpper().unicode();
    if (z >= 0x20 && z < 0x7f) {
        return static_cast<Qt::Key>(z);
    }
    return Qt::Key_unknown;
}

} // namespace

Affe::Affe(std::uint64_t seed, QStringList bilder, std::function<void()> herzschlag)
    : zufall_(seed), bilder_(std::move(bilder)), herzschlag_(std::move(herzschlag)) {}

int Affe::Zahl(int bis) {
    return bis <= 0 ? 0 : static_cast<int>(zufall_() % static_cast<std::uint64_t>(bis));
}

bool Affe::Wurf(int prozent) {
    return Zahl(100) < prozent;
}

QString Affe::Zufallstext() {
    static const char* const Teile[] = {"",      " ",      "   ",
                                        "0",     "1",      "7",
                                        "42",    "-1",     "+5",
                                        "1e308", "1E-400", "2e3",
                                        "e",     "E5",     ",",
                                        ".",     "-",      "+",
                                        "1,5",   "1.5",    "1.000,5",
                                        "0,0",   "-0",     "nan",
                                        "inf",   "1 5",    "\t",
                                        "\x01",  "\x7f",   ";",
                                        "\"",    "'",      "Ω",
                                        "日本",  "ß",      "é",
                                        "🔧",     "\u200b", "99999999999999999999999999",
                                        "0x1F",  "DN 50",  "%s%n"};
    const int teile = static_cast<int>(std::size(Teile));
    if (Wurf(3)) {
        return QString(5000 + Zahl(30000), QChar(u"9,.a Ω"[Zahl(6)])); // huge
    }
    QString text;
    const int anzahl = Zahl(4);
    for (int i = 0; i < anzahl; ++i) {
        text += QString::fromUtf8(Teile[Zahl(teile)]);
    }
    return text;
}

void Affe::Tastenfolge(QWidget& w, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, &w, Taste_fuer(c), QString(c), Qt::NoModifier);
        herzschlag_();
    }
}

std::string Affe::Tippe(QWidget& w) {
    QTest::mouseClick(&w, Qt::LeftButton);
    if (Wurf(60)) {
        QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);
    }
    const QString text = Zufallstext();
    std::string was = "tippe " + Name(w) + " (" + std::to_string(text.size()) + " Zeichen)";
    if (text.size() > 40 || Wurf(10)) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        was += " eingefügt";
    } else {
        Tastenfolge(w, text);
    }
    switch (Zahl(6)) {
    case 0:
        QTest::keyClick(&w, Qt::Key_Return);
        was += " Return";
        break;
    case 1:
        QTest::keyClick(&w, Qt::Key_Tab);
        was += " Tab";
        break;
    case 2:
        QTest::keyClick(&w, Qt::Key_Backspace);
        was += " Rück";
        break;
    default:
        break;
    }
    return was;
}

std::string Affe::Zelle(QWidget& w) {
    auto& gitter = static_cast<QTableWidget&>(w);
    if (gitter.rowCount() == 0 || gitter.columnCount() == 0) {
        QTest::mouseClick(gitter.viewport(), Qt::LeftButton);
        return "klick leeres Gitter " + Name(w);
    }
    const int zeile = Zahl(gitter.rowCount());
    const int spalte = Zahl(gitter.columnCount());
    gitter.scrollTo(gitter.model()->index(zeile, spalte));
    const QPoint punkt = gitter.visualRect(gitter.model()->index(zeile, spalte)).center();
    std::string was = Name(w) + " Zelle " + std::to_string(spalte) + "/" + std::to_string(zeile);
    QTest::mouseClick(gitter.viewport(), Qt::LeftButton, {}, punkt);
    if (Wurf(50)) {
        QTest::mouseDClick(gitter.viewport(), Qt::LeftButton, {}, punkt);
        if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            editor && gitter.isAncestorOf(editor)) {
            const QString text = Zufallstext().left(200);
            Tastenfolge(*editor, text);
            QTest::keyClick(editor, Wurf(80) ? Qt::Key_Return : Qt::Key_Escape);
            was += " bearbeitet";
        }
    } else if (Wurf(30)) {
        QTest::keyClick(gitter.viewport(), Wurf(50) ? Qt::Key_Down : Qt::Key_Right);
    }
    return was;
}

std::string Affe::Klick_Widget(QWidget& w) {
    if (auto* liste = qobject_cast<QListWidget*>(&w)) {
        const int erste = Erste_Zeile_gesperrt(*liste) ? 1 : 0;
        if (liste->count() <= erste) {
            return "leere Liste " + Name(w);
        }
        const int zeile = erste + Zahl(liste->count() - erste);
        liste->scrollToItem(liste->item(zeile));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(zeile)).center());
        if (erste == 0 && Wurf(20)) {
            QTest::keyClick(liste->viewport(), Wurf(50) ? Qt::Key_Down : Qt::Key_Up);
        }
        return "liste " + Name(w) + " " + std::to_string(zeile);
    }
    if (auto* box = qobject_cast<QComboBox*>(&w)) {
        box->setFocus(Qt::MouseFocusReason);
        static const Qt::Key Tasten[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                         Qt::Key_PageDown};
        const int schritte = 1 + Zahl(4);
        for (int i = 0; i < schritte; ++i) {
            QTest::keyClick(box, Tasten[Zahl(5)]);
            herzschlag_();
        }
        return "auswahl " + Name(w) + " -> " + std::to_string(box->currentIndex());
    }
    if (qobject_cast<QLineEdit*>(&w)) {
        return Tippe(w);
    }
    if (qobject_cast<QTableWidget*>(&w)) {
        return Zelle(w);
    }
    if (auto* knopf = qobject_cast<QAbstractButton*>(&w)) {
        if (Wurf(10)) {
            knopf->setFocus(Qt::TabFocusReason);
            QTest::keyClick(knopf, Qt::Key_Space);
            return "leertaste " + Name(w);
        }
    }
    QTest::mouseClick(&w, Qt::LeftButton);
    return "klick " + Name(w);
}

std::string Affe::Infofenster_bedienen() {
    std::vector<QDialog*> offen;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
            offen.push_back(d);
        }
    }
    if (offen.empty()) {
        return "kein Infofenster offen";
    }
    // The application lists its windows in no fixed order.
    std::sort(offen.begin(), offen.end(), [](const QDialog* a, const QDialog* b) {
        return a->windowTitle() < b->windowTitle();
    });
    QDialog& fenster = *offen[static_cast<size_t>(Zahl(static_cast<int>(offen.size())))];
    if (Wurf(40)) {
        if (auto* text = fenster.findChild<QTextEdit*>()) {
            QTest::mouseClick(text->viewport(), Qt::LeftButton);
            Tastenfolge(*text->viewport(), Zufallstext().left(100));
            return "tippe in " + Name(fenster);
        }
    }
    if (Wurf(50)) {
        if (auto* knopf = fenster.findChild<QPushButton*>()) {
            QTest::mouseClick(knopf, Qt::LeftButton);
            return "schliesse " + Name(fenster) + " mit Knopf";
        }
    }
    fenster.close();
    return "schliesse " + Name(fenster);
}

std::string Affe::Schritt(QWidget& fenster, QTabWidget& reiter) {
    const int art = Zahl(100);
    if (art < 10) {
        const int seite = Zahl(reiter.count());
        Ankuendigung("reiter " + std::to_string(seite));
        QTest::mouseClick(reiter.tabBar(), Qt::LeftButton, {},
                          reiter.tabBar()->tabRect(seite).center());
        return "reiter " + std::to_string(seite);
    }
    if (art < 15) {
        QWidget* fokus = QApplication::focusWidget();
        Ankuendigung("fokus weiter");
        QTest::keyClick(fokus ? fokus : &fenster, Wurf(70) ? Qt::Key_Tab : Qt::Key_Backtab);
        return "fokus weiter";
    }
    if (art < 19) {
        Ankuendigung("infofenster");
        return Infofenster_bedienen();
    }
    QWidget* seite = reiter.currentWidget();
    const auto liste = Bedienbare(*seite, Wurf(3));
    if (liste.empty()) {
        return "nichts bedienbar";
    }
    QWidget& ziel = *liste[static_cast<size_t>(Zahl(static_cast<int>(liste.size())))];
    Ankuendigung("bediene " + Name(ziel));
    return Klick_Widget(ziel);
}

bool Affe::Beantworte(QWidget& modal, QString& meldungstext) {
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        meldungstext = box->text();
        const auto knoepfe = box->buttons();
        if (!knoepfe.isEmpty()) {
            knoepfe.first()->click();
        } else {
            box->done(0);
        }
        return true;
    }
    if (auto* dialog = qobject_cast<QFileDialog*>(&modal)) {
        if (bilder_.isEmpty() || Wurf(40)) {
            dialog->reject();
        } else {
            dialog->selectFile(bilder_[Zahl(static_cast<int>(bilder_.size()))]);
            static_cast<QDialog*>(dialog)->accept(); // public on the base
        }
        return false;
    }
    if (auto* knopf = modal.findChild<QPushButton*>(); knopf && Wurf(50)) {
        knopf->click();
    } else {
        modal.close();
    }
    return false;
}

} // namespace pelmark::affe
