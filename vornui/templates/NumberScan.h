#pragma once

// The C library's scanf conversions that data and template files are read with, answered
// without a scanf call for the plain forms that make up nearly every file. Anything
// unusual (hexadecimal, octal, infinities, numbers beyond range) goes to sscanf itself, so
// the answers are the C library's on every input: those of its "C" locale, since files
// are written with a decimal point whatever locale the host has chosen.

// sscanf(text, "%d", &value) == 1; `value` is untouched on failure.
bool ScanInt(const char* text, int& value);
// sscanf(text, "%lf", &value) == 1; `value` is untouched on failure.
bool ScanDouble(const char* text, double& value);
// sscanf(text, "%i%c%i%c%lf", &whole, &separator, &minutes, &separator, &seconds): the
// count of parts read (-1 for an empty text); parts not read are untouched.
int ScanSexagesimal(const char* text, int& whole, int& minutes, double& seconds);

// A double converted to a 32-bit integer by truncation toward zero; values beyond the
// range (and NaN) give INT_MIN, as the processor's conversion does.
int TruncateToInt32(double value);
