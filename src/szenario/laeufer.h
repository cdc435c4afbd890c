#pragma once
// The scenario runner: replays a script of user actions against the core with
// a recording platform and prints what the user would see. Exit status 0 when
// every expectation held, 1 when one failed, 2 when the script could not be
// read or a line could not be understood.

#include <iosfwd>
#include <string>

namespace pelmark {

// Runs one script; writes its output to aus. Returns 0, 1 or 2.
int Fuehre_Szenario_aus(const std::string& skriptpfad, const std::string& standardprogramm,
                        std::ostream& aus);

} // namespace pelmark
