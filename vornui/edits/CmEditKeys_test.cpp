// The masked edit under the keyboard and the mouse of the scripted user, who types as a
// keyboard does (key down, character, key up, Shift around capitals).

#include "vornui/edits/CmEditHost_test.h"

namespace {

using MaskedEditInput = MaskedEditHost;
using Span = std::pair<int, int>;

constexpr const char* kTime = "[0-9][0-9]:[0-5][0-9]";
constexpr const char* kDate = "[0-3][0-9].[01][0-9].[0-9][0-9][0-9][0-9]";

TEST_F(MaskedEditInput, TypingFillsTheFieldsAndCrossesTheSeparators) {
    m_edit.SetMask(kTime);
    CScriptedUser user;
    user.Type("1");
    Act(user);
    EXPECT_EQ(Shown(), "1_:__");
    EXPECT_EQ(Selection(), Span(1, 2));

    user.Type("2x7"); // x is no digit, 7 no tens of minutes: both refused
    Act(user);
    EXPECT_EQ(Shown(), "12:__");
    EXPECT_EQ(Selection(), Span(3, 5));

    user.Type("34"); // the last position is the text's last: round to the first field
    Act(user);
    EXPECT_EQ(Shown(), "12:34");
    EXPECT_EQ(Selection(), Span(0, 2));
    user.Type("0");
    Act(user);
    EXPECT_EQ(Shown(), "02:34");
    EXPECT_EQ(Data(), "0234");

    // With a literal after the last position the caret stops at the end; typing is ignored.
    m_edit.SetMask("[0-9].[a-zA-Z]!");
    m_edit.ConverToUpper(true);
    user.Press(VK_HOME).Type("1q2w");
    Act(user);
    EXPECT_EQ(Shown(), "1.Q!");
    EXPECT_EQ(Selection(), Span(4, 4));
}

TEST_F(MaskedEditInput, BackspaceAndDeleteEmptyPositionsWithoutShiftingTheOthers) {
    m_edit.SetMask(kTime);
    m_edit.SetWindowText("1234");
    CScriptedUser user;
    user.Then([this](HWND) {
            m_edit.SetSel(4, 4);
            return ModalAction::Acted;
        })
        .Press(VK_BACK);
    Act(user);
    EXPECT_EQ(Shown(), "12:_4");
    EXPECT_EQ(Selection(), Span(3, 3));
    user.Press(VK_BACK); // back over the separator
    Act(user);
    EXPECT_EQ(Shown(), "1_:_4");
    EXPECT_EQ(Selection(), Span(1, 1));

    user.Press(VK_BACK).Press(VK_BACK); // the second one at the start: nothing changes
    Act(user);
    EXPECT_EQ(Shown(), "__:_4");
    EXPECT_EQ(Selection(), Span(0, 0));

    m_edit.SetWindowText("1234");
    user.Then([this](HWND) {
            m_edit.SetSel(1, 1);
            return ModalAction::Acted;
        })
        .Press(VK_DELETE);
    Act(user);
    EXPECT_EQ(Shown(), "1_:34");
    EXPECT_EQ(Selection(), Span(1, 1));
    user.Then([this](HWND) {
            m_edit.SetSel(0, 4);
            return ModalAction::Acted;
        })
        .Press(VK_DELETE);
    Act(user);
    EXPECT_EQ(Shown(), "__:_4");
    EXPECT_EQ(Selection(), Span(0, 0));
    user.Then([this](HWND) {
            m_edit.SetSel(3, 5);
            return ModalAction::Acted;
        })
        .Press(VK_BACK);
    Act(user);
    EXPECT_EQ(Shown(), "__:__");
    EXPECT_EQ(Selection(), Span(3, 3));
}

TEST_F(MaskedEditInput, ArrowsAndFieldKeysMoveBetweenEditablePositions) {
    m_edit.SetMask(kDate);
    CScriptedUser user;
    const auto expect = [&](const char* step, Span span) {
        Act(user);
        EXPECT_EQ(Selection(), span) << step;
    };
    user.Press(VK_END);
    expect("End: the last field", Span(6, 10));
    user.PressWith(MOD_CONTROL, VK_LEFT);
    expect("Ctrl+Left: the previous field", Span(3, 5));
    user.Press(VK_PRIOR);
    expect("Page Up", Span(0, 2));
    user.Press(VK_PRIOR);
    expect("Page Up from the first field: round to the last", Span(6, 10));
    user.Press(VK_NEXT);
    expect("Page Down from the last field: round to the first", Span(0, 2));
    user.PressWith(MOD_CONTROL, VK_RIGHT);
    expect("Ctrl+Right", Span(3, 5));
    user.PressWith(MOD_CONTROL, VK_DOWN);
    expect("Ctrl+Down", Span(6, 10));
    user.Press(VK_HOME);
    expect("Home", Span(0, 2));
    user.Press(VK_LEFT);
    expect("Left with a selection: its start", Span(0, 0));
    user.Press(VK_RIGHT).Press(VK_RIGHT);
    expect("Right twice: over the separator", Span(3, 3));
    user.Press(VK_LEFT);
    expect("Left: back over the separator", Span(1, 1));
    user.Press(VK_RIGHT, true).Press(VK_RIGHT, true);
    expect("Shift+Right: the edit's own selection", Span(1, 3));
    user.Press(VK_DOWN);
    expect("Down with a selection: its end", Span(3, 3));
    user.Press(VK_UP);
    expect("Up", Span(1, 1));
    user.PressWith(MOD_CONTROL, VK_UP);
    expect("Ctrl+Up in the first field: round to the last", Span(6, 10));

    // A template without editable positions: every move stops at its end.
    m_edit.SetMask("--:--");
    for (UINT key : {VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_LEFT, VK_RIGHT, VK_BACK, VK_DELETE})
        user.Press(key);
    user.Type("12");
    expect("literals only", Span(5, 5));
    EXPECT_EQ(Shown(), "--:--");
}

TEST_F(MaskedEditInput, ClipboardKeysGoThroughTheMask) {
    m_edit.SetMask(kTime);
    m_edit.SetWindowText("1234");
    PutOnClipboard("9\xB0"
                   "5x8");
    CScriptedUser user;
    user.Press(VK_HOME).PressWith(MOD_SHIFT, VK_INSERT);
    Act(user);
    EXPECT_EQ(Shown(), "95:34"); // the first field only: it was selected
    EXPECT_EQ(Selection(), Span(3, 5));

    user.PressWith(MOD_CONTROL, VK_INSERT);
    Act(user);
    EXPECT_EQ(ClipboardText(), "34");

    // Ctrl+V, Ctrl+X, Ctrl+Z type control characters, which no position accepts.
    PutOnClipboard("00");
    user.PressWith(MOD_CONTROL, 'V').PressWith(MOD_CONTROL, 'X').PressWith(MOD_CONTROL, 'Z');
    Act(user);
    EXPECT_EQ(Shown(), "95:34");
    EXPECT_EQ(ClipboardText(), "00");

    user.PressWith(MOD_SHIFT, VK_DELETE); // Delete, whatever Shift says
    Act(user);
    EXPECT_EQ(Shown(), "95:__");
    EXPECT_EQ(ClipboardText(), "00");
}

TEST_F(MaskedEditInput, TheMouseSnapsTheCaretAndSelectsFields) {
    m_edit.SetMask(kTime);
    m_edit.SetWindowText("1234");
    CScriptedUser user;
    user.ClickAt(At(2), MK_LBUTTON); // on the separator
    Act(user);
    EXPECT_EQ(Selection(), Span(3, 3));

    user.Drag({At(1), At(4)}); // across the separator: the field where it began
    Act(user);
    EXPECT_EQ(Selection(), Span(1, 2));
    user.Drag({At(3), At(4)}); // inside a field: as dragged
    Act(user);
    EXPECT_EQ(Selection(), Span(3, 4));
    user.Drag({At(3), At(5)}); // to the end: the field
    Act(user);
    EXPECT_EQ(Selection(), Span(3, 5));

    user.DoubleClickAt(At(1));
    Act(user);
    EXPECT_EQ(Selection(), Span(0, 2));
    user.DoubleClickAt(At(4));
    Act(user);
    EXPECT_EQ(Selection(), Span(3, 5));

    // No context menu from the masked edit; a plain edit asks its parent for one.
    user.ClickAt(At(1), MK_RBUTTON);
    Act(user);
    EXPECT_EQ(ContextMenus(), 0);
    EXPECT_EQ(Shown(), "12:34");
    user.ClickAt(CharacterPoint(m_next.m_hWnd, 0), MK_RBUTTON);
    Act(user);
    EXPECT_EQ(ContextMenus(), 1);
}

TEST_F(MaskedEditInput, EnterGoesThroughTheFieldsAndOnToTheNextControl) {
    m_edit.SetMask(kDate);
    m_next.SetFocus();
    m_edit.SetFocus(); // the focus comes back: the first field is selected
    EXPECT_EQ(Selection(), Span(0, 2));

    CScriptedUser user;
    user.Press(VK_RETURN);
    Act(user);
    EXPECT_EQ(Selection(), Span(3, 5));
    user.Type("1").Press(VK_RETURN); // from inside a field
    Act(user);
    EXPECT_EQ(Selection(), Span(6, 10));
    user.Press(VK_RETURN);
    ASSERT_TRUE(user.ActIn(m_frame));
    EXPECT_EQ(GetFocus(), m_next.m_hWnd);
    EXPECT_EQ(Shown(), "__.1_.____");

    // Alone in the tab order, the edit goes round to its first field.
    m_next.ModifyStyle(WS_TABSTOP, 0);
    m_edit.SetFocus();
    m_edit.SetSel(7, 7);
    user.Press(VK_RETURN);
    ASSERT_TRUE(user.ActIn(m_frame));
    EXPECT_EQ(GetFocus(), m_edit.m_hWnd);
    EXPECT_EQ(Selection(), Span(0, 2));
}

} // namespace
