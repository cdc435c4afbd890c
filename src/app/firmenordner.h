#pragma once
// Where Pelmark finds the design office's company folder, first found wins:
//
//   1. the option "--firma DIR"
//   2. the environment variable PELMARK_FIRMA
//   3. the line "firma=DIR" in $XDG_CONFIG_HOME/pelmark/pelmark.conf
//      (default ~/.config/pelmark/pelmark.conf)
//   4. the same line in /etc/pelmark/pelmark.conf
//
// The decision is a plain function of the values; reading the environment
// and the two files is app/einstellungen_lesen.cpp's one job.

#include <optional>
#include <string>

namespace pelmark {

struct Einstellungsquellen {
    std::string Pelmark_firma; // PELMARK_FIRMA, empty when unset
    std::string Benutzer_conf; // text of the user's pelmark.conf, if any
    std::string Benutzer_pfad; // its path (for relative folders)
    std::string System_conf;   // text of /etc/pelmark/pelmark.conf, if any
    std::string System_pfad;
};

// The environment and the two configuration files.
Einstellungsquellen Einstellungen_lesen();

// The value of the last "firma=" line of a configuration text (blanks
// around it removed, lines starting with '#' skipped), or nothing.
std::optional<std::string> Firma_aus_conf(const std::string& text);

// The company folder with a trailing separator, or empty for none. A folder
// named relative to a configuration file lies beside that file; an empty
// "firma=" in the user's file turns off the system's.
std::string Firmenordner_bestimmen(const std::string& option, const Einstellungsquellen& quellen);

} // namespace pelmark
