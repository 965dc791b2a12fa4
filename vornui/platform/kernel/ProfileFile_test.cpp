#include "tests/TempDir.h"

#include "vornui/platform/ProfileFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Read(const char* section, const char* key, const std::string& file,
                 const char* fallback = "none", DWORD size = 256) {
    std::string buffer(size, '#');
    const DWORD length =
        GetPrivateProfileString(section, key, fallback, buffer.data(), size, file.c_str());
    return buffer.substr(0, length);
}

} // namespace

TEST(ProfileFile, ReadsValuesCaseInsensitivelyWithWindowsTrimming) {
    TempDir dir;
    const std::string file = dir.write("t.aft", "; comment\r\n"
                                                "[Template]\r\n"
                                                "  MetaTemplateName =  TERRAL_TIDE  \r\n"
                                                "quoted=\"  spaced  \"\r\n"
                                                "single='x'\r\n"
                                                "half=\"open\r\n"
                                                "empty=\r\n"
                                                "bare\r\n"
                                                "[template]\r\n"
                                                "second=hidden by the first section\r\n");
    EXPECT_EQ(Read("TEMPLATE", "metatemplatename", file), "TERRAL_TIDE");
    EXPECT_EQ(Read("Template", "quoted", file), "  spaced  ");
    EXPECT_EQ(Read("Template", "single", file), "x");
    EXPECT_EQ(Read("Template", "half", file), "\"open");
    EXPECT_EQ(Read("Template", "empty", file), "");
    EXPECT_EQ(Read("Template", "bare", file), "none"); // a line without '=' is no key
    EXPECT_EQ(Read("Template", "second", file), "none");
    EXPECT_EQ(Read("Template", "missing", file, "dflt   "),
              "dflt"); // default loses trailing blanks
    EXPECT_EQ(Read("Template", "missing", file, nullptr), "");
    EXPECT_EQ(Read("Template", "x", dir.file("absent.aft"), "d"), "d");
}

TEST(ProfileFile, CutsToTheBufferAndListsNames) {
    TempDir dir;
    const std::string file = dir.write("t.ini", "[one]\na=123456789\nbb=2\n[two]\n[three]\n");
    EXPECT_EQ(Read("one", "a", file, "", 5), "1234");
    EXPECT_EQ(Read("one", "a", file, "", 1), "");

    EXPECT_EQ(Read(nullptr, nullptr, file), std::string("one\0two\0three\0", 14));
    EXPECT_EQ(Read("one", nullptr, file), std::string("a\0bb\0", 5));
    char small[6];
    EXPECT_EQ(GetPrivateProfileString(nullptr, nullptr, "", small, sizeof small, file.c_str()), 4u);
    EXPECT_EQ(std::string(small, 6), std::string("one\0\0\0", 6));

    EXPECT_EQ(GetPrivateProfileInt("one", "a", 7, file.c_str()), 123456789u);
    EXPECT_EQ(GetPrivateProfileInt("one", "missing", 7, file.c_str()), 7u);
    const std::string numbers =
        dir.write("n.ini", "[n]\nhex=0x1F\nneg=-5\ntext=abc\nmixed=42abc\n");
    EXPECT_EQ(GetPrivateProfileInt("n", "hex", 0, numbers.c_str()), 31u);
    EXPECT_EQ(static_cast<int>(GetPrivateProfileInt("n", "neg", 9, numbers.c_str())), -5);
    EXPECT_EQ(GetPrivateProfileInt("n", "text", 9, numbers.c_str()), 0u);
    EXPECT_EQ(GetPrivateProfileInt("n", "mixed", 9, numbers.c_str()), 42u);
}

TEST(ProfileFile, WritesChangeOnlyTheirLine) {
    TempDir dir;
    const std::string original = "; keep me\r\n"
                                 "[a]\r\n"
                                 "x = 1 ; odd but kept\r\n"
                                 "\r\n"
                                 "[B]\r\n"
                                 "y=2\r\n"
                                 "\r\n"
                                 "[c]\r\n"
                                 "z=3";
    const std::string file = dir.write("w.ini", original);
    ASSERT_TRUE(WritePrivateProfileString("b", "Y", "20", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("b", "new", "v", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("C", "w", "4", file.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("added", "k", "v", file.c_str()));
    EXPECT_EQ(TempDir::read(file), "; keep me\r\n"
                                   "[a]\r\n"
                                   "x = 1 ; odd but kept\r\n"
                                   "\r\n"
                                   "[B]\r\n"
                                   "y=20\r\n"
                                   "new=v\r\n"
                                   "\r\n"
                                   "[c]\r\n"
                                   "z=3\r\n"
                                   "w=4\r\n"
                                   "[added]\r\n"
                                   "k=v\r\n");

    ASSERT_TRUE(WritePrivateProfileString("b", "new", nullptr, file.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("added", nullptr, nullptr, file.c_str()));
    EXPECT_EQ(Read("b", "new", file), "none");
    EXPECT_EQ(Read("added", "k", file), "none");
    EXPECT_EQ(Read("a", "x", file), "1 ; odd but kept");
}

TEST(ProfileFile, CreatesFilesAndSurvivesBinaryContent) {
    TempDir dir;
    const std::string created = dir.file("new.aft");
    ASSERT_TRUE(WritePrivateProfileString("chopfile", "seperator_0", "10", created.c_str()));
    EXPECT_EQ(TempDir::read(created), "[chopfile]\nseperator_0=10\n");
    EXPECT_FALSE(
        WritePrivateProfileString("s", "k", "v", dir.file("no/such/folder/f.ini").c_str()));

    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) % 256);
    binary += std::string("\n[s]\nkey=\0value\n[\n]]]\n=\n==\n[", 25) + std::string(100000, 'x');
    const std::string file = dir.write("binary.ini", binary);
    EXPECT_EQ(Read("s", "key", file), "");
    EXPECT_EQ(Read("", "", file), "");
    Read(nullptr, nullptr, file);
    ASSERT_TRUE(WritePrivateProfileString("s", "added", "1", file.c_str()));
    const std::string after = TempDir::read(file);
    EXPECT_EQ(after.substr(0, 4096), binary.substr(0, 4096)); // the rest of the file is kept
    EXPECT_EQ(Read("s", "added", file), "1");
}

TEST(ProfileFile, ReadsIntegersAsTheSystemConvertsThem) {
    TempDir dir;
    const std::string file = dir.write("i.ini", "[n]\n"
                                                "minus=-1\n"
                                                "left=-5000\n"
                                                "plus=+1\n"
                                                "wraps=4294967297\n"
                                                "trailing=42A9\n"
                                                "leading=B42\n"
                                                "octal=0o17\n"
                                                "binary=-0b101\n"
                                                "quoted=\"-7\"\n"
                                                "empty=\n");
    const auto read = [&](const char* key) {
        return GetPrivateProfileInt("n", key, 99, file.c_str());
    };
    EXPECT_EQ(read("minus"), 4294967295u);
    EXPECT_EQ(static_cast<int>(read("left")), -5000);
    EXPECT_EQ(read("plus"), 1u);
    EXPECT_EQ(read("wraps"), 1u);
    EXPECT_EQ(read("trailing"), 42u);
    EXPECT_EQ(read("leading"), 0u); // no digits: zero, not the default
    EXPECT_EQ(read("octal"), 15u);
    EXPECT_EQ(static_cast<int>(read("binary")), -5);
    EXPECT_EQ(static_cast<int>(read("quoted")), -7);
    EXPECT_EQ(read("empty"), 99u);
    EXPECT_EQ(read("missing"), 99u);
}

TEST(ProfileFile, LinesWithoutEqualsAreNoKeysAndNamesAreWrittenTrimmed) {
    TempDir dir;
    const std::string file = dir.write("k.ini", "[sec]\nname1=val1\nname3\nname4=a\n");
    EXPECT_EQ(Read("sec", nullptr, file), std::string("name1\0name4\0", 12));
    ASSERT_TRUE(WritePrivateProfileString("sec", "name5", "b", file.c_str()));
    EXPECT_EQ(Read("sec", nullptr, file), std::string("name1\0name4\0name5\0", 18));
    EXPECT_EQ(TempDir::read(file), "[sec]\nname1=val1\nname3\nname4=a\nname5=b\n");

    const std::string trimmed = dir.file("t.ini");
    ASSERT_TRUE(WritePrivateProfileString("   sec   ", "  key  ", "  value  ", trimmed.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("sec", " other ", "x", trimmed.c_str()));
    ASSERT_TRUE(WritePrivateProfileString(" sec", "key ", " changed ", trimmed.c_str()));
    EXPECT_EQ(TempDir::read(trimmed), "[sec]\nkey= changed \nother=x\n");
    EXPECT_EQ(Read("  sec ", " key", trimmed), "changed");
}

TEST(ProfileFile, SkipsAUtf8ByteOrderMarkAndKeepsItOnWrite) {
    TempDir dir;
    const std::string file =
        dir.write("bom.aft", "\xEF\xBB\xBF[template]\r\nmetatemplatename=TIDE\r\n");
    EXPECT_EQ(Read(nullptr, nullptr, file), std::string("template\0", 9));
    EXPECT_EQ(Read("template", "metatemplatename", file), "TIDE");
    ASSERT_TRUE(WritePrivateProfileString("template", "ExampleFile", "x.txt", file.c_str()));
    EXPECT_EQ(TempDir::read(file),
              "\xEF\xBB\xBF[template]\r\nmetatemplatename=TIDE\r\nExampleFile=x.txt\r\n");
}
