#pragma once
// Date keys for sorting: date values are the platform's day counts from
// 30 December 1899 (day 0) with the time of day as fraction; -1 means "not a
// date". Texts give dates in three forms by their length: "2021",
// "12.2021" and "24.12.2021" (any character between the parts). Minutes are
// counted from 1 January 1900 with every fourth year a leap year, so only the
// order of two dates is meaningful, not the distance.

#include <cstdint>
#include <string_view>

namespace pelmark {

using Datumswert = double;

// True when the year is divisible by 4 (1900 and 2100 count).
bool Schaltjahr(std::uint16_t Jahreszahl);

// Day of the year, 1 to 366, February counting 29 days in every Schaltjahr.
std::uint16_t TagNummer(Datumswert Datum);

// Minutes from 1 January 1900, 0:00. Dates before 1900 count backwards
// (negative); the wide form keeps years beyond 5983 in order.
std::int64_t Minuten_seit_1900_lang(Datumswert Datum);
std::int32_t Minuten_seit_1900(Datumswert Datum);

// The date of a text of 4, 7 or 10 characters, or -1.
Datumswert String_zu_Datum(std::string_view Zeitstr);

// Minuten_seit_1900 of String_zu_Datum, or -1 when the text is not a date.
std::int32_t String_zu_Minuten_seit_1900(std::string_view Zeitstr);

// The date value of a calendar day of the years 1 to 9999, or -1 when the day
// does not exist.
Datumswert Kodiere_Datum(int jahr, int monat, int tag);

} // namespace pelmark
