#include "tests/InstalledProgram.h"
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
    std::strcpy(templ.fileChop.separators, "\n;");
    std::strcpy(templ.fileChop.hitlist, "\r\xB0");
    std::strcpy(templ.fileChop.quotestart, "\"");
    std::strcpy(templ.fileChop.quoteend, "'");
    templ.fileChop.ignoremulti = 1;
    std::strcpy(templ.columnChop.separators, ",:/");
    std::strcpy(templ.columnChop.hitlist, " \t");
    templ.columnChop.ignoremulti = -3;
    templ.columnCount = 5;
    for (int i = 0; i < 5; ++i)
        templ.columnTypes[i] = i * 2;
    templ.recordCount = 2;
    templ.records[0] = RecordOf("TimeDate", AsciiEncodingDate, {1, 2, 3, 4, 5, 6, 7});
    templ.records[0].type = 3;
    templ.records[1] = RecordOf("Tide (m, up+)", AsciiEncodingDouble, {-1}, 0.25, -1.5);
    templ.records[1].type = 11;
    std::strcpy(templ.matchposition, "POS");
    std::strcpy(templ.matchdate, "DATE");
    std::strcpy(templ.matchtime, "TIME");
    return templ;
}

void ExpectSameChop(const AsciiChopSettings& a, const AsciiChopSettings& b) {
    EXPECT_EQ(0, std::memcmp(a.separators, b.separators, sizeof a.separators));
    EXPECT_EQ(0, std::memcmp(a.hitlist, b.hitlist, sizeof a.hitlist));
    EXPECT_EQ(0, std::memcmp(a.quotestart, b.quotestart, sizeof a.quotestart));
    EXPECT_EQ(0, std::memcmp(a.quoteend, b.quoteend, sizeof a.quoteend));
    EXPECT_EQ(a.ignoremulti, b.ignoremulti);
}

void ExpectSameRecord(const AsciiRecordTemplate& a, const AsciiRecordTemplate& b) {
    EXPECT_STREQ(a.name, b.name);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.encoding, b.encoding);
    for (int i = 0; i < kAsciiRecordSources; ++i)
        EXPECT_EQ(a.sources[i], b.sources[i]) << i;
    EXPECT_EQ(a.ConvFactor, b.ConvFactor);
    EXPECT_EQ(a.ConvOffset, b.ConvOffset);
}

std::string Replaced(std::string text, const std::string& pattern, const std::string& with) {
    return std::regex_replace(text, std::regex(pattern), with);
}

class TemplateFile : public ::testing::Test {
protected:
    // The saved file of FilledTemplate(), changed by `edit`, loaded into a fresh template.
    template <typename Edit>
    bool LoadEdited(AsciiTemplate& loaded, Edit edit) {
        AsciiTemplate saved = FilledTemplate();
        EXPECT_TRUE(saved.SaveToPath(folder.file("saved.aft").c_str()));
        const std::string path =
            folder.write("edited.aft", edit(TempDir::read(folder.file("saved.aft"))));
        return loaded.LoadFromPath(path.c_str());
    }

    TempDir folder;
};

TEST_F(TemplateFile, SavedTemplateLoadsBackEveryField) {
    AsciiTemplate saved = FilledTemplate();
    const std::string path = folder.file("round trip.aft");
    ASSERT_TRUE(saved.SaveToPath(path.c_str()));
    EXPECT_FALSE(saved.loading);
    EXPECT_STREQ(saved.path, path.c_str());

    AsciiTemplate loaded("NO_SUCH_MODULE");
    ASSERT_TRUE(loaded.LoadFromPath(path.c_str()));
    EXPECT_TRUE(loaded.loading);
    EXPECT_FALSE(loaded.IsValid()); // no meta template: a load cannot make it valid
    EXPECT_STREQ(loaded.moduleName, "TERRAL_TIDE");
    EXPECT_STREQ(loaded.exampleFile, saved.exampleFile);
    ExpectSameChop(loaded.fileChop, saved.fileChop);
    ExpectSameChop(loaded.columnChop, saved.columnChop);
    EXPECT_EQ(loaded.columnCount, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(loaded.columnTypes[i], i * 2);
    ASSERT_EQ(loaded.recordCount, 2);
    ExpectSameRecord(loaded.records[0], saved.records[0]);
    ExpectSameRecord(loaded.records[1], saved.records[1]);
    EXPECT_STREQ(loaded.matchposition, "POS");
    EXPECT_STREQ(loaded.matchdate, "DATE");
    EXPECT_STREQ(loaded.matchtime, "TIME");
}

TEST_F(TemplateFile, KeysAreWrittenAsTheEditorReadsThem) {
    AsciiTemplate saved = FilledTemplate();
    ASSERT_TRUE(saved.SaveToPath(folder.file("keys.aft").c_str()));
    const std::string text = TempDir::read(folder.file("keys.aft"));
    EXPECT_NE(text.find("seperator_0=10\n"), std::string::npos);
    EXPECT_NE(text.find("seperator_1=59\n"), std::string::npos);
    EXPECT_NE(text.find("seperator_14=0\n"), std::string::npos);
    EXPECT_NE(text.find("hitlist_1=-80\n"), std::string::npos); // the degree sign, signed
    EXPECT_NE(text.find("ConvFactor=0.250000\n"), std::string::npos);
    EXPECT_NE(text.find("ConvOffset=-1.500000\n"), std::string::npos);
    EXPECT_NE(text.find("[RecordTemplate_1]\nname=Tide (m, up+)\ntype=11\n"), std::string::npos);
    EXPECT_NE(text.find("src6=7\n"), std::string::npos);
    EXPECT_NE(text.find("[coltypes]\ncount=5\ncol0=0\n"), std::string::npos);
    // Each of the eight character sets has exactly 15 keys.
    for (const char* set : {"seperator_", "hitlist_", "quotestart_", "quoteend_"}) {
        size_t keys = 0;
        for (size_t at = text.find(set); at != std::string::npos; at = text.find(set, at + 1))
            ++keys;
        EXPECT_EQ(keys, 30u) << set;
    }
}

TEST_F(TemplateFile, CharacterKeysKeepTheLowEightBits) {
    AsciiTemplate loaded("NO_SUCH_MODULE");
    ASSERT_TRUE(LoadEdited(loaded, [](std::string text) {
        text =
            Replaced(text, "\\[chopColumns\\]\nseperator_0=44", "[chopColumns]\nseperator_0=432");
        return Replaced(text, "\\[chopColumns\\]\n(seperator_0=432\n)seperator_1=58",
                        "[chopColumns]\n$1seperator_1=-198");
    }));
    EXPECT_EQ(static_cast<unsigned char>(loaded.columnChop.separators[0]), 0xB0);
    EXPECT_EQ(loaded.columnChop.separators[1], ':');
}

TEST_F(TemplateFile, MissingKeyFailsTheLoadButEveryOtherKeyIsRead) {
    AsciiTemplate loaded("NO_SUCH_MODULE");
    EXPECT_FALSE(LoadEdited(loaded, [](std::string text) {
        text = Replaced(text, "col3=6\n", "");
        return Replaced(text, "\\[chopfile\\]\nseperator_0=10\n", "[chopfile]\n");
    }));
    EXPECT_EQ(loaded.columnCount, 5);
    EXPECT_EQ(loaded.columnTypes[2], 4);
    EXPECT_EQ(loaded.columnTypes[3], 0); // kept from before
    EXPECT_EQ(loaded.columnTypes[4], 8);
    EXPECT_EQ(loaded.fileChop.separators[0], '\0');
    EXPECT_EQ(loaded.fileChop.separators[1], ';');
    EXPECT_EQ(loaded.records[1].ConvOffset, -1.5);
    EXPECT_STREQ(loaded.matchtime, "TIME");
}

TEST_F(TemplateFile, NumbersThatDoNotReadKeepTheOldValue) {
    AsciiTemplate loaded("NO_SUCH_MODULE");
    loaded.records[0].type = 77;
    loaded.records[1].ConvFactor = 9.0;
    EXPECT_FALSE(LoadEdited(loaded, [](std::string text) {
        text = Replaced(text, "type=3\n", "type=three\n");
        return Replaced(text, "ConvFactor=0.250000", "ConvFactor=");
    }));
    EXPECT_EQ(loaded.records[0].type, 77);
    EXPECT_EQ(loaded.records[1].ConvFactor, 9.0);
}

TEST_F(TemplateFile, KeysAreReadWithinTheirWidths) {
    AsciiTemplate loaded("NO_SUCH_MODULE");
    const std::string longName(40, 'M');
    ASSERT_TRUE(LoadEdited(loaded, [&](std::string text) {
        text = Replaced(text, "metatemplatename=TERRAL_TIDE", "metatemplatename=" + longName);
        text = Replaced(text, "type=11", "type=1234567890");
        text = Replaced(text, "ConvOffset=-1.500000", "ConvOffset=1.2345678901234567890123");
        return Replaced(text, "matchdate=DATE", "matchdate=" + std::string(300, 'd'));
    }));
    EXPECT_EQ(std::string(loaded.moduleName), std::string(29, 'M'));
    EXPECT_EQ(loaded.records[1].type, 123456789);
    EXPECT_EQ(loaded.records[1].ConvOffset, 1.23456789012345678);
    EXPECT_EQ(std::string(loaded.matchdate), std::string(254, 'd'));
}

TEST_F(TemplateFile, TextKeysMayBeMissing) {
    AsciiTemplate loaded("NO_SUCH_MODULE");
    ASSERT_TRUE(LoadEdited(loaded, [](std::string text) {
        text = Replaced(text, "ExampleFile=.*\n", "");
        text = Replaced(text, "name=Tide.*\n", "");
        return Replaced(text, "\\[header\\][^]*", "");
    }));
    EXPECT_STREQ(loaded.exampleFile, "");
    EXPECT_STREQ(loaded.records[1].name, "");
    EXPECT_STREQ(loaded.matchposition, "");
}

TEST_F(TemplateFile, CountsBeyondTheFixedArraysAreRejected) {
    AsciiTemplate loaded("NO_SUCH_MODULE");
    EXPECT_FALSE(LoadEdited(loaded, [](std::string text) {
        text = Replaced(text, "\\[coltypes\\]\ncount=5", "[coltypes]\ncount=201");
        return Replaced(text, "\\[RecordTemplate\\]\ncount=2", "[RecordTemplate]\ncount=21");
    }));
    EXPECT_EQ(loaded.columnCount, 0);
    EXPECT_EQ(loaded.recordCount, 0);
}

TEST_F(TemplateFile, BadPathsFail) {
    AsciiTemplate templ = FilledTemplate();
    EXPECT_FALSE(templ.SaveToPath(folder.file("missing folder/t.aft").c_str()));
    EXPECT_FALSE(templ.LoadFromPath(folder.file("absent.aft").c_str()));
    const std::string overlong = folder.file(std::string(200, 'p') + ".aft");
    EXPECT_FALSE(templ.SaveToPath(overlong.c_str()));
    EXPECT_FALSE(templ.LoadFromPath(overlong.c_str()));
    EXPECT_FALSE(templ.LoadFromPath(nullptr));
}

TEST(TemplateStore, RootFollowsTheProgramsInstallation) {
    RunInInstallation([] {
        const std::string expected = TestInstallationFolder() + "/Setup/AsciiFileTemplates/";
        const char* root = GetAsciiTemplateRoot();
        EXPECT_EQ(std::string(root), expected);
        std::filesystem::remove_all(TestInstallationFolder() + "/Setup");
        EXPECT_STREQ(GetAsciiTemplateRoot(), "/opt/vorn/Setup/AsciiFileTemplates");
        EXPECT_EQ(GetAsciiTemplateRoot(), root); // one buffer, rewritten per request
    });
}

TEST(TemplateStore, MetaTemplateGivesTheDefaults) {
    RunInInstallation([] {
        WriteMetaTemplate("TERRAL_TIDE", {{"TimeDate", 3}, {"Tide (m, up+)", 0}});
        const AsciiTemplate templ("TERRAL_TIDE");
        ASSERT_TRUE(templ.IsValid());
        EXPECT_STREQ(templ.moduleName, "TERRAL_TIDE");
        EXPECT_STREQ(templ.fileChop.separators, "\n");
        EXPECT_STREQ(templ.fileChop.hitlist, "\r");
        EXPECT_STREQ(templ.columnChop.separators, ",");
        EXPECT_STREQ(templ.columnChop.hitlist, " ");
        EXPECT_STREQ(templ.columnChop.quotestart, "");
        EXPECT_EQ(templ.columnChop.ignoremulti, 0);
        EXPECT_EQ(templ.columnCount, 0);
        ASSERT_EQ(templ.recordCount, 2);
        ExpectSameRecord(templ.records[0], [] {
            AsciiRecordTemplate record = RecordOf("TimeDate", AsciiEncodingDouble);
            record.type = 3;
            return record;
        }());
        EXPECT_STREQ(templ.records[1].name, "Tide (m, up+)");
        EXPECT_STREQ(templ.matchdate, "");

        WriteMetaTemplate("EMPTY", {});
        const AsciiTemplate empty("EMPTY");
        EXPECT_TRUE(empty.IsValid());
        EXPECT_EQ(empty.recordCount, 0);
    });
}

TEST(TemplateStore, BrokenMetaTemplatesLeaveTheTemplateInvalid) {
    RunInInstallation([] {
        const std::string good = MetaTemplateText({{"A", 1}, {"B", 2}});
        const std::pair<std::string, std::string> broken[] = {
            {"no name", Replaced(good, "metatemplatename=meta", "metatemplatename=")},
            {"no count", Replaced(good, "count=2", "")},
            {"bad count", Replaced(good, "count=2", "count=two")},
            {"empty record", Replaced(good, "name=B", "name=")},
            {"bad type", Replaced(good, "type=1", "type=x")},
            {"long record", Replaced(good, "name=B", "name=" + std::string(32, 'B'))},
            {"many records", MetaTemplateText(MetaRecords(21, {"R", 0}))},
        };
        for (const auto& [module, text] : broken) {
            WriteStoreFile(module, "_meta_.aft", text);
            const AsciiTemplate templ(module.c_str());
            EXPECT_FALSE(templ.IsValid()) << module;
            EXPECT_EQ(templ.recordCount, 0) << module;
            EXPECT_FALSE(AsciiMetaTemplate::Read(module.c_str())) << module;
        }
        EXPECT_TRUE(AsciiMetaTemplate::Read("no name") == std::nullopt);
        WriteStoreFile("fine", "_meta_.aft", good);
        const auto meta = AsciiMetaTemplate::Read("fine");
        ASSERT_TRUE(meta);
        EXPECT_STREQ(meta->moduleName, "fine");
        EXPECT_EQ(meta->recordCount, 2);
        EXPECT_STREQ(meta->records[1].name, "B");
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
            std::string(GetAsciiTemplateRoot()) + "/TERRAL_TIDE/Harbour gauge.aft";
        EXPECT_STREQ(saved.path, path.c_str());
        EXPECT_TRUE(std::filesystem::exists(path));

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
        EXPECT_EQ(other.recordCount, 2);

        EXPECT_FALSE(loaded.Load("absent"));
        EXPECT_FALSE(loaded.IsValid());
        EXPECT_STREQ(loaded.moduleName, ""); // read from the missing file as empty text
        EXPECT_TRUE(loaded.LoadFromPath(path.c_str()));
        EXPECT_FALSE(loaded.IsValid()); // a failed load is not undone by a good one
        EXPECT_FALSE(AsciiTemplate("TERRAL_TIDE").Load(std::string(30, 'n').c_str()));
    });
}

} // namespace
