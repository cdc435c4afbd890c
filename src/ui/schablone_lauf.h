#pragma once
// "pelmark --stutzen …" and "pelmark --segmentbogen …": the ordinate table
// and the 1:1 PDF without a window; the exit status of the program.

namespace pelmark::ui {

int Schablone_schreiben(int argc, char** argv);

} // namespace pelmark::ui
