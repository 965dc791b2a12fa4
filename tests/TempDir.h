#pragma once

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes away. Tests put their real files here.

#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    // Writes `content` byte for byte to `name` inside the folder and returns its path.
    std::string write(const std::string& name, const std::string& content) const;
    static std::string read(const std::string& path);

private:
    std::filesystem::path m_path;
};
