#pragma once

// Whole-file reads and replacements for the platform's file-backed stores.

#include "vornui/platform/Export.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

// Profiles beyond this size are not profiles; reading stops there and writing refuses.
inline constexpr size_t kMaxStoreFileSize = 64u << 20;

// The file's bytes (at most kMaxStoreFileSize); nullopt when it cannot be read, with the
// last system error set.
VORNUI_API std::optional<std::string> ReadFileContent(const std::string& path);
VORNUI_API bool IsOverSizeLimit(const std::string& path);

// A file's bytes with room for a zero byte after them, so that a reader may cut them into
// strings in place.
struct VORNUI_API FileBytes {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};
// Exactly the bytes the regular file at `path` had when opened, when it holds at most
// `maxSize` of them; nullopt when it cannot be read whole (it shrank, it is no regular
// file, it is larger, or memory runs out).
VORNUI_API std::optional<FileBytes> ReadRegularFile(const char* path, size_t maxSize);
// Writes `content` to a new file beside `path` and renames it over `path`, so that a
// failure part-way leaves the old content whole. Keeps the old file's permissions.
VORNUI_API bool ReplaceFileContent(const std::string& path, const std::string& content);
// A caller's path with either separator, in native form.
VORNUI_API std::string NativePath(const char* path);
// The absolute path with symbolic links resolved; the path itself when that fails.
VORNUI_API std::string ResolvedPath(const std::string& path);
