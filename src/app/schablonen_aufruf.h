#pragma once
// "pelmark --stutzen "DN 50 auf DN 100" [--winkel 90] [--aussermitte 0]
// [--teilung 16] [--csv DATEI|-] [--pdf DATEI]" and "pelmark --segmentbogen
// "DN 200" [--radius R] [--winkel 90] [--teile 4] [--teilung 16] [--csv …]
// [--pdf …]": the cut templates without a window. A size is what the search
// field reads ("DN 50", "NPS 2") or an outside diameter in mm ("60,3").

#include "app/aufruf.h"

#include <optional>
#include <string>
#include <vector>

namespace pelmark {

struct Schablonenauftrag {
    bool Segmentbogen = false; // else a branch
    std::string Groesse;       // "DN 50 auf DN 100", "DN 200"
    std::optional<double> Winkel;
    std::optional<double> Aussermitte;
    std::optional<double> Radius;
    int Teilung = 16;
    int Teile = 4;
    std::string Csv; // "-" for standard output
    std::string Pdf;
};

struct Schablonenlesung {
    std::optional<Schablonenauftrag> Auftrag;
    std::string Meldung; // what cannot be read
};

// Nothing when neither "--stutzen" nor "--segmentbogen" is among the arguments.
std::optional<Schablonenlesung> Schablonenauftrag_lesen(const std::vector<std::string>& argumente);

// For Aufruf_lesen: the call for a template, or the refusal with the usage.
std::optional<Aufruf> Schablonenaufruf(const std::vector<std::string>& argumente,
                                       const std::string& gebrauch);

} // namespace pelmark
