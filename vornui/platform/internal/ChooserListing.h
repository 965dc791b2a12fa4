#pragma once

// Inside the file chooser's window: what it lists of a folder, and the names a person
// types into it.

#include "vornui/platform/CString.h"
#include "vornui/platform/WinTypes.h"

#include <string>
#include <vector>

struct ChooserEntry {
    std::string name;
    bool folder;
    ULONGLONG size; // bytes; 0 for a folder
};

// The folders of `folder` and its files that match one of `patterns` (a filter's
// patterns, separated by ';'), folders first, each part in name order ignoring case.
// Hidden entries (a leading dot) are left out. Empty when the folder cannot be read.
std::vector<ChooserEntry> ListChooserFolder(const std::string& folder, const CString& patterns);
// The names of the folders in `folder`, in the same order, hidden ones left out.
std::vector<std::string> SubfolderNames(const std::string& folder);
// Whether `folder` holds a folder that SubfolderNames would name.
bool HasSubfolders(const std::string& folder);

// The names typed into the name field: one name as it stands, or several, each in double
// quotes ("a.aft" "b.aft").
std::vector<CString> TypedNames(const CString& text);

// Several names as the name field shows them: each in double quotes; one name bare.
CString NamesText(const std::vector<CString>& names);
