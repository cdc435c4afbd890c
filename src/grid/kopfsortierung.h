#pragma once
// Sorting a shown table by a click on a column heading: the column's key kind
// follows from its cells (numbers when every cell reads as a number, dates
// when every cell is a date, text otherwise), and a click on a column that is
// already in ascending order reverses it. Only the grid's cells change; the
// file is written only when the user saves.

#include "grid/testringgrid.h"

#include <string>

namespace pelmark {

// "ZAHL", "DATUM" or "STRING" for the cells of that column from row `erste` on.
std::string Sortierart_der_Spalte(const TEStringGrid& g, int spalte, int erste);

// Sorts the rows from `erste` on by that column with the grid's own sort,
// ascending; when they already ascend (and not all keys are equal), the rows
// are put in descending order instead. Rows above `erste` stay in place.
Gittermeldungen Nach_Spalte_sortieren(TEStringGrid& g, int spalte, int erste);

} // namespace pelmark
