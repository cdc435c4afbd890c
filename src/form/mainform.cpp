#include "form/mainform.h"

namespace pelmark {

std::string Mit_Schlusspunkt(const std::string& meldung) {
    if (meldung.empty() || static_cast<unsigned char>(meldung.back()) <= '.') {
        return meldung;
    }
    return meldung + ".";
}

void Zeige_Fehler(Mainform& f, const std::string& meldung) {
    f.Plattform.Zeige_Meldung(Meldungsart::fehler, "Pelmark", Mit_Schlusspunkt(meldung));
}

void Zeige_Hinweis(Mainform& f, Meldungsart art, const std::string& text) {
    f.Plattform.Zeige_Meldung(art, "Pelmark", text);
}

} // namespace pelmark
