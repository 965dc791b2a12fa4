#pragma once

// The system's registry: HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, each kept in an INI
// file (HKEY_CURRENT_USER.ini, HKEY_LOCAL_MACHINE.ini) in the folder the host chooses, or
// in memory until it chooses one. Every change is written at once, to a new file that
// then replaces the old, so that a crash never leaves half a file.
//
// HKEY_LOCAL_MACHINE\HARDWARE is the machine's own and is not stored: its key
// DEVICEMAP\SERIALCOMM lists the serial devices of SerialDevices.h, one value per device
// (named by the device, its data "COMn").

#include "vornui/platform/Export.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/KernelObject.h"
#include "vornui/platform/WinTypes.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using LSTATUS = LONG;
using REGSAM = DWORD;

#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000002u)))

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_QWORD 11

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F

#define REG_OPTION_NON_VOLATILE 0x0000
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2

#define ERROR_NO_MORE_ITEMS 259L

// Results are system error codes: ERROR_SUCCESS, ERROR_FILE_NOT_FOUND (no such key or
// value), ERROR_MORE_DATA (the buffer is too small; the size needed is handed back),
// ERROR_NO_MORE_ITEMS, ERROR_ACCESS_DENIED (a key opened without the right to change it,
// or the machine's hardware keys), ERROR_INVALID_HANDLE, ERROR_INVALID_PARAMETER.
VORNUI_API LSTATUS RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM access,
                                PHKEY result);
VORNUI_API LSTATUS RegCreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass,
                                  DWORD options, REGSAM access, SECURITY_ATTRIBUTES* security,
                                  PHKEY result, LPDWORD disposition);
// Null `data` asks only for the size (and type).
VORNUI_API LSTATUS RegQueryValueEx(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type,
                                   LPBYTE data, LPDWORD size);
VORNUI_API LSTATUS RegSetValueEx(HKEY key, LPCSTR name, DWORD reserved, DWORD type,
                                 const BYTE* data, DWORD size);
// `*nameSize` holds the buffer's size in characters and receives the name's length.
VORNUI_API LSTATUS RegEnumValue(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize,
                                LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize);
VORNUI_API LSTATUS RegEnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize,
                                LPDWORD reserved, LPSTR keyClass, LPDWORD classSize,
                                FILETIME* lastWrite);
VORNUI_API LSTATUS RegDeleteValue(HKEY key, LPCSTR name);
VORNUI_API LSTATUS RegCloseKey(HKEY key);

// The folder that holds the hives' files (made when first written); null keeps the
// registry in memory, empty. Either way the hives are read anew.
VORNUI_API void SetRegistryFolder(LPCSTR folder);
