#include "vornui/util/HomeDir.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/Resources.h"

#include <cstring>
#include <optional>
#include <string>

namespace {

std::optional<std::string> ModulePath(LPCTSTR moduleName) {
    const HMODULE module = GetModuleHandle(moduleName);
    if (!module)
        return std::nullopt;
    std::string path(256, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileName(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::nullopt;
        if (length < path.size() - 1) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string HomeOf(const std::string& modulePath) {
    std::string home = modulePath.substr(0, modulePath.find_last_of("/\\") + 1);
    if (!home.empty())
        home.pop_back();
    const size_t last = home.find_last_of("/\\");
    if (last != std::string::npos && home.size() - last >= 4 &&
        CompareNoCase1252(std::string_view(home).substr(last + 1, 3), "bin") == 0)
        home.resize(last);
    return home;
}

} // namespace

int GetHomeDir(LPTSTR buffer, int bufferSize, LPCTSTR moduleName) {
    const std::optional<std::string> modulePath = ModulePath(moduleName);
    if (!modulePath || !buffer || bufferSize <= 0)
        return 0;
    const std::string home = HomeOf(*modulePath);
    if (home.size() + 1 > static_cast<size_t>(bufferSize))
        return 0;
    std::memcpy(buffer, home.c_str(), home.size() + 1);
    return static_cast<int>(home.size());
}
