// The browser edition has no libjpeg: pictures are a feature of the desktop
// edition, and reading one reports that plainly.
#include "media/jpeg.h"

#include "store/fehler.h"

namespace pelmark {

Jpegbild Lies_Jpeg(const std::filesystem::path& pfad) {
    throw Fehler("JPEG-Bilder zeigt nur die Desktop-Ausgabe von Pelmark: " +
                 pfad.filename().string());
}

} // namespace pelmark
