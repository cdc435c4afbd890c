#pragma once
// The search field in the tab bar's corner: completions from the core as
// the user types, Enter runs the search, a one-line message below it when
// the input was not understood.

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QStringListModel;

namespace pelmark::ui {

class Suchfeld : public QWidget {
  public:
    // suchen runs the search and returns its message (empty on success);
    // vorschlaege gives the completions for a prefix.
    Suchfeld(std::function<std::string(const std::string&)> suchen,
             std::function<std::vector<std::string>(const std::string&)> vorschlaege,
             QWidget* eltern);

    QLineEdit* Eingabe() const { return eingabe_; }
    // The message of the last search, empty when it was understood.
    QString Meldung() const;

  private:
    void Melde(const QString& text);

    QLineEdit* eingabe_;
    QLabel* meldung_;
    QStringListModel* modell_;
};

} // namespace pelmark::ui
