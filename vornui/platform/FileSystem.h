#pragma once

// Files, folders and the environment under their system names, over POSIX. Paths may use
// either separator. Failures set the last system error (file not found, access denied...).

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <string>
#include <string_view>

#define INVALID_FILE_ATTRIBUTES 0xFFFFFFFFu
#define FILE_ATTRIBUTE_READONLY 0x00000001u
#define FILE_ATTRIBUTE_HIDDEN 0x00000002u
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010u
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020u
#define FILE_ATTRIBUTE_NORMAL 0x00000080u

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct WIN32_FIND_DATA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
};
using LPWIN32_FIND_DATA = WIN32_FIND_DATA*;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

VORNUI_API DWORD GetFileAttributes(LPCTSTR path);
VORNUI_API BOOL CreateDirectory(LPCTSTR path, LPSECURITY_ATTRIBUTES security);
VORNUI_API BOOL RemoveDirectory(LPCTSTR path);
// A folder or a read-only file (FILE_ATTRIBUTE_READONLY) is refused with access denied.
VORNUI_API BOOL DeleteFile(LPCTSTR path);
VORNUI_API BOOL CopyFile(LPCTSTR existing, LPCTSTR newFile, BOOL failIfExists);
VORNUI_API BOOL MoveFile(LPCTSTR existing, LPCTSTR newFile);

// Names in a folder matching a pattern with '*' and '?' (case-insensitive), in name order.
VORNUI_API HANDLE FindFirstFile(LPCTSTR pattern, LPWIN32_FIND_DATA found);
VORNUI_API BOOL FindNextFile(HANDLE search, LPWIN32_FIND_DATA found);
VORNUI_API BOOL FindClose(HANDLE search);
// The wildcard rule of the searches above, for callers that filter names themselves.
VORNUI_API bool MatchesFilePattern(const char* name, const char* pattern);

VORNUI_API DWORD GetCurrentDirectory(DWORD size, LPTSTR buffer);
VORNUI_API BOOL SetCurrentDirectory(LPCTSTR path);
// TEMP, else TMPDIR, else /tmp; always with a trailing separator.
VORNUI_API DWORD GetTempPath(DWORD size, LPTSTR buffer);

// Copies the variable's value; when it does not fit, returns the size needed (with the
// final zero) and copies nothing. 0 with ERROR_ENVVAR_NOT_FOUND when it is not set.
VORNUI_API DWORD GetEnvironmentVariable(LPCTSTR name, LPTSTR buffer, DWORD size);
// A null value removes the variable.
VORNUI_API BOOL SetEnvironmentVariable(LPCTSTR name, LPCTSTR value);

// `folder` and `name` with one '/' between them, whatever separators the folder ends with
// or the name starts with; an empty folder gives the name alone.
VORNUI_API std::string JoinPath(std::string_view folder, std::string_view name);
