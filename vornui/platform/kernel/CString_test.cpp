#include "vornui/platform/CString.h"
#include "vornui/platform/Collections.h"

#include <gtest/gtest.h>

#include <string>

TEST(CString, SlicesClampOutOfRangeArguments) {
    const CString s("survey");
    EXPECT_EQ(s.Left(3), "sur");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(99), "survey");
    EXPECT_EQ(s.Mid(2), "rvey");
    EXPECT_EQ(s.Mid(2, 2), "rv");
    EXPECT_EQ(s.Mid(-5, 3), "sur");
    EXPECT_EQ(s.Mid(4, 99), "ey");
    EXPECT_EQ(s.Mid(10), "");
    EXPECT_EQ(s.Right(2), "ey");
    EXPECT_EQ(s.Right(-2), "");
    EXPECT_EQ(s.GetAt(6), '\0');
    EXPECT_EQ(s[1], 'u');
    EXPECT_EQ(s[size_t{2}], 'r');
}

TEST(CString, FindsLikeTheFramework) {
    const CString s("a,b,,c");
    EXPECT_EQ(s.Find(','), 1);
    EXPECT_EQ(s.Find(',', 2), 3);
    EXPECT_EQ(s.Find(',', 6), -1);
    EXPECT_EQ(s.Find(",,"), 3);
    EXPECT_EQ(s.Find("", 6), 6); // an empty text is found where the search starts
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.ReverseFind(','), 4);
    EXPECT_EQ(s.FindOneOf("cb"), 2);
    EXPECT_EQ(CString().ReverseFind('x'), -1);
}

TEST(CString, ComparesBytesAndCodePage1252Case) {
    EXPECT_LT(CString("abc").Compare("abd"), 0);
    EXPECT_GT(CString("\xB0").Compare("z"), 0); // unsigned bytes: the degree sign sorts high
    EXPECT_EQ(CString("TERRAL_Tide").CompareNoCase("terral_TIDE"), 0);
    EXPECT_EQ(CString("\xC9T\xC9").CompareNoCase("\xE9t\xE9"), 0); // É and é
    EXPECT_LT(CString("_").CompareNoCase("A"), 0);                 // compared in lower case
    CString text("caf\xE9 \xFF \x9A \xB0");
    EXPECT_EQ(text.MakeUpper(), "CAF\xC9 \x9F \x8A \xB0");
    EXPECT_EQ(text.MakeLower(), "caf\xE9 \xFF \x9A \xB0");
    EXPECT_TRUE(CString("a") < CString("b"));
    EXPECT_TRUE("b" > CString("a"));
}

TEST(CString, EditsReturnTheFrameworksResults) {
    CString s("one two one");
    EXPECT_EQ(s.Replace("one", "three"), 2);
    EXPECT_EQ(s, "three two three");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace('t', 'T'), 3);
    EXPECT_EQ(s.Remove('e'), 4);
    EXPECT_EQ(s, "Thr Two Thr");
    EXPECT_EQ(s.Insert(0, '>'), 12);
    EXPECT_EQ(s.Insert(99, "<"), 13);
    EXPECT_EQ(s, ">Thr Two Thr<");
    EXPECT_EQ(s.Delete(1, 4), 9);
    EXPECT_EQ(s.Delete(7, 99), 7);
    EXPECT_EQ(s.Delete(99), 7);
    EXPECT_EQ(s, ">Two Th");

    CString padded("\t  value \r\n");
    EXPECT_EQ(CString(padded).Trim(), "value");
    EXPECT_EQ(CString(padded).TrimLeft(), "value \r\n");
    EXPECT_EQ(CString(padded).TrimRight(), "\t  value");
    EXPECT_EQ(CString("xxaxx").Trim('x'), "a");
    EXPECT_EQ(CString("-+a+-").TrimRight("+-"), "-+a");
    EXPECT_EQ(CString("   ").Trim(), "");
}

TEST(CString, FormatFollowsPrintfWithNoLengthLimit) {
    CString s;
    s.Format("%s=%d", "count", 20);
    EXPECT_EQ(s, "count=20");
    s.AppendFormat(" %.3f", 1.5);
    EXPECT_EQ(s, "count=20 1.500");
    const std::string wide(5000, 'w');
    s.Format("[%s]", wide.c_str());
    EXPECT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s.Mid(1, 5000), wide.c_str());
}

TEST(CString, TokenizeWalksPastEmptyTokens) {
    const CString line("12.5,,N;  3");
    int start = 0;
    EXPECT_EQ(line.Tokenize(",; ", start), "12.5");
    EXPECT_EQ(line.Tokenize(",; ", start), "N");
    EXPECT_EQ(line.Tokenize(",; ", start), "3");
    EXPECT_EQ(line.Tokenize(",; ", start), "");
    EXPECT_EQ(start, -1);
    EXPECT_EQ(CString("abc-def").SpanExcluding("-"), "abc");
    EXPECT_EQ(CString("1234ab").SpanIncluding("0123456789"), "1234");
}

TEST(CString, ConcatenatesAndConvertsLikeTheFramework) {
    CString s = CString("a") + "b" + 'c';
    s = 'x' + s + CString("y");
    s += 'z';
    s += "!";
    EXPECT_EQ(s, "xabcyz!");
    EXPECT_STREQ(static_cast<const char*>(s), "xabcyz!");
    EXPECT_TRUE(s == "xabcyz!" && "xabcyz!" == s && s != "x");
    EXPECT_TRUE(CString('q') == 'q');
    EXPECT_EQ(CString('-', 3), "---");
    EXPECT_EQ(CString("abc", 2), "ab");
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");

    CString buffer;
    char* raw = buffer.GetBuffer(16);
    std::snprintf(raw, 16, "%s", "written");
    buffer.ReleaseBuffer();
    EXPECT_EQ(buffer, "written");
    EXPECT_EQ(buffer.GetLength(), 7);
    buffer.GetBufferSetLength(3);
    EXPECT_EQ(buffer, "wri");
}

TEST(Collections, ArraysAndListsKeepTheirOrder) {
    CStringArray array;
    EXPECT_EQ(array.Add("b"), 0);
    EXPECT_EQ(array.Add("c"), 1);
    array.InsertAt(0, "a");
    array.SetAtGrow(4, "e");
    EXPECT_EQ(array.GetSize(), 5);
    EXPECT_EQ(array[3], "");
    array.RemoveAt(3, 99);
    EXPECT_EQ(array.GetUpperBound(), 2);
    EXPECT_EQ(array[0] + array[1] + array[2], "abc");

    CUIntArray numbers;
    numbers.SetSize(3);
    numbers[1] = 7;
    EXPECT_EQ(numbers.GetAt(1), 7u);
    EXPECT_EQ(numbers.GetAt(2), 0u);

    CStringList list;
    list.AddTail("two");
    list.AddHead("one");
    const POSITION last = list.AddTail("four");
    list.InsertBefore(last, "three");
    EXPECT_EQ(list.GetCount(), 4);
    std::string joined;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        joined += list.GetNext(pos).GetString();
    EXPECT_EQ(joined, "onetwothreefour");
    POSITION found = list.Find("two");
    ASSERT_NE(found, nullptr);
    list.RemoveAt(found);
    EXPECT_EQ(list.Find("two"), nullptr);
    EXPECT_EQ(list.GetAt(list.FindIndex(1)), "three");
    EXPECT_EQ(list.RemoveTail(), "four");
    EXPECT_EQ(list.RemoveHead(), "one");
    CStringList copy = list;
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(copy.GetHead(), "three");
}
