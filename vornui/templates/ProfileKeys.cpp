#include "vornui/templates/ProfileKeys.h"

#include "vornui/platform/ProfileFile.h"
#include "vornui/templates/NumberScan.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

bool ReadProfileInt(const char* section, const char* key, const char* path, int& value) {
    char text[10];
    GetPrivateProfileString(section, key, "", text, sizeof text, path);
    return ScanInt(text, value);
}

bool ReadProfileDouble(const char* section, const char* key, const char* path, double& value) {
    char text[20];
    GetPrivateProfileString(section, key, "", text, sizeof text, path);
    return ScanDouble(text, value);
}

void ReadProfileText(const char* section, const char* key, const char* path, char* field,
                     int size) {
    GetPrivateProfileString(section, key, "", field, static_cast<DWORD>(size), path);
}

bool WriteProfileInt(ProfileFileWrites& file, const char* section, const char* key, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return file.Write(section, key, text) != FALSE;
}

// As "%lf" prints in the "C" locale, whatever locale the host has chosen.
bool WriteProfileDouble(ProfileFileWrites& file, const char* section, const char* key,
                        double value) {
    char text[512];
    const auto written =
        std::to_chars(text, text + sizeof text - 1, value, std::chars_format::fixed, 6);
    *written.ptr = '\0';
    return file.Write(section, key, text) != FALSE;
}

bool WriteProfileText(ProfileFileWrites& file, const char* section, const char* key,
                      const char* field, int size) {
    const std::string text(field, strnlen(field, static_cast<size_t>(size)));
    return file.Write(section, key, text.c_str()) != FALSE;
}
