#include "tests/TempDir.h"

#include "vornui/platform/Registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The registry in a folder of the test's own, back in memory afterwards.
class RegistryFolder {
public:
    RegistryFolder() { SetRegistryFolder(m_dir.path().c_str()); }
    ~RegistryFolder() { SetRegistryFolder(nullptr); }
    void Reopen() const { SetRegistryFolder(m_dir.path().c_str()); }
    std::string HiveFile(const char* name) const { return TempDir::read(m_dir.file(name)); }

private:
    TempDir m_dir;
};

LSTATUS SetString(HKEY key, const char* name, const std::string& text) {
    return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
}

LSTATUS SetDword(HKEY key, const char* name, DWORD value) {
    return RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                         sizeof value);
}

std::vector<std::string> ValueNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];
    DWORD size = sizeof name;
    for (DWORD index = 0;
         RegEnumValue(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++index, size = sizeof name)
        names.emplace_back(name, size);
    return names;
}

std::vector<std::string> SubKeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];
    DWORD size = sizeof name;
    for (DWORD index = 0;
         RegEnumKeyEx(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++index, size = sizeof name)
        names.emplace_back(name, size);
    return names;
}

} // namespace

TEST(Registry, ValuesAreWrittenEnumeratedAndReadBackAfterReopening) {
    RegistryFolder folder;
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Vorn\\Lists\\Depths", 0, nullptr,
                             REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    EXPECT_EQ(SetDword(key, "Column0", 120), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(key, "Column1", 64), ERROR_SUCCESS);
    EXPECT_EQ(SetString(key, "Title", " Depth [m]=\\ok\n"), ERROR_SUCCESS);
    EXPECT_EQ(SetString(key, nullptr, "the default"), ERROR_SUCCESS);
    const BYTE bytes[] = {0, 1, 0xFF, '\n'};
    EXPECT_EQ(RegSetValueEx(key, "Raw", 0, REG_BINARY, bytes, sizeof bytes), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(key, "Column1", 80), ERROR_SUCCESS); // replaced in place
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    folder.Reopen(); // everything comes back from the file
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "software\\VORN\\lists", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(SubKeyNames(key), std::vector<std::string>{"Depths"});
    HKEY depths = nullptr;
    ASSERT_EQ(RegOpenKeyEx(key, "Depths", 0, KEY_READ, &depths), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(ValueNames(depths),
              (std::vector<std::string>{"Column0", "Column1", "Title", "", "Raw"}));
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(
        RegQueryValueEx(depths, "Column1", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 80u);
    char text[64];
    size = sizeof text;
    EXPECT_EQ(
        RegQueryValueEx(depths, "Title", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(std::string(text, size), std::string(" Depth [m]=\\ok\n\0", 16));
    BYTE raw[8];
    size = sizeof raw;
    EXPECT_EQ(RegQueryValueEx(depths, "Raw", nullptr, &type, raw, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(std::memcmp(raw, bytes, sizeof bytes), 0);
    size = sizeof text;
    EXPECT_EQ(RegQueryValueEx(depths, "", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, "the default");
    EXPECT_EQ(SetDword(depths, "Column2", 1), ERROR_ACCESS_DENIED); // opened for reading
    RegCloseKey(depths);

    EXPECT_NE(folder.HiveFile("HKEY_CURRENT_USER.ini").find("[Software\\Vorn\\Lists\\Depths]"),
              std::string::npos);
}

TEST(Registry, BadRequestsGetTheSystemsCodes) {
    RegistryFolder folder;
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Missing", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Vorn", 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(SetString(key, "Home", "/opt/vorn"), ERROR_SUCCESS);

    // Too small a buffer: ERROR_MORE_DATA with the size needed.
    char small[4];
    DWORD size = sizeof small;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueEx(key, "Home", nullptr, &type, reinterpret_cast<BYTE*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)); // not the DWORD the caller hoped for
    size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "Home", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 10u);
    char name[3];
    DWORD nameSize = sizeof name;
    EXPECT_EQ(RegEnumValue(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    nameSize = sizeof name;
    EXPECT_EQ(RegEnumValue(key, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);

    EXPECT_EQ(RegQueryValueEx(key, "Nothing", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValue(key, "Nothing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValue(key, "Home"), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(key, "Home", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegSetValueEx(key, "x", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueEx(key, "Home", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, std::string(300, 'k').c_str(), 0, KEY_READ, &key),
              ERROR_INVALID_PARAMETER);

    // The machine's hardware keys are not the caller's to change.
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "HARDWARE\\Mine", 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_ALL_ACCESS,
                           &key),
              ERROR_SUCCESS);
    EXPECT_EQ(SetString(key, "COM99", "COM99"), ERROR_ACCESS_DENIED);
    RegCloseKey(key);
    EXPECT_EQ(folder.HiveFile("HKEY_LOCAL_MACHINE.ini").find("HARDWARE"), std::string::npos);
}

TEST(Registry, LivesInMemoryUntilTheHostChoosesAFolder) {
    SetRegistryFolder(nullptr);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Memory", 0, nullptr, 0, KEY_ALL_ACCESS,
                             nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(SetDword(key, "Kept", 1), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Memory", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
    SetRegistryFolder(nullptr); // a fresh, empty registry
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Memory", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
}
