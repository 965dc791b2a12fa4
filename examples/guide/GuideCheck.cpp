// Keeps a guide page honest: every code block of the page marked
//     <!-- from path/in/the/repository -->
// must appear word for word in that file, and the block marked
//     <!-- output -->
// must be exactly what the page's example program prints.
//
// guide_check <repository root> <page.md> [program [arguments...]]
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Block {
    std::string marker; // "from <path>" or "output"
    int line;           // where the block starts in the page
    std::string text;   // with a line feed after every line
};

bool ReadFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    content = text.str();
    return true;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    const size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The marked blocks of a page: a marker comment directly above a fenced block.
std::vector<Block> MarkedBlocks(const std::string& page) {
    std::vector<Block> blocks;
    std::istringstream in(page);
    std::string line, marker;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string trimmed = Trim(line);
        if (trimmed.rfind("<!--", 0) == 0 && trimmed.size() >= 7 &&
            trimmed.compare(trimmed.size() - 3, 3, "-->") == 0) {
            marker = Trim(trimmed.substr(4, trimmed.size() - 7));
            continue;
        }
        if (trimmed.rfind("```", 0) == 0 && !marker.empty()) {
            Block block{marker, number, {}};
            while (std::getline(in, line) && Trim(line) != "```") {
                ++number;
                block.text += line + "\n";
            }
            ++number;
            blocks.push_back(block);
        }
        marker.clear();
    }
    return blocks;
}

std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool Run(const std::vector<std::string>& command, std::string& output) {
    std::string line;
    for (const std::string& argument : command)
        line += Quoted(argument) + " ";
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr)
        return false;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    return pclose(pipe) == 0;
}

// The first line where two texts part, for the failure message.
void ShowDifference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected), b(actual);
    std::string lineA, lineB;
    for (int number = 1;; ++number) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB)
            return;
        if (!moreA || !moreB || lineA != lineB) {
            std::cerr << "  line " << number << " of the block: " << (moreA ? lineA : "(none)")
                      << "\n  line " << number << " printed:      " << (moreB ? lineB : "(none)")
                      << "\n";
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: guide_check <repository root> <page.md> [program [arguments...]]\n";
        return 2;
    }
    const std::string root = argv[1];
    const std::string pagePath = argv[2];
    const std::vector<std::string> command(argv + 3, argv + argc);
    std::string page;
    if (!ReadFile(pagePath, page)) {
        std::cerr << pagePath << ": cannot be read\n";
        return 1;
    }
    const std::vector<Block> blocks = MarkedBlocks(page);
    int failures = 0;
    int outputs = 0;
    for (const Block& block : blocks) {
        const std::string where = pagePath + ":" + std::to_string(block.line);
        if (block.marker.rfind("from ", 0) == 0) {
            const std::string source = Trim(block.marker.substr(5));
            std::string content;
            if (!ReadFile(root + "/" + source, content)) {
                std::cerr << where << ": " << source << " cannot be read\n";
                ++failures;
            } else if (content.find(block.text) == std::string::npos) {
                std::cerr << where << ": the block is not in " << source << "\n";
                ++failures;
            }
        } else if (block.marker == "output") {
            ++outputs;
            std::string printed;
            if (command.empty()) {
                std::cerr << where << ": an output block, but no program to run\n";
                ++failures;
            } else if (!Run(command, printed)) {
                std::cerr << where << ": " << command[0] << " failed; it printed:\n" << printed;
                ++failures;
            } else if (printed != block.text) {
                std::cerr << where << ": the output differs from what " << command[0]
                          << " prints\n";
                ShowDifference(block.text, printed);
                ++failures;
            }
        }
    }
    if (blocks.empty()) {
        std::cerr << pagePath << ": no marked block to check\n";
        ++failures;
    }
    if (!command.empty() && outputs == 0) {
        std::cerr << pagePath << ": no output block for " << command[0] << "\n";
        ++failures;
    }
    if (failures == 0)
        std::cout << pagePath << ": " << blocks.size() << " blocks match\n";
    return failures == 0 ? 0 : 1;
}
