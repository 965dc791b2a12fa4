#pragma once

// The system's profile-file functions over INI files. Section and key names match
// case-insensitively; values lose surrounding blanks and one pair of enclosing quotes.
// A write changes only the line concerned and creates the file and section if needed.
// Any content, however malformed or binary, is read without harm.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#include <memory>
#include <string>

class IniDocument;

// Copies the value (or, with a null section or key, the list of section or key names,
// each ended by a zero byte, the list by another) into `returned`, cut to fit `size`.
// Returns the characters copied, without the final zero.
VORNUI_API DWORD GetPrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR defaultText,
                                         LPTSTR returned, DWORD size, LPCTSTR fileName);
VORNUI_API UINT GetPrivateProfileInt(LPCTSTR section, LPCTSTR key, INT defaultValue,
                                     LPCTSTR fileName);
// A null key removes the section, a null value removes the key.
VORNUI_API BOOL WritePrivateProfileString(LPCTSTR section, LPCTSTR key, LPCTSTR value,
                                          LPCTSTR fileName);

// Many writes to one profile file made as one replacement: each write changes the file's
// text in memory as WritePrivateProfileString would change the file, and Commit replaces
// the file once, atomically, leaving the same bytes the single writes would have left.
class VORNUI_API ProfileFileWrites {
public:
    // Reads the file now; a file that cannot be read (other than a missing one) or is
    // too large fails every write and the commit, as the single writes would.
    explicit ProfileFileWrites(LPCTSTR fileName);
    ~ProfileFileWrites();
    ProfileFileWrites(const ProfileFileWrites&) = delete;
    ProfileFileWrites& operator=(const ProfileFileWrites&) = delete;

    // A null key removes the section, a null value removes the key.
    BOOL Write(LPCTSTR section, LPCTSTR key, LPCTSTR value);
    // Replaces the file when its text changed; TRUE when nothing needed writing.
    BOOL Commit();

private:
    std::string m_path;
    std::string m_original;
    std::unique_ptr<IniDocument> m_document; // null when the file cannot be written
    DWORD m_error = 0;                       // why not
};
