// A stand-in for the template editor "FormatWizard", for the template dialogs' tests.
// Started as the dialogs start the editor ("/m module /e example [/t template]"), it does
// what the environment tells it:
//   FORMATWIZARD_ARGS      file that receives its arguments, each ended by a zero byte
//   FORMATWIZARD_EXIT      ends at once with this code, saving nothing
//   FORMATWIZARD_NEW_NAME  the name a new template (no "/t") is saved under; "New" without it
//   FORMATWIZARD_DELAY_MS  works this long before it saves the template and ends
// It saves a template of the module through the library's own template save: the meta
// template's records, record i read as a number from column i. It runs from a copy inside
// the test's installation, so that it finds the same template store as the dialogs.

#include "vornui/templates/AsciiTemplate.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

std::string Option(int argc, char** argv, const std::string& name) {
    for (int index = 1; index + 1 < argc; ++index)
        if (name == argv[index])
            return argv[index + 1];
    return "";
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

void WriteArguments(int argc, char** argv) {
    const std::string file = Environment("FORMATWIZARD_ARGS");
    if (file.empty())
        return;
    // Written aside and renamed, so that a test that sees the file sees all of it.
    const std::string part = file + ".part";
    {
        std::ofstream out(part, std::ios::binary);
        for (int index = 0; index < argc; ++index)
            out << argv[index] << '\0';
    }
    std::rename(part.c_str(), file.c_str());
}

bool SaveTemplate(const std::string& module, const std::string& name) {
    AsciiTemplate templ(module.c_str());
    if (!templ.IsValid())
        return false;
    for (int index = 0; index < templ.recordCount; ++index)
        templ.records[index].sources[0] = index;
    // Saved aside and renamed, so that the template appears whole or not at all.
    const std::string path =
        std::string(GetAsciiTemplateRoot()) + "/" + module + "/" + name + ".aft";
    const std::string part = path + ".part";
    return templ.SaveToPath(part.c_str()) && std::rename(part.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    WriteArguments(argc, argv);
    const std::string exitCode = Environment("FORMATWIZARD_EXIT");
    if (!exitCode.empty())
        return std::atoi(exitCode.c_str());
    std::string name = Option(argc, argv, "/t");
    if (name.empty())
        name = Environment("FORMATWIZARD_NEW_NAME");
    if (name.empty())
        name = "New";
    std::this_thread::sleep_for(
        std::chrono::milliseconds(std::atoi(Environment("FORMATWIZARD_DELAY_MS").c_str())));
    return SaveTemplate(Option(argc, argv, "/m"), name) ? 0 : 2;
}
