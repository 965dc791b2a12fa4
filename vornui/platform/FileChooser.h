#pragma once

// The system's file choosers. The desktop's user answers them (DesktopUser.h), or, where
// choosers show windows (ChooserWindows.h), the person chooses in the chooser's window; the
// chooser then makes the checks the real one makes against the real file system (a file
// that must exist, a folder that must exist, a file to be replaced) and asks the user
// again when one fails, the window staying open.

#include "vornui/platform/Export.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/platform/WindowTypes.h"

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_ENABLEHOOK 0x00000020
#define OFN_NOVALIDATE 0x00000100
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_EXTENSIONDIFFERENT 0x00000400
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_NOREADONLYRETURN 0x00008000
#define OFN_EXPLORER 0x00080000
#define OFN_ENABLESIZING 0x00800000

#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define FNERR_BUFFERTOOSMALL 0x3003

struct OPENFILENAME {
    DWORD lStructSize;
    HWND hwndOwner;
    HANDLE hInstance;
    LPCSTR lpstrFilter; // pairs of description and patterns, each ended by a zero byte
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPSTR lpstrFile; // in: the proposed name; out: the path, or folder and names
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPVOID lpfnHook;
    LPCSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
};
using LPOPENFILENAME = OPENFILENAME*;

// TRUE when the user chose; FALSE when cancelled (CommDlgExtendedError() 0) or on an error.
// With OFN_ALLOWMULTISELECT and several files, lpstrFile receives the folder and then each
// name, each ended by a zero byte and the list by another.
VORNUI_API BOOL GetOpenFileName(LPOPENFILENAME ofn);
VORNUI_API BOOL GetSaveFileName(LPOPENFILENAME ofn);
VORNUI_API DWORD CommDlgExtendedError();
