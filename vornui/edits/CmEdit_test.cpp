#include "vornui/edits/CmEditHost_test.h"

#include <climits>
#include <memory>

namespace {

using MaskedEdit = MaskedEditHost;
using Span = std::pair<int, int>;

constexpr const char* kTime = "[0-9][0-9]:[0-5][0-9]";

TEST_F(MaskedEdit, EveryMaskBecomesATemplateOfLiteralsAndSets) {
    struct Case {
        const char* mask;
        const char* shown;
        const char* written;
        const char* filled;
        const char* data;
    };
    const Case cases[] = {
        {kTime, "__:__", "1279", "12:__", "12"},
        {"\\[[0-9]\\]", "[_]", "x5", "[5]", "5"},
        {"\\\\[0-9]", "\\[0-9]", "5", "\\[0-9]", ""},
        {"a\\b]", "a\\b]", "ab", "a\\b]", ""},
        {"[]", "_", "abc[]", "_", ""},
        {"[z-a]x", "_x", "zax", "_x", ""},
        {"[\\]x]", "_", "]", "]", "]"},
        {"[-a][a-", "__", "a-", "a-", "a-"},
        {"[ -\x7F]", "_", "\x7F", "\x7F", "\x7F"},
        {"[\x80-\xFF][\x80-\xFF]", "__", "a\xB0z\xFF", "\xB0\xFF", "\xB0\xFF"},
        {"[x-\\]", "_", "x\\", "_", ""},
        {"", "", "12", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        m_edit.SetMask(c.mask);
        EXPECT_EQ(Shown(), c.shown);
        m_edit.SetWindowText(c.written);
        EXPECT_EQ(Shown(), c.filled);
        EXPECT_EQ(Data(), c.data);
    }
}

TEST_F(MaskedEdit, TextIsWrittenOverTheTemplateAndReadBackAsValues) {
    // Identifiers in capitals, whatever case is typed.
    m_edit.SetMask("[a-zA-Z][a-zA-Z]-[0-9][0-9][0-9]");
    m_edit.ConverToUpper(true);
    m_edit.SetWindowText("ab-123");
    EXPECT_EQ(Shown(), "AB-123");
    EXPECT_EQ(Data(), "AB123");
    m_edit.CopyNonMasked(true);
    EXPECT_EQ(Data(), "AB-123");
    m_edit.CopyNonMasked(false);
    // Separators need not be typed; surplus text is cut off.
    m_edit.SetWindowText("xy98765");
    EXPECT_EQ(Shown(), "XY-987");
    m_edit.ConverToUpper(false); // lower case from now on
    m_edit.SetWindowText("CD456");
    EXPECT_EQ(Shown(), "cd-456");

    // The conversion comes after the set has accepted a character.
    m_edit.SetMask("[A-Z][A-Z]-[0-9][0-9][0-9]");
    m_edit.ConverToUpper(true);
    m_edit.SetWindowText("ab-123");
    EXPECT_EQ(Shown(), "__-___");
    EXPECT_EQ(Data(), "");

    // An empty text changes nothing; a null one only shows the template again.
    m_edit.SetMask(kTime);
    m_edit.SetData("0930");
    m_edit.SetData("");
    EXPECT_EQ(Shown(), "09:30");
    m_edit.SetWindowText(nullptr);
    EXPECT_EQ(Shown(), "09:30");
    m_edit.SetPrompt('.');
    m_edit.SetPrompt(0); // refused: an empty position must show something
    m_edit.SetWindowText("1");
    EXPECT_EQ(Shown(), "1.:..");

    // Parts of the data, and the framework's ways of reading the text.
    m_edit.SetWindowText("12:34");
    EXPECT_EQ(m_edit.GetData(1, 3), "23");
    EXPECT_EQ(m_edit.GetData(-4, 2), "12");
    EXPECT_EQ(m_edit.GetData(5, 1), "1");
    EXPECT_EQ(m_edit.GetData(3, 99), "34");
    m_edit.CopyNonMasked(true);
    EXPECT_EQ(m_edit.GetData(1, 3), "2:3");
    m_edit.SetWindowText("1");
    EXPECT_EQ(m_edit.GetData(), "1.:..");
    m_edit.CopyNonMasked(false);
    m_edit.SetWindowText("1234");
    CString text;
    m_edit.GetWindowText(text);
    EXPECT_EQ(text, "1234");
    EXPECT_EQ(m_edit.GetWindowTextLength(), 4);
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(m_edit.GetWindowText(buffer, 3), 2);
    EXPECT_STREQ(buffer, "12");
    EXPECT_EQ(buffer[3], '#');
    EXPECT_EQ(m_edit.GetWindowText(buffer, 0), 0);
    EXPECT_EQ(m_edit.GetWindowText(buffer, 8), 4);
    EXPECT_STREQ(buffer, "1234");

    // Without a mask there is nothing to show or to fill.
    CmEdit bare;
    bare.SetWindowText("12");
    EXPECT_EQ(bare.GetData(), "");
    EXPECT_EQ(bare.GetWindowTextLength(), 0);
}

TEST_F(MaskedEdit, APasswordCharacterHidesTheValuesAndKeepsThemOffTheClipboard) {
    m_edit.SetMask("PIN [0-9][0-9]-[0-9][0-9]");
    m_edit.SetPasswordChar('*');
    EXPECT_EQ(m_edit.GetPasswordChar(), '*');
    m_edit.SetWindowText("1234");
    EXPECT_EQ(Shown(), "PIN **-**");
    EXPECT_EQ(Data(), "1234");

    PutOnClipboard("before");
    m_edit.SetSel(0, 9);
    m_edit.Copy();
    m_edit.Cut();
    SendMessage(m_edit.m_hWnd, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "before");
    EXPECT_EQ(Data(), "1234");

    m_edit.SetPasswordChar(0);
    EXPECT_EQ(Shown(), "PIN 12-34");
}

TEST_F(MaskedEdit, WritingPassesLiteralsDropsRefusedCharactersAndKeepsWhatItDoesNotReach) {
    m_edit.SetMask(kTime);
    for (const char* text : {"1234", "12:34", "1x2 :3?4"}) {
        m_edit.Clear();
        m_edit.SetSel(0, 0);
        m_edit.ReplaceSel(text);
        EXPECT_EQ(Shown(), "12:34") << text;
        EXPECT_EQ(Selection(), Span(0, 2)); // the field where writing began
    }
    m_edit.Clear();
    m_edit.SetSel(0, 2);
    m_edit.ReplaceSel("1234");
    EXPECT_EQ(Shown(), "12:__");
    m_edit.SetWindowText("12:34");
    m_edit.SetSel(3, 3);
    m_edit.ReplaceSel("9");
    EXPECT_EQ(Shown(), "12:34"); // 9 is no tens of minutes: dropped
    m_edit.ReplaceSel("x5");
    EXPECT_EQ(Shown(), "12:54");
    EXPECT_EQ(Selection(), Span(3, 5));
    m_edit.SetSel(5, 5);
    m_edit.ReplaceSel("00");
    EXPECT_EQ(Shown(), "12:54");
    m_edit.SetSel(0, 0);
    m_edit.ReplaceSel(nullptr);
    EXPECT_EQ(Shown(), "12:54");

    m_edit.Clear();
    EXPECT_EQ(Shown(), "__:__");
    EXPECT_EQ(Selection(), Span(0, 2));
}

TEST_F(MaskedEdit, MessagesThatWouldChangeTheTextGoThroughTheMask) {
    const HWND edit = m_edit.m_hWnd;
    m_edit.SetMask(kTime);
    ::SetWindowText(edit, "0930");
    EXPECT_EQ(Shown(), "09:30");
    EXPECT_EQ(Data(), "0930");

    SendMessage(edit, EM_SETSEL, 3, 3);
    SendMessage(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("4-5"));
    EXPECT_EQ(Shown(), "09:45");

    // Pasted bytes of every kind: only what the sets accept lands, field by field.
    PutOnClipboard("\x01\xB0 1\t7x\xFF");
    SendMessage(edit, EM_SETSEL, 0, 2);
    SendMessage(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Shown(), "17:45");
    EXPECT_EQ(Selection(), Span(3, 5)); // the next field
    EXPECT_EQ(ClipboardText(), "\x01\xB0 1\t7x\xFF");
    m_edit.SetSel(0, 0);
    m_edit.Paste(); // from the caret on, across the separator
    EXPECT_EQ(Shown(), "17:45");
    PutOnClipboard("2");
    m_edit.SetSel(4, 4);
    m_edit.Paste();
    EXPECT_EQ(Shown(), "17:42");
    EXPECT_EQ(Selection(), Span(5, 5)); // past the last field: the end

    // Nothing to paste: nothing happens.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    m_edit.SetSel(0, 0);
    SendMessage(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Shown(), "17:42");
    EXPECT_EQ(Selection(), Span(0, 0));

    // Copy and cut take the values of the selection; cut empties their positions.
    SendMessage(edit, EM_SETSEL, 1, 4);
    SendMessage(edit, WM_COPY, 0, 0);
    EXPECT_EQ(ClipboardText(), "74");
    m_edit.CopyNonMasked(true);
    SendMessage(edit, WM_CUT, 0, 0);
    EXPECT_EQ(ClipboardText(), "7:4");
    EXPECT_EQ(Shown(), "1_:_2");
    EXPECT_EQ(Selection(), Span(1, 2));
    m_edit.CopyNonMasked(false);
    SendMessage(edit, EM_SETSEL, 1, 4);
    m_edit.Copy(); // only empty positions: the clipboard is emptied, nothing is put on it
    EXPECT_EQ(ClipboardText(), std::nullopt);
    m_edit.SetSel(2, 2);
    m_edit.Cut(); // nothing selected
    EXPECT_EQ(Shown(), "1_:_2");

    // Clearing empties the selected positions; there is no undo to take back.
    ::SetWindowText(edit, "1742");
    SendMessage(edit, EM_SETSEL, 0, 4);
    SendMessage(edit, WM_CLEAR, 0, 0);
    EXPECT_EQ(Shown(), "__:_2");
    EXPECT_EQ(SendMessage(edit, EM_CANUNDO, 0, 0), FALSE);
    EXPECT_EQ(SendMessage(edit, WM_UNDO, 0, 0), FALSE);
    EXPECT_EQ(SendMessage(edit, EM_UNDO, 0, 0), FALSE);
    EXPECT_EQ(Shown(), "__:_2");
    EXPECT_EQ(SendMessage(edit, WM_GETTEXTLENGTH, 0, 0), 5);
}

TEST_F(MaskedEdit, SelectionsSnapToEditablePositionsAndStopAtTheEnd) {
    m_edit.SetMask("([0-9][0-9]) [A-Z]");
    EXPECT_EQ(Shown(), "(__) _");
    m_edit.SetSel(0, 0);
    EXPECT_EQ(Selection(), Span(1, 1));
    m_edit.SetSel(3, 3);
    EXPECT_EQ(Selection(), Span(5, 5));
    m_edit.SetSel(6, 6);
    EXPECT_EQ(Selection(), Span(6, 6));
    m_edit.SetSel(4, -1);
    EXPECT_EQ(Selection(), Span(2, 2));
    m_edit.SetSel(0, -1);
    EXPECT_EQ(Selection(), Span(0, 0));
    m_edit.SetSel(1, 4);
    EXPECT_EQ(Selection(), Span(1, 4));
    m_edit.SetSel(40, 40);
    EXPECT_EQ(Selection(), Span(6, 6));
    m_edit.SetSel(INT_MAX, -1);
    EXPECT_EQ(Selection(), Span(5, 5));
    m_edit.SetSel(INT_MIN, INT_MIN);
    EXPECT_EQ(Selection(), Span(1, 1));

    // Literals only: every move ends at the end.
    m_edit.SetMask("N/A");
    m_edit.SetSel(1, 1);
    EXPECT_EQ(Selection(), Span(3, 3));
    m_edit.Clear();
    EXPECT_EQ(Selection(), Span(3, 3));
    m_edit.SetWindowText("123");
    EXPECT_EQ(Shown(), "N/A");
}

TEST_F(MaskedEdit, PositionsAreCopyableValuesThatKnowWhatTheyAccept) {
    const CmEditChar literal(':');
    EXPECT_FALSE(literal.Masked());
    EXPECT_EQ(literal.GetValue(), ':');
    EXPECT_FALSE(literal.Accepts(':'));

    CmEditChar digit(CString("0123456789"));
    EXPECT_TRUE(digit.Masked());
    EXPECT_EQ(digit.GetValue(), 0);
    EXPECT_TRUE(digit.Accepts('7'));
    EXPECT_FALSE(digit.Accepts('a'));
    EXPECT_FALSE(digit.Accepts(0));
    digit.SetValue('7');

    CmEditChar copy(digit);
    CmEditChar assigned;
    assigned = literal;
    digit.Empty();
    EXPECT_EQ(copy.GetValue(), '7');
    EXPECT_EQ(digit.GetValue(), 0);
    assigned.Empty(); // a literal keeps its character
    EXPECT_EQ(assigned.GetValue(), ':');
    assigned.setMasked(true);
    EXPECT_TRUE(assigned.Masked());

    // A host may keep its own kind of position and delete it through the base.
    struct Tagged : CmEditChar {
        explicit Tagged(bool* gone) : CmEditChar('#'), m_gone(gone) {}
        ~Tagged() override { *m_gone = true; }
        bool* m_gone;
    };
    bool gone = false;
    std::unique_ptr<CmEditChar> position = std::make_unique<Tagged>(&gone);
    position.reset();
    EXPECT_TRUE(gone);
}

TEST(MaskedEditClass, IsCreatedByNameAndSubclassesAnEdit) {
    CRuntimeClass* const runtime = RUNTIME_CLASS(CmEdit);
    EXPECT_STREQ(runtime->m_lpszClassName, "CmEdit");
    std::unique_ptr<CObject> object(runtime->CreateObject());
    auto* const edit = dynamic_cast<CmEdit*>(object.get());
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->IsKindOf(RUNTIME_CLASS(CEdit)));
    std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CmEdit"));
    EXPECT_NE(dynamic_cast<CmEdit*>(byName.get()), nullptr);

    const HWND frame = CreateWindowEx(0, TestWindowClass("VornuiTestMaskedEditClass"), "", WS_POPUP,
                                      0, 0, 200, 60, nullptr, nullptr, nullptr, nullptr);
    const HWND plain = CreateWindowEx(0, "Edit", "old text", WS_CHILD | WS_VISIBLE, 5, 5, 150, 20,
                                      frame, nullptr, nullptr, nullptr);
    edit->SetMask("[0-9]/[0-9]");
    edit->SetWindowText("7");
    ASSERT_TRUE(edit->SubclassWindow(plain)); // the old text gives way to the template
    EXPECT_EQ(ShownText(plain), "7/_");
    edit->Clear();
    EXPECT_EQ(ShownText(plain), "_/_");
    SendMessage(plain, WM_CHAR, '3', 1);
    EXPECT_EQ(ShownText(plain), "3/_");
    edit->UnsubclassWindow();

    // Without a mask there are no positions: nothing shows, nothing can be typed.
    CmEdit bare;
    ASSERT_TRUE(bare.SubclassWindow(plain));
    EXPECT_EQ(ShownText(plain), "");
    SendMessage(plain, WM_CHAR, '3', 1);
    EXPECT_EQ(ShownText(plain), "");
    bare.UnsubclassWindow();
    DestroyWindow(frame);
}

} // namespace
