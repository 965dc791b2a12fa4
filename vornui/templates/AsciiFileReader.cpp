#include "vornui/templates/AsciiFileReader.h"

#include "vornui/templates/AsciiTemplate.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Larger files are not data files this reader can hold in memory.
constexpr off_t kMaxDataFileSize = off_t{1} << 31;

class OpenFile {
public:
    explicit OpenFile(const char* path) : m_fd(path ? open(path, O_RDONLY | O_CLOEXEC) : -1) {}
    ~OpenFile() {
        if (m_fd >= 0)
            close(m_fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

struct FileContent {
    std::unique_ptr<char[]> bytes; // the content and room for a zero byte after it
    size_t size = 0;
};

// Exactly the bytes the file had when opened; nothing when fewer can be read (it shrank,
// or is no regular file).
std::optional<FileContent> ReadWholeFile(const char* path) {
    const OpenFile file(path);
    struct stat info {};
    if (file.fd() < 0 || fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > kMaxDataFileSize)
        return std::nullopt;
    FileContent content{std::unique_ptr<char[]>(new (std::nothrow) char[info.st_size + 1]),
                        static_cast<size_t>(info.st_size)};
    if (!content.bytes)
        return std::nullopt;
    size_t done = 0;
    while (done < content.size) {
        const ssize_t n = read(file.fd(), content.bytes.get() + done, content.size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        done += static_cast<size_t>(n);
    }
    return content;
}

} // namespace

AsciiFileReader::AsciiFileReader(const char* path, const AsciiTemplate& templ) {
    std::optional<FileContent> content = ReadWholeFile(path);
    if (!content)
        return;
    m_lines.emplace(std::move(content->bytes), content->size, templ.fileChop);
    Next();
}

void AsciiFileReader::Next() {
    m_bHasLine = m_lines && m_lines->CutNextToken(m_line);
}

void AsciiFileReader::Close() {
    m_lines.reset();
    m_line = {};
    m_bHasLine = false;
}
