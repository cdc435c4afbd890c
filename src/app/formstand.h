#pragma once
// A copy of everything the fitter sees: every control of the form and the
// global calculation values. An action that must change nothing when it
// fails (a search that finds no match) takes one first and puts it back.

#include "form/mainform.h"

#include <functional>
#include <vector>

namespace pelmark {

class Formstand {
  public:
    explicit Formstand(Mainform& f);

    // Every control and value as it was when the copy was taken.
    void Zurueck() const;

  private:
    std::vector<std::function<void()>> zurueck_;
};

} // namespace pelmark
