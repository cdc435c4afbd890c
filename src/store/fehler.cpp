#include "store/fehler.h"

namespace pelmark {

namespace meldung {
std::string Kein_Gleitkommawert(const std::string& text) {
    return "'" + text + "' ist kein gültiger Gleitkommawert";
}
std::string Datei_nicht_offen(const std::string& pfad, const std::string& grund) {
    return "Datei " + pfad + " kann nicht geöffnet werden. " + grund;
}
std::string Listenindex(long index) {
    return "Listenindex außerhalb des gültigen Bereichs (" + std::to_string(index) + ")";
}
} // namespace meldung

void Bereichsfehler() {
    throw Fehler(meldung::Bereichspruefung);
}

} // namespace pelmark
