#pragma once
// The template panels "Stutzen" and "Segmentbogen" with a preview of the
// template and the buttons that print it at 1:1 or save it as PDF. Not a page
// of its own: the page that shows it adds the widget to its layout. Every
// field is named after its control, so the binder finds it; the preview and
// the buttons read the drawings from the form model.

class QWidget;

namespace pelmark {
struct Mainform;
}

namespace pelmark::ui {

QWidget* Baue_Schablonen(Mainform& f, QWidget* eltern = nullptr);

} // namespace pelmark::ui
