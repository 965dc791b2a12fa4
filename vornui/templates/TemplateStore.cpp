#include "vornui/templates/TemplateStore.h"

#include "vornui/platform/FileSystem.h"
#include "vornui/platform/Resources.h"
#include "vornui/templates/AsciiTemplate.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr char kFallbackRoot[] = "/opt/vorn/Setup/AsciiFileTemplates";
constexpr char kRootBelowInstallation[] = "/Setup/AsciiFileTemplates/";

// The program's folder and two folders above it removed: the installation folder.
bool InstallationFolder(std::string_view program, std::string_view& folder) {
    if (std::count(program.begin(), program.end(), '/') < 3)
        return false;
    for (int level = 0; level < 3; ++level)
        program = program.substr(0, program.rfind('/'));
    folder = program;
    return true;
}

} // namespace

const char* GetAsciiTemplateRoot() {
    static char root[MAX_PATH + sizeof kRootBelowInstallation];
    char program[MAX_PATH];
    const DWORD length = GetModuleFileName(nullptr, program, sizeof program);
    std::string_view installation;
    if (length > 0 && length < sizeof program &&
        InstallationFolder(std::string_view(program, length), installation)) {
        std::memcpy(root, installation.data(), installation.size());
        std::memcpy(root + installation.size(), kRootBelowInstallation,
                    sizeof kRootBelowInstallation);
        if (GetFileAttributes(root) != INVALID_FILE_ATTRIBUTES)
            return root;
    }
    std::memcpy(root, kFallbackRoot, sizeof kFallbackRoot);
    return root;
}

std::string TemplateStorePath(const char* module, const char* fileName) {
    return JoinPath(JoinPath(GetAsciiTemplateRoot(), module), fileName);
}

bool CopyToField(char* field, int size, const char* text) {
    const size_t length = std::strlen(text);
    const size_t kept = std::min(length, static_cast<size_t>(size - 1));
    std::memcpy(field, text, kept);
    field[kept] = '\0';
    return kept == length;
}
