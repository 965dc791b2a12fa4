#pragma once

// Reading and writing one key of a template or meta template file, with the widths and
// conversions the files are written in. Writes go to a batch that replaces the file once.

class ProfileFileWrites;

// At most 9 characters, converted as "%d"; `value` keeps its old content on failure.
bool ReadProfileInt(const char* section, const char* key, const char* path, int& value);
// At most 19 characters, converted as "%lf"; `value` keeps its old content on failure.
bool ReadProfileDouble(const char* section, const char* key, const char* path, double& value);
// The empty text when missing; cut to `size` - 1 characters.
void ReadProfileText(const char* section, const char* key, const char* path, char* field, int size);

bool WriteProfileInt(ProfileFileWrites& file, const char* section, const char* key, int value);
// Six decimals, as "%lf" prints in the "C" locale.
bool WriteProfileDouble(ProfileFileWrites& file, const char* section, const char* key,
                        double value);
// The field up to its terminator or its end, whichever comes first.
bool WriteProfileText(ProfileFileWrites& file, const char* section, const char* key,
                      const char* field, int size);
