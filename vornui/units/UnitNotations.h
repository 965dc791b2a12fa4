#pragma once

// The units whose text is a notation rather than a plain number: angles (the full-circle
// rule and the degree-minute-second notations), stations, clock times and sign affixes.
// Internal to the library.

#include "vornui/platform/CString.h"

class TextBuilder;

// Truncation toward zero as the processor does it: a value outside the int range, and
// NaN, become INT_MIN instead of undefined behaviour.
int TruncateToInt(double value);

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
