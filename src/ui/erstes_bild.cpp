#include "ui/erstes_bild.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace pelmark::ui {

namespace {

class Bildmelder : public QObject {
  public:
    Bildmelder(QWidget& fenster, std::function<bool()> bereit)
        : QObject(&fenster), fenster_(fenster), bereit_(std::move(bereit)) {}

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && objekt->isWidgetType() &&
            static_cast<QWidget*>(objekt)->window() == &fenster_ && bereit_()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The paint of this frame ends before the next turn of the loop.
            QTimer::singleShot(0, this, [] { Erstes_Bild_melden(); });
        }
        return false;
    }

  private:
    QWidget& fenster_;
    std::function<bool()> bereit_;
};

} // namespace

void Erstes_Bild_melden() {
    static bool gemeldet = false;
    if (!gemeldet && !qEnvironmentVariableIsEmpty("PELMARK_ERSTES_BILD")) {
        gemeldet = true;
        std::fputs("erstes Bild\n", stdout);
        std::fflush(stdout);
    }
}

void Melde_erstes_Bild(QWidget& fenster, std::function<bool()> bereit) {
    if (qEnvironmentVariableIsEmpty("PELMARK_ERSTES_BILD")) {
        return;
    }
    QCoreApplication::instance()->installEventFilter(new Bildmelder(fenster, std::move(bereit)));
}

} // namespace pelmark::ui
