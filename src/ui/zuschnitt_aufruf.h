#pragma once
// "pelmark --etage …": the cut sheet without a window, as free table
// (to a file or, for "-", to standard output) and/or PDF.

#include "app/aufruf.h"

namespace pelmark::ui {

// The exit status: 0 written, 1 data or file trouble, 2 size not understood.
int Zuschnitt_schreiben(int argc, char** argv, const Aufruf& aufruf);

} // namespace pelmark::ui
