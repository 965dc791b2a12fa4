#include "vornui/platform/SystemPrograms.h"

#include "vornui/platform/CString.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <span>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return CompareNoCase1252(a, b) == 0;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           SameName(text.substr(text.size() - suffix.size()), suffix);
}

// The program's name without folder and without ".exe".
std::string BaseName(std::string_view program) {
    const std::size_t slash = program.find_last_of("\\/");
    std::string name(slash == std::string_view::npos ? program : program.substr(slash + 1));
    if (EndsWithNoCase(name, ".exe"))
        name.resize(name.size() - 4);
    return name;
}

bool IsExecutable(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> FindOnPath(const std::string& program) {
    if (program.find('/') != std::string::npos)
        return IsExecutable(program) ? std::optional<std::string>(program) : std::nullopt;
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/bin:/bin";
    while (true) {
        const std::size_t colon = folders.find(':');
        std::string folder(folders.substr(0, colon));
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (IsExecutable(candidate))
            return candidate;
        if (colon == std::string_view::npos)
            return std::nullopt;
        folders.remove_prefix(colon + 1);
    }
}

// The program as named, or without ".exe" when only that is found.
std::optional<std::string> ResolveProgram(const std::string& program) {
    if (auto found = FindOnPath(program))
        return found;
    if (EndsWithNoCase(program, ".exe"))
        return FindOnPath(program.substr(0, program.size() - 4));
    return std::nullopt;
}

std::optional<std::vector<std::string>> WithProgram(const std::string& program,
                                                    std::span<const std::string> arguments) {
    auto resolved = ResolveProgram(program);
    if (!resolved)
        return std::nullopt;
    std::vector<std::string> command{std::move(*resolved)};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Children are not waited for; the ones that have ended are reaped on the next start.
void ReapFinishedChildren(std::vector<pid_t>& children) {
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }),
                   children.end());
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        const char ch = commandLine[i];
        if (ch == '\\') {
            std::size_t slashes = 0;
            while (i < commandLine.size() && commandLine[i] == '\\')
                ++slashes, ++i;
            if (i < commandLine.size() && commandLine[i] == '"') {
                word.append(slashes / 2, '\\');
                if (slashes % 2) {
                    word += '"';
                } else {
                    quoted = !quoted;
                }
            } else {
                word.append(slashes, '\\');
                --i;
            }
            inWord = true;
        } else if (ch == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((ch == ' ' || ch == '\t') && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::optional<std::vector<std::string>>
LinuxCommandFor(const std::vector<std::string>& windowsCommand) {
    if (windowsCommand.empty())
        return std::nullopt;
    const std::string name = BaseName(windowsCommand.front());
    const std::span<const std::string> arguments = std::span(windowsCommand).subspan(1);
    if (SameName(name, "regsvr32"))
        return std::nullopt;
    if (SameName(name, "mspaint") && !arguments.empty() && SameName(arguments.front(), "-p"))
        return WithProgram("lp", arguments.subspan(1));
    if (SameName(name, "mspaint") || SameName(name, "notepad"))
        return WithProgram("xdg-open", arguments);
    if (SameName(name, "explorer")) {
        std::string target = arguments.empty() ? "." : arguments.front();
        if (target.size() >= 8 && SameName(target.substr(0, 8), "/select,"))
            target = FolderOf(target.substr(8));
        return WithProgram("xdg-open", std::span(&target, 1));
    }
    return WithProgram(windowsCommand.front(), arguments);
}

UINT WinExec(LPCSTR commandLine, UINT /*show*/) {
    const std::vector<std::string> words = SplitCommandLine(commandLine ? commandLine : "");
    if (words.empty())
        return ERROR_BAD_FORMAT;
    const auto command = LinuxCommandFor(words);
    if (!command)
        return ERROR_FILE_NOT_FOUND;
    std::vector<char*> argv;
    for (const std::string& word : *command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    static std::mutex mutex;
    static std::vector<pid_t> children;
    std::lock_guard lock(mutex);
    ReapFinishedChildren(children);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv.front(), nullptr, nullptr, argv.data(), environ) != 0)
        return 0;
    children.push_back(pid);
    return 33; // any value above 31 says the program started
}
