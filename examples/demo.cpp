// The demo host: a small survey program that uses the library as any host would.
#include "vornui/vornui.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr char kDataFolder[] = VORNUI_DEMO_DATA;
constexpr char kTideModule[] = "TERRAL_TIDE";
constexpr char kTideFile[] = "tide_2024-03-15.txt";
constexpr char kSoundingsFile[] = "soundings_L-017.txt";

void ShowLibrary() {
    char path[MAX_PATH];
    GetModuleFileName(GetVornuiModule(), path, sizeof path);
    std::printf("vornui %s loaded from %s\n", GetVornuiVersion(), path);
    const UINT ids[] = {IDS_PROCESSING, IDS_READING, IDS_FILE_PATH_TOO_LONG};
    for (UINT id : ids)
        std::printf("  string %u: \"%s\"\n", id, LoadVornuiString(id).GetString());
}

struct Sounding {
    std::string when; // as written in the file
    CTime time;       // local time
    double depth;     // metres below the transducer
};

// "yyyy-mm-dd hh:mm:ss depth" lines; '#' starts a comment line.
std::vector<Sounding> ReadSoundings(const std::string& path) {
    std::vector<Sounding> soundings;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        int year, month, day, hour, minute, second;
        double depth;
        if (line.empty() || line[0] == '#' ||
            std::sscanf(line.c_str(), "%d-%d-%d %d:%d:%d %lf", &year, &month, &day, &hour, &minute,
                        &second, &depth) != 7)
            continue;
        soundings.push_back(
            {line.substr(0, 19), CTime(year, month, day, hour, minute, second), depth});
    }
    return soundings;
}

// The depth in the user's unit with its symbol.
CString FormatDepth(double metres) {
    CString text;
    text.Format("%.2f m", metres);
    return text;
}

// The first template the store holds for the tide module (what the template dialog
// would offer the user).
CString ChooseTideTemplate() {
    std::printf("templates root: %s\n", GetAsciiTemplateRoot());
    CString chosen;
    for (AsciiTemplateLister lister(kTideModule); !lister.IsEnd(); lister.Next()) {
        std::printf("  %s template: \"%s\"\n", kTideModule, lister.GetName());
        if (chosen.IsEmpty())
            chosen = lister.GetName();
    }
    return chosen;
}

void CorrectSoundingsForTide(const char* depthUnit) {
    std::printf("\nTide correction of survey line L-017 (depth unit: %s)\n", depthUnit);
    const CString templateName = ChooseTideTemplate();
    const CString tideFile = CString(kDataFolder) + "/" + kTideFile;
    CTideHandler tide;
    const int samples = tide.LoadTide(templateName, tideFile);
    std::printf("tide: %d samples from %s through \"%s\"\n", samples, kTideFile,
                templateName.GetString());
    if (samples == 0)
        return;

    for (const Sounding& sounding :
         ReadSoundings(std::string(kDataFolder) + "/" + kSoundingsFile)) {
        float level = 0;
        const int outside = tide.GetTide(level, static_cast<long>(sounding.time.GetTime()));
        std::printf("  %s  observed %s", sounding.when.c_str(),
                    FormatDepth(sounding.depth).GetString());
        if (outside != 0) {
            std::printf("  no tide: %d s %s the series\n", outside < 0 ? -outside : outside,
                        outside < 0 ? "before" : "after");
            continue;
        }
        std::printf("  tide %+.2f m  corrected %s\n", level,
                    FormatDepth(sounding.depth - level).GetString());
    }
}

} // namespace

int main(int argc, char** argv) {
    ShowLibrary();
    CorrectSoundingsForTide(argc > 1 ? argv[1] : "m");
    return 0;
}
