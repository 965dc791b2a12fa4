#pragma once

// What the shell tells about a file or folder: the name it shows, the kind of item it
// says it is, its attributes. The shell's icons are not offered (a request for one fails).

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"

#define SHGFI_LARGEICON 0x000000000
#define SHGFI_SMALLICON 0x000000001
#define SHGFI_USEFILEATTRIBUTES 0x000000010
#define SHGFI_ICON 0x000000100
#define SHGFI_DISPLAYNAME 0x000000200
#define SHGFI_TYPENAME 0x000000400
#define SHGFI_ATTRIBUTES 0x000000800
#define SHGFI_SYSICONINDEX 0x000004000

#define SFGAO_LINK 0x00010000
#define SFGAO_READONLY 0x00040000
#define SFGAO_HIDDEN 0x00080000
#define SFGAO_FILESYSANCESTOR 0x10000000
#define SFGAO_FOLDER 0x20000000
#define SFGAO_FILESYSTEM 0x40000000

struct SHFILEINFO {
    int iIcon;
    DWORD dwAttributes;
    CHAR szDisplayName[MAX_PATH];
    CHAR szTypeName[80];
};

// Nonzero on success; 0 when the item is not there (unless SHGFI_USEFILEATTRIBUTES says
// what it is: `fileAttributes` then decides, and the file system is not asked) or an icon
// is asked for.
VORNUI_API DWORD_PTR SHGetFileInfo(LPCSTR path, DWORD fileAttributes, SHFILEINFO* info,
                                   UINT infoSize, UINT flags);
