// The demo host: a small survey program that uses the library as any host would.
#include "gallery/Gallery.h"
#include "gallery/PortDialog.h"

#include "vornui/vornui.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
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

// The depth unit the user names by its label ("m", "ft", "fth") or its name ("Fathom");
// nothing when no depth unit is called so.
std::optional<KUnits> DepthUnitNamed(const char* wanted) {
    for (unsigned short code = KUnits::eDEPTH_METER; code <= KUnits::eDEPTH_FATHOM; ++code) {
        CString label, name;
        KUnits::GetUnit(code, label, FALSE);
        KUnits::GetUnitFace(code, name, FALSE);
        if (label.CompareNoCase(wanted) == 0 || name.CompareNoCase(wanted) == 0) {
            KUnits unit;
            unit.InitDepth(code);
            return unit;
        }
    }
    return std::nullopt;
}

CString Depth(const KUnits& unit, double metres) {
    CString text;
    unit.FormatM2DepthUnitSymbol(metres, text);
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

// Steps 2 to 4 of a tide correction: the tide series read through the chosen template,
// the tide at each sounding's time, the corrected depth printed in the user's unit.
void CorrectSoundingsForTide(const KUnits& unit) {
    CString unitName;
    unit.GetUnit(unitName, FALSE);
    std::printf("\nTide correction of survey line L-017 (depths in %s)\n", unitName.GetString());
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
                    Depth(unit, sounding.depth).GetString());
        if (outside != 0) {
            std::printf("  no tide: %d s %s the series\n", outside < 0 ? -outside : outside,
                        outside < 0 ? "before" : "after");
            continue;
        }
        std::printf("  tide %s  corrected %s\n", Depth(unit, level).GetString(),
                    Depth(unit, sounding.depth - level).GetString());
    }
}

} // namespace

// demo [depth unit]: the tide correction, with depths in the unit named by label or name
// (metres when none is given); demo gallery [file.png ...]: pictures of the library's
// windows in the current folder, all of them or those named; demo show: the connection
// dialog, plain and laid out, on the person's X display (DISPLAY) until they close both.
int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "gallery") == 0)
        return WriteGallery(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "show") == 0)
        return ShowPortDialogs();
    ShowLibrary();
    const char* unitName = argc > 1 ? argv[1] : "m";
    const std::optional<KUnits> unit = DepthUnitNamed(unitName);
    if (!unit) {
        std::fprintf(stderr, "no depth unit is called \"%s\"; try m, km, ft, yd or fth\n",
                     unitName);
        return 2;
    }
    CorrectSoundingsForTide(*unit);
    return 0;
}
