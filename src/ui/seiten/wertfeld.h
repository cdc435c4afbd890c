#pragma once
// The single-line field of every page. A read-only field holds a result: the
// Tab key passes it by (a click still focuses it, so its text can be selected
// and copied), and its look follows its read-only state in every style. A
// text wider than the field is shown whole in the field's tooltip.

#include <QLineEdit>

namespace pelmark::ui {

class Wertfeld : public QLineEdit {
  public:
    // No value needs more characters. Qt's own limit (32767) lets a huge
    // paste take half a second: its insert copies the text once per
    // character.
    static constexpr int Hoechstlaenge = 1000;

    explicit Wertfeld(QWidget* eltern);

    // True when the text does not fit the field's visible width.
    bool Abgeschnitten() const;
    // What the tooltip shows: the whole text when it is cut, then the
    // field's own tooltip.
    QString Hinweistext() const;

  protected:
    bool event(QEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
};

} // namespace pelmark::ui
