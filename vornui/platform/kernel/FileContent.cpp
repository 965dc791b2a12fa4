#include "vornui/platform/FileContent.h"

#include "vornui/platform/LastError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

bool Fail() {
    SetLastError(SystemErrorFromErrno(errno));
    return false;
}

bool WriteAll(int fd, const std::string& content) {
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

std::string NativePath(const char* path) {
    std::string native(path ? path : "");
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string ResolvedPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::optional<std::string> ReadFileContent(const std::string& path) {
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) {
        Fail();
        return std::nullopt;
    }
    std::string content;
    char chunk[65536];
    while (content.size() < kMaxStoreFileSize) {
        const ssize_t n = read(file.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            Fail();
            return std::nullopt;
        }
        if (n == 0)
            break;
        content.append(chunk, std::min(static_cast<size_t>(n), kMaxStoreFileSize - content.size()));
    }
    return content;
}

std::optional<FileBytes> ReadRegularFile(const char* path, size_t maxSize) {
    const FileDescriptor file(path ? open(path, O_RDONLY | O_CLOEXEC) : -1);
    struct stat info {};
    if (!file.valid() || fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<size_t>(info.st_size) > maxSize)
        return std::nullopt;
    const size_t size = static_cast<size_t>(info.st_size);
    FileBytes content{std::unique_ptr<char[]>(new (std::nothrow) char[size + 1]), size};
    if (!content.bytes)
        return std::nullopt;
    size_t done = 0;
    while (done < size) {
        const ssize_t n = read(file.get(), content.bytes.get() + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        done += static_cast<size_t>(n);
    }
    return content;
}

bool IsOverSizeLimit(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && static_cast<size_t>(info.st_size) > kMaxStoreFileSize;
}

bool ReplaceFileContent(const std::string& path, const std::string& content) {
    // Writes through a symbolic link to the file it names.
    const std::string target = ResolvedPath(path);
    struct stat info {};
    const bool existed = stat(target.c_str(), &info) == 0;
    std::string temporary = target + ".XXXXXX";
    FileDescriptor file(mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.valid())
        return Fail();
    const bool written = WriteAll(file.get(), content) &&
                         fchmod(file.get(), existed ? info.st_mode & 07777 : 0644) == 0;
    const int saved = errno;
    if (!written || close(file.release()) != 0 || rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = written ? errno : saved;
        unlink(temporary.c_str());
        errno = error;
        return Fail();
    }
    return true;
}
