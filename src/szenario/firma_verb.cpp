// "firma PFAD": the company folder of every following start (and of the
// next activation load of a running program). A folder beside the script is
// copied into the private copy as @/Firma and made read-only, as an office's
// share usually is; a path beginning with @/ is taken as it is, whether it
// exists or not; "firma" alone: no company folder.
#include "szenario/laeufer_intern.h"

#include <algorithm>
#include <vector>

namespace pelmark {

namespace {

void Nur_lesen(const fs::path& ordner) {
    for (const auto& eintrag : fs::recursive_directory_iterator(ordner)) {
        fs::permissions(eintrag.path(),
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    fs::permissions(ordner,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

} // namespace

void Schreibbar_machen(const fs::path& pfad) {
    std::error_code fehler;
    if (!fs::is_directory(pfad, fehler)) {
        return;
    }
    fs::permissions(pfad, fs::perms::owner_all, fs::perm_options::add, fehler);
    for (auto it = fs::recursive_directory_iterator(pfad, fehler);
         !fehler && it != fs::recursive_directory_iterator(); it.increment(fehler)) {
        fs::permissions(it->path(), fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, fehler);
        if (it->is_directory(fehler)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, fehler);
        }
    }
}

std::string Ordnerinhalt(const fs::path& ordner) {
    std::error_code fehler;
    if (!fs::is_directory(ordner, fehler)) {
        return "(fehlt)";
    }
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(ordner)) {
        namen.push_back(eintrag.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    std::string text;
    for (const std::string& name : namen) {
        text += (text.empty() ? "" : " | ") + name;
    }
    return text;
}

void Laeufer::Firma_verb(const Skriptzeile& z) {
    fs::path ordner;
    if (z.Rest.rfind("@", 0) == 0) {
        ordner = Pfad(z.Rest);
    } else if (!z.Rest.empty()) {
        const fs::path quelle = skriptordner_ / z.Rest;
        if (!fs::is_directory(quelle)) {
            throw Skriptfehler{"«firma»: kein Ordner " + z.Rest};
        }
        ordner = Kopie() / "Firma";
        Schreibbar_machen(ordner);
        fs::remove_all(ordner);
        fs::copy(quelle, ordner, fs::copy_options::recursive);
        Nur_lesen(ordner);
    }
    firma_ = ordner.empty() ? std::string() : (ordner / "").string();
    if (form_) {
        form_->Firmenordner = firma_;
    }
}

} // namespace pelmark
