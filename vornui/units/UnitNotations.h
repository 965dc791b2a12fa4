#pragma once

// The units whose text is a notation rather than a plain number: angles (the full-circle
// rule and the degree-minute-second notations), stations, clock times and sign affixes.
// Internal to the library.

#include "vornui/platform/CString.h"

class TextBuilder;

// Whole-number fields (integer base types, hundreds of stations, hours and minutes) are
// computed in 64 bits; from 2^53 on a double no longer counts in ones, so larger values
// are not printed in such fields.
inline constexpr double kLargestWholeField = 0x1p53;

// Whether `value`, in unit `code`, has a text in that unit: it is finite, and below
// kLargestWholeField in size where the unit prints whole-number fields.
bool CanPrintInUnit(unsigned short code, double value);
// Truncation toward zero of a value that CanPrintInUnit accepted, or of a part of it.
long long TruncateToWhole(double value);

// The printers below take values that CanPrintInUnit accepted.
// An angle in degrees in a degree unit, into an empty text; `fromDegrees` is the unit's
// factor. The degree notations print no sign.
void PrintAngle(unsigned short code, double degrees, int bPlusMinus180, double fromDegrees,
                TextBuilder& text);
// A value in stations (hundreds, '+', the rest), with its sign in front.
void PrintStations(double stations, TextBuilder& text);
// A time in seconds in a time unit; unless bNoDayWrap is set, whole days are folded out
// of the hours and shown as "(+n)".
void PrintTime(unsigned short code, double seconds, int bNoDayWrap, TextBuilder& text);
// Adds the sign character of an affix unit for `value` to `out`.
void ApplyAffix(unsigned short code, double value, CString& out);
