#include "tests/InstalledProgram.h"
#include "tests/ScopedNumericLocale.h"
#include "tests/TempDir.h"

#include "vornui/templates/AsciiTemplate.h"
#include "vornui/templates/TemplateFiles_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <regex>
#include <string>

namespace {

// A template whose every field holds a value of its own, to see each one come back.
AsciiTemplate FilledTemplate() {
    AsciiTemplate templ("NO_SUCH_MODULE");
    std::strcpy(templ.moduleName, "TERRAL_TIDE");
    std::strcpy(templ.exampleFile, "/data/example tide.txt");
    templ.fileChop = {"\n;", "\r\xB0", "\"", "'", 1};
    templ.columnChop = {",:/", " \t", "", "", -3};
    templ.columnCount = 5;
    for (int i = 0; i < 5; ++i)
        templ.columnTypes[i] = i * 2;
    templ.recordCount = 2;
    templ.records[0] = RecordOf("TimeDate", AsciiEncodingDate, {1, 2, 3, 4, 5, 6, 7});
    templ.records[1] = RecordOf("Tide (m, up+)", AsciiEncodingDouble, {-1}, 0.25, -1.5);
    templ.records[1].type = 11;
    std::strcpy(templ.matchposition, "POS");
    std::strcpy(templ.matchdate, "DATE");
    std::strcpy(templ.matchtime, "TIME");
    return templ;
}

void ExpectSameChop(const AsciiChopSettings& a, const AsciiChopSettings& b) {
    EXPECT_EQ(std::memcmp(&a, &b, offsetof(AsciiChopSettings, ignoremulti)), 0);
    EXPECT_EQ(a.ignoremulti, b.ignoremulti);
}

void ExpectSameRecord(const AsciiRecordTemplate& a, const AsciiRecordTemplate& b) {
    EXPECT_STREQ(a.name, b.name);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.encoding, b.encoding);
    EXPECT_EQ(std::memcmp(a.sources, b.sources, sizeof a.sources), 0);
    EXPECT_EQ(a.ConvFactor, b.ConvFactor);
    EXPECT_EQ(a.ConvOffset, b.ConvOffset);
}

using Edits = std::vector<std::pair<std::string, std::string>>;

class TemplateFile : public ::testing::Test {
protected:
    // The saved file of FilledTemplate() with each pattern replaced, loaded into `loaded`.
    bool LoadEdited(AsciiTemplate& loaded, const Edits& edits) {
        EXPECT_TRUE(FilledTemplate().SaveToPath(folder.file("saved.aft").c_str()));
        std::string text = TempDir::read(folder.file("saved.aft"));
        for (const auto& [pattern, replacement] : edits)
            text = std::regex_replace(text, std::regex(pattern), replacement);
        return loaded.LoadFromPath(folder.write("edited.aft", text).c_str());
    }

    TempDir folder;
    AsciiTemplate loaded{"NO_SUCH_MODULE"};
};

TEST_F(TemplateFile, SavedTemplateLoadsBackEveryField) {
    AsciiTemplate saved = FilledTemplate();
    const std::string path = folder.file("round trip.aft");
    ASSERT_TRUE(saved.SaveToPath(path.c_str()));
    EXPECT_FALSE(saved.loading);
    const std::string text = TempDir::read(path);
    for (const char* line :
         {"seperator_1=59\n", "seperator_14=0\n", "hitlist_1=-80\n", "ConvFactor=0.250000\n",
          "[RecordTemplate_1]\nname=Tide (m, up+)\n", "src6=7\n", "[coltypes]\ncount=5\ncol0=0\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(std::regex_search(text, std::regex("quoteend_15")), false); // 15 keys per set

    ASSERT_TRUE(loaded.LoadFromPath(path.c_str()));
    EXPECT_TRUE(loaded.loading);
    EXPECT_STREQ(loaded.path, path.c_str());
    EXPECT_FALSE(loaded.IsValid()); // no meta template: a load cannot make it valid
    EXPECT_STREQ(loaded.moduleName, "TERRAL_TIDE");
    EXPECT_STREQ(loaded.exampleFile, saved.exampleFile);
    ExpectSameChop(loaded.fileChop, saved.fileChop);
    ExpectSameChop(loaded.columnChop, saved.columnChop);
    EXPECT_EQ(loaded.columnCount, 5);
    EXPECT_EQ(std::memcmp(loaded.columnTypes, saved.columnTypes, sizeof saved.columnTypes), 0);
    ASSERT_EQ(loaded.recordCount, 2);
    ExpectSameRecord(loaded.records[0], saved.records[0]);
    ExpectSameRecord(loaded.records[1], saved.records[1]);
    EXPECT_EQ(std::string(loaded.matchposition) + loaded.matchdate + loaded.matchtime,
              "POSDATETIME");
}

TEST_F(TemplateFile, MissingKeyFailsTheLoadButEveryOtherKeyIsRead) {
    loaded.records[0].type = 77;
    EXPECT_FALSE(LoadEdited(loaded, {{"col3=6\n", ""},
                                     {"\\[chopfile\\]\nseperator_0=10\n", "[chopfile]\n"},
                                     {"type=0", "type=zero"}}));
    EXPECT_EQ(loaded.columnCount, 5);
    EXPECT_EQ(loaded.columnTypes[2] * 100 + loaded.columnTypes[3] * 10 + loaded.columnTypes[4],
              408); // column 3 kept its value
    EXPECT_EQ(loaded.fileChop.separators[0], '\0');
    EXPECT_EQ(loaded.fileChop.separators[1], ';');
    EXPECT_EQ(loaded.records[0].type, 77);
    EXPECT_STREQ(loaded.matchtime, "TIME");
}

TEST_F(TemplateFile, KeysAreReadWithinTheirWidths) {
    ASSERT_TRUE(LoadEdited(
        loaded, {{"metatemplatename=TERRAL_TIDE", "metatemplatename=" + std::string(40, 'M')},
                 {"type=11", "type=1234567890"},
                 {"ConvOffset=-1.500000", "ConvOffset=1.2345678901234567890123"},
                 {"matchdate=DATE", "matchdate=" + std::string(300, 'd')},
                 {"\\[chopColumns\\]\nseperator_0=44\nseperator_1=58",
                  "[chopColumns]\nseperator_0=432\nseperator_1=-198"}}));
    EXPECT_EQ(std::string(loaded.moduleName), std::string(29, 'M'));
    EXPECT_EQ(loaded.records[1].type, 123456789);
    EXPECT_EQ(loaded.records[1].ConvOffset, 1.23456789012345678);
    EXPECT_EQ(std::string(loaded.matchdate), std::string(254, 'd'));
    // Character keys keep the low eight bits.
    EXPECT_EQ(static_cast<unsigned char>(loaded.columnChop.separators[0]), 0xB0);
    EXPECT_EQ(loaded.columnChop.separators[1], ':');
}

TEST_F(TemplateFile, TextKeysMayBeMissingButCountsMustFit) {
    ASSERT_TRUE(LoadEdited(loaded, {{"ExampleFile=.*\n", ""}, {"\\[header\\][^]*", ""}}));
    EXPECT_STREQ(loaded.exampleFile, "");
    EXPECT_STREQ(loaded.matchposition, "");
    AsciiTemplate fresh("NO_SUCH_MODULE");
    EXPECT_FALSE(
        LoadEdited(fresh, {{"\\[coltypes\\]\ncount=5", "[coltypes]\ncount=201"},
                           {"\\[RecordTemplate\\]\ncount=2", "[RecordTemplate]\ncount=21"}}));
    EXPECT_EQ(fresh.columnCount + fresh.recordCount, 0);
}

TEST_F(TemplateFile, NumbersKeepTheirDecimalPointInAnyLocale) {
    const ScopedCommaLocale comma;
    if (!comma.IsActive())
        GTEST_SKIP() << "no decimal-comma locale is installed";
    const std::string path = folder.file("comma.aft");
    ASSERT_TRUE(FilledTemplate().SaveToPath(path.c_str()));
    EXPECT_NE(TempDir::read(path).find("ConvOffset=-1.500000\n"), std::string::npos);
    ASSERT_TRUE(loaded.LoadFromPath(path.c_str()));
    EXPECT_EQ(loaded.records[1].ConvFactor, 0.25);
}

TEST_F(TemplateFile, BadPathsFail) {
    AsciiTemplate templ = FilledTemplate();
    const std::string overlong = folder.file(std::string(200, 'p') + ".aft");
    EXPECT_FALSE(templ.SaveToPath(folder.file("missing folder/t.aft").c_str()));
    EXPECT_FALSE(templ.SaveToPath(overlong.c_str()));
    EXPECT_FALSE(templ.LoadFromPath(overlong.c_str()));
    EXPECT_FALSE(templ.LoadFromPath(folder.file("absent.aft").c_str()));
    EXPECT_STREQ(templ.moduleName, ""); // read from the missing file as empty text
}

TEST(TemplateStore, RootFollowsTheProgramsInstallation) {
    RunInInstallation([] {
        const char* root = GetAsciiTemplateRoot();
        EXPECT_EQ(std::string(root), TestInstallationFolder() + "/Setup/AsciiFileTemplates/");
        std::filesystem::remove_all(TestInstallationFolder() + "/Setup");
        EXPECT_STREQ(GetAsciiTemplateRoot(), "/opt/vorn/Setup/AsciiFileTemplates");
        EXPECT_EQ(GetAsciiTemplateRoot(), root); // one buffer, rewritten per request
    });
}

TEST(TemplateStore, MetaTemplates) {
    RunInInstallation([] {
        WriteMetaTemplate("TERRAL_TIDE", {{"TimeDate", 3}, {"Tide (m, up+)", 0}});
        const AsciiTemplate templ("TERRAL_TIDE");
        ASSERT_TRUE(templ.IsValid());
        ExpectSameChop(templ.fileChop, {"\n", "\r", "", "", 0});
        ExpectSameChop(templ.columnChop, {",", " ", "", "", 0});
        EXPECT_EQ(templ.columnCount, 0);
        ASSERT_EQ(templ.recordCount, 2);
        AsciiRecordTemplate expected = RecordOf("TimeDate", AsciiEncodingDouble);
        expected.type = 3;
        ExpectSameRecord(templ.records[0], expected);
        EXPECT_STREQ(templ.records[1].name, "Tide (m, up+)");
        WriteMetaTemplate("EMPTY", {});
        EXPECT_TRUE(AsciiTemplate("EMPTY").IsValid());

        const std::string good = MetaTemplateText({{"A", 1}, {"B", 2}});
        const auto edited = [&](const char* pattern, const std::string& with) {
            return std::regex_replace(good, std::regex(pattern), with);
        };
        const std::pair<std::string, std::string> broken[] = {
            {"no name", edited("metatemplatename=meta", "metatemplatename=")},
            {"no count", edited("count=2", "")},
            {"bad count", edited("count=2", "count=two")},
            {"empty record", edited("name=B", "name=")},
            {"bad type", edited("type=1", "type=x")},
            {"long record", edited("name=B", "name=" + std::string(32, 'B'))},
            {"many records", MetaTemplateText(MetaRecords(21, {"R", 0}))},
        };
        for (const auto& [module, text] : broken) {
            WriteStoreFile(module, "_meta_.aft", text);
            const AsciiTemplate invalid(module.c_str());
            EXPECT_FALSE(invalid.IsValid()) << module;
            EXPECT_EQ(invalid.recordCount, 0) << module;
        }
        WriteStoreFile("fine", "_meta_.aft", good);
        const auto meta = AsciiMetaTemplate::Read("fine");
        ASSERT_TRUE(meta);
        EXPECT_STREQ(meta->moduleName, "fine");
        EXPECT_EQ(meta->records[1].type, 2);
        EXPECT_FALSE(AsciiTemplate(std::string(30, 'm').c_str()).IsValid());
    });
}

TEST(TemplateStore, TemplatesAreSavedAndLoadedByName) {
    RunInInstallation([] {
        WriteMetaTemplate("TERRAL_TIDE", {{"TimeDate", 3}, {"Tide (m, up+)", 0}});
        WriteMetaTemplate("OTHER", {{"X", 0}});
        AsciiTemplate saved("TERRAL_TIDE");
        saved.records[1].ConvFactor = 0.5;
        ASSERT_TRUE(saved.Save("Harbour gauge"));
        const std::string path =
            TestInstallationFolder() + "/Setup/AsciiFileTemplates/TERRAL_TIDE/Harbour gauge.aft";
        EXPECT_STREQ(saved.path, path.c_str());

        AsciiTemplate loaded("TERRAL_TIDE");
        ASSERT_TRUE(loaded.Load("Harbour gauge"));
        EXPECT_TRUE(loaded.IsValid());
        EXPECT_STREQ(loaded.templateName, "Harbour gauge");
        EXPECT_EQ(loaded.records[1].ConvFactor, 0.5);
        // The same file in another module's folder still names its own module.
        std::filesystem::copy_file(path, std::string(GetAsciiTemplateRoot()) + "/OTHER/copy.aft");
        AsciiTemplate other("OTHER");
        ASSERT_TRUE(other.Load("copy"));
        EXPECT_STREQ(other.moduleName, "TERRAL_TIDE");

        EXPECT_FALSE(loaded.Load("absent"));
        EXPECT_TRUE(loaded.LoadFromPath(path.c_str()));
        EXPECT_FALSE(loaded.IsValid()); // a failed load is not undone by a good one
        EXPECT_FALSE(AsciiTemplate("TERRAL_TIDE").Load(std::string(30, 'n').c_str()));
    });
}

} // namespace
