#include "vornui/platform/internal/LoadedObjects.h"

#include "vornui/platform/CString.h"

#include <link.h>
#include <string>

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           CompareNoCase1252(text.substr(0, prefix.size()), prefix) == 0;
}

bool NameMatches(std::string_view path, std::string_view wanted) {
    const size_t slash = path.find_last_of('/');
    const std::string_view fileName =
        slash == std::string_view::npos ? path : path.substr(slash + 1);
    return CompareNoCase1252(fileName, wanted) == 0 ||
           StartsWithNoCase(fileName, std::string(wanted) + ".");
}

struct Search {
    std::string wanted;
    const void* address = nullptr;
};

int Visit(dl_phdr_info* info, size_t, void* data) {
    auto& search = *static_cast<Search*>(data);
    if (!info->dlpi_name || !*info->dlpi_name || !NameMatches(info->dlpi_name, search.wanted))
        return 0;
    for (ElfW(Half) index = 0; index < info->dlpi_phnum; ++index) {
        if (info->dlpi_phdr[index].p_type == PT_LOAD) {
            search.address =
                reinterpret_cast<const void*>(info->dlpi_addr + info->dlpi_phdr[index].p_vaddr);
            return 1;
        }
    }
    return 0;
}

} // namespace

const void* LoadedObjectAddress(std::string_view name) {
    if (name.empty() || name.find('/') != std::string_view::npos)
        return nullptr;
    Search search{std::string(name)};
    if (search.wanted.find(".so") == std::string::npos)
        search.wanted += ".so";
    dl_iterate_phdr(Visit, &search);
    return search.address;
}
