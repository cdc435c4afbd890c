#include "app/bildseite.h"

#include "app/handler.h"

#include <cmath>

namespace pelmark {

namespace {
// Nearest whole number, halves to the even neighbour.
int Gerundet(double wert) {
    return static_cast<int>(std::nearbyint(wert));
}
} // namespace

Bildgroesse Bildflaeche(int bildbreite, int bildhoehe, Bildgroesse bisher) {
    const double proportion = static_cast<double>(bildhoehe) / static_cast<double>(bildbreite);
    if (bildhoehe > Max_Hoehe || bildbreite > Max_Breite) {
        // Reduced by the dimension that exceeds its limit by more pixels.
        const int zu_hoch = bildhoehe - Max_Hoehe;
        const int zu_breit = bildbreite - Max_Breite;
        if (zu_hoch > zu_breit) {
            return {Gerundet(Max_Hoehe / proportion), Max_Hoehe};
        }
        if (zu_breit > zu_hoch) {
            return {Max_Breite, Gerundet(Max_Breite * proportion)};
        }
        return bisher;
    }
    if (bildhoehe > bildbreite) {
        return {Gerundet(bildhoehe / proportion), bildhoehe};
    }
    return {bildbreite, Gerundet(bildbreite * proportion)};
}

void Bildanzeige_Aktualisieren(Mainform& f, const std::string& Dateiname) {
    Jpegbild bild = Lies_Jpeg(Dateiname);
    if (bild.Breite <= 0 || bild.Hoehe <= 0) {
        throw Fehler("JPEG-Fehler: Das Bild hat keine Fläche");
    }
    f.jpegImg = std::move(bild);
    auto& image = f.maske.Image1;
    image.Datei = Dateiname;
    const Bildgroesse neu =
        Bildflaeche(f.jpegImg.Breite, f.jpegImg.Hoehe, {image.Breite, image.Hoehe});
    image.Breite = neu.Breite;
    image.Hoehe = neu.Hoehe;
}

void B_Graphik_ladenClick(Mainform& f) {
    const auto& dialog = f.maske.DLG_Bild_Laden;
    const auto datei = f.Plattform.Datei_waehlen(dialog.Filter, dialog.InitialDir);
    if (datei) {
        Bildanzeige_Aktualisieren(f, *datei);
    }
}

} // namespace pelmark
