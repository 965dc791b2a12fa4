#include "tests/InstalledProgram.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/FileSystem.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/templates/AsciiRecordKinds.h"
#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/AsciiTemplateLister.h"
#include "vornui/templates/TemplateEditor.h"
#include "vornui/templates/TemplateFiles_test.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ListedNames(const char* module) {
    std::vector<std::string> names;
    for (AsciiTemplateLister lister(module); !lister.IsEnd(); lister.Next())
        names.push_back(lister.GetName());
    return names;
}

TEST(AsciiTemplateLister, ListsTemplatesWithoutTheMetaTemplate) {
    RunInInstallation([] {
        for (const char* file : {"b.aft", "a.b.aft", "_meta_.aft", "c.aft", "notes.txt"})
            WriteStoreFile("TERRAL_TIDE", file, "");
        EXPECT_EQ(ListedNames("TERRAL_TIDE"), (std::vector<std::string>{"a", "b", "c"}));

        AsciiTemplateLister lister("TERRAL_TIDE");
        EXPECT_STREQ(lister.GetName(), "a");
        EXPECT_TRUE(lister.Next());
        EXPECT_TRUE(lister.Next());
        EXPECT_STREQ(lister.GetName(), "c");
        EXPECT_FALSE(lister.Next());
        EXPECT_TRUE(lister.IsEnd());
        EXPECT_TRUE(lister.First()); // starts over
        EXPECT_STREQ(lister.GetName(), "a");

        WriteStoreFile("UPPER", "_META_.aft", "");
        WriteStoreFile("UPPER", "x.aft", "");
        EXPECT_EQ(ListedNames("UPPER"), (std::vector<std::string>{"x"}));
        WriteStoreFile("ONLY_META", "_meta_.aft", "");
        EXPECT_TRUE(ListedNames("ONLY_META").empty());
        EXPECT_TRUE(AsciiTemplateLister("ONLY_META").IsEnd());
        EXPECT_TRUE(ListedNames("NO_FOLDER").empty());
    });
}

TEST(TemplateEditor, CommandLines) {
    EXPECT_STREQ(FormatNewTemplateCommand("TERRAL_TIDE", "/d/t.txt"),
                 "FormatWizard.exe /m TERRAL_TIDE /e  \"/d/t.txt\"");
    EXPECT_STREQ(FormatEditTemplateCommand("TERRAL_TIDE", "/d/t.txt", "Gauge"),
                 "FormatWizard.exe /m TERRAL_TIDE /e \"/d/t.txt\" /t \"Gauge\"");
    EXPECT_STREQ(FormatNewTemplateCommand("TERRAL_CTD", "c.txt"),
                 "FormatWizard.exe /m TERRAL_CTD /e  \"c.txt\"");
    EXPECT_STREQ(FormatEditTemplateCommand("TERRAL_CTD", "c.txt", "Cast"),
                 "FormatWizard.exe /m TERRAL_CTD /e \"c.txt\" /t \"Cast\"");
    EXPECT_STREQ(FormatNewTemplateCommand("Terral_SVP", "s.txt"),
                 "FormatWizard /m \"Terral_SVP\" /e \"s.txt\"");
    EXPECT_STREQ(FormatEditTemplateCommand("Terral_SVP", "s.txt", "Probe"),
                 "FormatWizard /m \"Terral_SVP\" /e \"s.txt\" /t \"Probe\"");
}

TEST(TemplateEditor, SvpStoreIsSeededWithTheSuitesMetaTemplate) {
    RunInInstallation([] {
        const std::string home = TestInstallationFolder() + "/home";
        std::filesystem::create_directories(home + "/Data");
        std::ofstream(home + "/Data/_meta_.aft") << MetaTemplateText({{"Depth", 0}});
        SetEnvironmentVariable("VORNHOME", home.c_str());
        ASSERT_TRUE(PrepareSvpTemplateStore());
        EXPECT_TRUE(AsciiTemplate("Terral_SVP").IsValid());
        EXPECT_TRUE(PrepareSvpTemplateStore()); // already there

        std::filesystem::remove_all(std::string(GetAsciiTemplateRoot()) + "/Terral_SVP");
        std::filesystem::create_directories(home + "/none/log");
        SetEnvironmentVariable("VORNHOME", (home + "/none/").c_str());
        CScriptedUser user;
        EXPECT_FALSE(PrepareSvpTemplateStore());
        ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
        EXPECT_STREQ(user.MessageBoxesShown()[0].text,
                     "Couldn't find/copy meta ascii template file!?");
        // The box keeps the system's words; the error log names the files.
        std::ifstream log(home + "/none/log/error");
        const std::string errors{std::istreambuf_iterator<char>(log), {}};
        EXPECT_NE(errors.find("Couldn't copy " + home + "/none/Data/_meta_.aft to " +
                              TestInstallationFolder() +
                              "/Setup/AsciiFileTemplates/Terral_SVP/_meta_.aft"),
                  std::string::npos)
            << errors;
    });
}

TEST(TemplateEditor, MissingRootIsCreatedOnlyWhenTheUserAgrees) {
    RunInInstallation(
        [] {
            CScriptedUser user;
            user.AnswerNextMessageBox(IDCANCEL);
            EXPECT_FALSE(PrepareSvpTemplateStore());
            ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
            EXPECT_STREQ(user.MessageBoxesShown()[0].text,
                         "Needed template folder '/opt/vorn/Setup/AsciiFileTemplates' doen't "
                         "exist!?\nCreate the folder?");
            EXPECT_EQ(user.MessageBoxesShown()[0].type & MB_TYPEMASK, MB_OKCANCEL);
        },
        false);
}

TEST(AsciiRecordKinds, NamesOfKindsSourcesAndTypes) {
    EXPECT_STREQ(AsciiRecordKindCatalogue[AsciiEncodingDouble].name, "Double");
    EXPECT_STREQ(AsciiRecordKindCatalogue[AsciiEncodingStacked].sourceNames[0], "First");
    const AsciiRecordKind& date = AsciiRecordKindCatalogue[AsciiEncodingDate];
    EXPECT_STREQ(date.name, "Date (y+m+d + h+m+s)");
    EXPECT_EQ(date.sourceCount, 6);
    EXPECT_STREQ(date.sourceNames[5], "Second");
    for (int kind = 0; kind < kAsciiRecordKindCount; ++kind)
        EXPECT_EQ(AsciiRecordKindCatalogue[kind].isDate, kind == AsciiEncodingDate);
    EXPECT_STREQ(AsciiValueTypeNames[3], "Stacked");
    EXPECT_EQ(AsciiColumnTypeNames[6].code, 9);
    EXPECT_STREQ(AsciiColumnTypeNames[6].name, "Julian Date (jjjhhmmss.ss)");
    EXPECT_STREQ(AsciiColumnTypeNames[4].name, "Angle (ddd?mm?ss.ss)");
}

} // namespace
