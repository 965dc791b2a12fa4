#include "vornui/platform/SystemPrograms.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/FileContent.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/LastError.h"
#include "vornui/platform/Process.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

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
        const std::string candidate = JoinPath(folder.empty() ? "." : folder, program);
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

// A path handed to a program as its file: one that begins with '-' would be read as an
// option, so it is written as the same file below the current folder.
std::string AsFileArgument(const std::string& path) {
    if (path.starts_with('-'))
        return "./" + path;
    return path;
}

std::vector<std::string> AsFileArguments(std::span<const std::string> arguments) {
    std::vector<std::string> files;
    for (const std::string& argument : arguments)
        files.push_back(AsFileArgument(argument));
    return files;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The argument as a command line writes it, so that SplitCommandLine gives it back.
std::string QuotedArgument(std::string_view argument) {
    std::string quoted = "\"";
    size_t slashes = 0;
    for (const char ch : argument) {
        if (ch == '\\') {
            ++slashes;
        } else {
            quoted.append(ch == '"' ? slashes + 1 : 0, '\\');
            slashes = 0;
        }
        quoted += ch;
    }
    quoted.append(slashes, '\\');
    return quoted + "\"";
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

HINSTANCE ShellResult(INT_PTR code) {
    return reinterpret_cast<HINSTANCE>(code);
}

// Starts `program` with `arguments` (a command line's tail) and lets it run.
HINSTANCE StartShellCommand(const std::string& program, const std::string& arguments,
                            LPCSTR directory) {
    std::string commandLine = QuotedArgument(program) + " " + arguments;
    PROCESS_INFORMATION started{};
    if (!CreateProcess(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       directory, nullptr, &started)) {
        const DWORD error = GetLastError();
        return ShellResult(error == ERROR_DIRECTORY ? ERROR_PATH_NOT_FOUND
                           : error == 0             ? SE_ERR_NOASSOC
                                                    : static_cast<INT_PTR>(error));
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return ShellResult(42); // above 32: started
}

// A document or folder handed to the program that deals with it; none found: no
// association.
HINSTANCE StartHandler(const char* handler, const std::string& target, LPCSTR directory) {
    if (!ResolveProgram(handler))
        return ShellResult(SE_ERR_NOASSOC);
    return StartShellCommand(handler, QuotedArgument(target), directory);
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    size_t at = commandLine.find_first_not_of(" \t");
    if (at == std::string_view::npos)
        return words;
    // The program's name: quotes group, backslashes are plain characters.
    std::string program;
    bool quoted = false;
    for (; at < commandLine.size() && (quoted || !IsBlank(commandLine[at])); ++at) {
        if (commandLine[at] == '"')
            quoted = !quoted;
        else
            program += commandLine[at];
    }
    words.push_back(std::move(program));
    quoted = false;
    std::string word;
    bool inWord = false;
    while (at < commandLine.size()) {
        const char ch = commandLine[at];
        if (ch == '\\') {
            const size_t slashes =
                std::min(commandLine.find_first_not_of('\\', at), commandLine.size()) - at;
            at += slashes;
            const bool beforeQuote = at < commandLine.size() && commandLine[at] == '"';
            word.append(beforeQuote ? slashes / 2 : slashes, '\\');
            if (beforeQuote && slashes % 2) {
                word += '"';
                ++at;
            }
            inWord = true;
        } else if (ch == '"') {
            // Inside quotes, a doubled quote is one literal quote.
            if (quoted && at + 1 < commandLine.size() && commandLine[at + 1] == '"') {
                word += '"';
                ++at;
            } else {
                quoted = !quoted;
            }
            inWord = true;
            ++at;
        } else if (IsBlank(ch) && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++at;
        } else {
            word += ch;
            inWord = true;
            ++at;
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
        return WithProgram("lp", AsFileArguments(arguments.subspan(1)));
    if (SameName(name, "mspaint") || SameName(name, "notepad"))
        return WithProgram("xdg-open", AsFileArguments(arguments));
    if (SameName(name, "explorer")) {
        std::string target = arguments.empty() ? "." : arguments.front();
        if (target.size() >= 8 && SameName(target.substr(0, 8), "/select,"))
            target = FolderOf(target.substr(8));
        target = AsFileArgument(target);
        return WithProgram("xdg-open", std::span(&target, 1));
    }
    return WithProgram(windowsCommand.front(), arguments);
}

UINT WinExec(LPCSTR commandLine, UINT /*show*/) {
    std::string command = commandLine ? commandLine : "";
    if (SplitCommandLine(command).empty())
        return ERROR_BAD_FORMAT;
    PROCESS_INFORMATION started{};
    if (!CreateProcess(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       nullptr, &started))
        return GetLastError() == ERROR_FILE_NOT_FOUND ? ERROR_FILE_NOT_FOUND : 0;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 33; // any value above 31 says the program started
}

HINSTANCE ShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT) {
    const std::string target = NativePath(file ? file : "");
    const std::string_view action = verb && *verb ? verb : "open";
    if (target.empty())
        return ShellResult(ERROR_FILE_NOT_FOUND);
    if (SameName(action, "explore"))
        return IsFolder(target) ? StartHandler("xdg-open", target, directory)
                                : ShellResult(ERROR_FILE_NOT_FOUND);
    if (SameName(action, "print"))
        return Exists(target) && !IsFolder(target) ? StartHandler("lp", target, directory)
                                                   : ShellResult(ERROR_FILE_NOT_FOUND);
    if (!SameName(action, "open"))
        return ShellResult(SE_ERR_NOASSOC);
    if (IsFolder(target))
        return StartHandler("xdg-open", target, directory);
    // A program runs with the parameters; a document opens in its handler.
    const bool isProgram = target.find('/') == std::string::npos
                               ? ResolveProgram(target).has_value()
                               : IsExecutable(target);
    if (isProgram)
        return StartShellCommand(target, parameters ? parameters : "", directory);
    return Exists(target) ? StartHandler("xdg-open", target, directory)
                          : ShellResult(ERROR_FILE_NOT_FOUND);
}
