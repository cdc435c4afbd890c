#include "szenario/geschichte_lauf.h"

#include "szenario/geschichte.h"
#include "szenario/laeufer_intern.h"
#include "szenario/skriptzeile.h"
#include "szenario/zufallsaktionen.h"

#include <random>

namespace pelmark {

namespace {

// Messages of the runs are not needed: the comparison reads the fields.
std::ostream& Stumm() {
    static std::ostream nichts(nullptr);
    return nichts;
}

} // namespace

std::unique_ptr<Laeufer> Gestarteter_Laeufer(const std::string& programm, char dezimal,
                                             std::ostream& aus) {
    auto laeufer = std::make_unique<Laeufer>("geschichte.szn", programm, aus);
    laeufer->Fuehre_aus(std::string("dezimal ") + dezimal);
    laeufer->Fuehre_aus("start");
    laeufer->Fuehre_aus("timer");
    return laeufer;
}

std::vector<std::string> Vergleiche_mit_Frischstart(const Mainform& f, const Benutzereingaben& e,
                                                    const std::string& programm, char dezimal,
                                                    std::vector<std::string>& frischstart,
                                                    bool mit_dateien) {
    auto frisch = Gestarteter_Laeufer(programm, dezimal, Stumm());
    frischstart = Auf_Endstand_bringen(
        f, e, frisch->Formular(), [&](const std::string& zeile) { frisch->Fuehre_aus(zeile); },
        mit_dateien);
    return Wertunterschiede(f, frisch->Formular(), mit_dateien);
}

namespace {

// Runs the actions (generating them first when erzeuger is given), presses
// Enter where an input waits for it, and compares with a fresh start.
template <typename Naechste>
Geschichtsversuch Lauf(const std::string& programm, char dezimal, int anzahl, Naechste naechste) {
    Geschichtsversuch v;
    v.Dezimal = dezimal;
    Benutzereingaben eingaben;
    auto lauf = Gestarteter_Laeufer(programm, dezimal, Stumm());
    try {
        for (int i = 0; i < anzahl; ++i) {
            v.Aktionen.push_back(naechste(lauf->Formular(), i));
            lauf->Fuehre_aus(v.Aktionen.back());
            Vermerke(v.Aktionen.back(), eingaben);
        }
        v.Abschluss = Abschlusszeilen(lauf->Formular(), eingaben);
        for (const std::string& zeile : v.Abschluss) {
            lauf->Fuehre_aus(zeile);
        }
        v.Unterschiede = Vergleiche_mit_Frischstart(lauf->Formular(), eingaben, programm, dezimal,
                                                    v.Frischstart);
    } catch (const Skriptfehler& e) {
        v.Skriptfehler = e.Text;
    }
    return v;
}

} // namespace

Geschichtsversuch Versuche_Geschichte(const std::string& programm, std::uint64_t seed,
                                      std::uint64_t versuch, int laenge,
                                      const std::string& zulassen) {
    std::seed_seq saat{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                       static_cast<std::uint32_t>(versuch)};
    std::mt19937_64 misch(saat);
    Zufallsaktionen aktionen(misch(), zulassen);
    const char dezimal = (misch() & 1) != 0 ? ',' : '.';
    const int anzahl = 1 + static_cast<int>(misch() % static_cast<std::uint64_t>(laenge));
    return Lauf(programm, dezimal, anzahl,
                [&](const Mainform& f, int) { return aktionen.Naechste(f); });
}

Geschichtsversuch Pruefe_Folge(const std::string& programm, char dezimal,
                               const std::vector<std::string>& aktionen) {
    return Lauf(programm, dezimal, static_cast<int>(aktionen.size()),
                [&](const Mainform&, int i) { return aktionen[static_cast<size_t>(i)]; });
}

std::vector<std::string> Kuerze(const std::string& programm, char dezimal,
                                std::vector<std::string> aktionen) {
    for (size_t i = aktionen.size(); i-- > 0;) {
        std::vector<std::string> ohne = aktionen;
        ohne.erase(ohne.begin() + static_cast<std::ptrdiff_t>(i));
        const Geschichtsversuch v = Pruefe_Folge(programm, dezimal, ohne);
        if (v.Skriptfehler.empty() && !v.Unterschiede.empty()) {
            aktionen = std::move(ohne);
        }
    }
    return aktionen;
}

} // namespace pelmark
