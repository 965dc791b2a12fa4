// The three editor dialogs, run from the library's own templates and worked by the
// scripted user as a person would.

#include "vornui/edits/EditSequence.h"
#include "vornui/edits/EditString.h"
#include "vornui/edits/IncludeExclude.h"
#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/resources/EditorDialogIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

Names Entries(HWND dialog, int listId) {
    const HWND list = GetDlgItem(dialog, listId);
    Names names;
    const int count = static_cast<int>(SendMessage(list, LB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        std::string text(static_cast<size_t>(SendMessage(list, LB_GETTEXTLEN, index, 0)), '\0');
        SendMessage(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        names.push_back(text);
    }
    return names;
}

std::vector<int> SelectedOf(HWND dialog, int listId) {
    const HWND list = GetDlgItem(dialog, listId);
    std::vector<int> selected(64);
    const auto count = SendMessage(list, LB_GETSELITEMS, selected.size(),
                                   reinterpret_cast<LPARAM>(selected.data()));
    selected.resize(count > 0 ? static_cast<size_t>(count) : 0);
    return selected;
}

int CurrentOf(HWND dialog, int listId) {
    return static_cast<int>(SendMessage(GetDlgItem(dialog, listId), LB_GETCURSEL, 0, 0));
}

std::string TextOf(HWND dialog, int id) {
    char text[512] = "";
    GetWindowText(GetDlgItem(dialog, id), text, sizeof text);
    return text;
}

Names FromArray(const CStringArray& array) {
    Names names;
    for (const CString& entry : array)
        names.emplace_back(entry.str());
    return names;
}

CStringArray ToArray(const Names& names) {
    CStringArray array;
    for (const std::string& name : names)
        array.Add(name.c_str());
    return array;
}

Names FromList(const CStringList& list) {
    Names names;
    for (POSITION position = list.GetHeadPosition(); position;)
        names.emplace_back(list.GetNext(position).str());
    return names;
}

CStringList ToList(const Names& names) {
    CStringList list;
    for (const std::string& name : names)
        list.AddTail(name.c_str());
    return list;
}

// A step that only looks: `look` runs in the dialog then open.
CScriptedUser::Step Look(std::function<void(HWND)> look) {
    return [look](HWND dialog) {
        look(dialog);
        return ModalAction::Acted;
    };
}

} // namespace

TEST(EditString, TheValueIsEditedUnderTheCaptionAndLimitedTo200Characters) {
    CScriptedUser user;
    CEditString editor;
    editor.Setup("Line name");
    editor.m_strValue = "L-017";
    std::string shown;
    user.Then(Look([&](HWND dialog) { shown = TextOf(dialog, IDC_STRING_VALUE); }))
        .TypeInto(IDC_STRING_VALUE, "L-018 east")
        .Click(IDOK);
    EXPECT_EQ(editor.DoModal(), IDOK);
    EXPECT_EQ(shown, "L-017");
    EXPECT_EQ(editor.m_strValue, CString("L-018 east"));
    EXPECT_EQ(user.DialogsShown().back(), CString("Line name"));

    // Without a caption the template's title stays; Cancel keeps the value.
    CEditString plain;
    plain.m_strValue = "kept";
    user.TypeInto(IDC_STRING_VALUE, "typed").Click(IDCANCEL);
    EXPECT_EQ(plain.DoModal(), IDCANCEL);
    EXPECT_EQ(plain.m_strValue, CString("kept"));
    EXPECT_EQ(user.DialogsShown().back(), CString("Edit string"));

    // A longer value is refused with the standard message; the dialog stays open.
    CEditString limited;
    limited.m_strValue = CString(std::string(201, 'x'));
    bool stillOpen = false;
    user.Click(IDOK).Then(Look([&](HWND dialog) { stillOpen = IsWindow(dialog); })).Click(IDCANCEL);
    EXPECT_EQ(limited.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(limited.m_strValue.GetLength(), 201);
}

TEST(EditSequence, TheUserAddsCopiesMovesAndDeletesAndOKHandsTheListBack) {
    CStringArray sequence = ToArray({"Pump", "Valve", "Gauge"});
    CScriptedUser user;
    int firstSelection = -7;
    std::string proposed;
    std::string editing;
    Names afterDelete;
    int selectionAfterDelete = -7;
    user.Then(Look([&](HWND dialog) { firstSelection = CurrentOf(dialog, IDC_SEQUENCE_LIST); }))
        .Click(IDC_SEQUENCE_COPY)
        .Choose(IDC_SEQUENCE_LIST, "Pump")
        .Click(IDC_SEQUENCE_COPY)
        .Click(IDC_SEQUENCE_NEW)
        .Then(Look([&](HWND editor) { proposed = TextOf(editor, IDC_STRING_VALUE); }))
        .TypeInto(IDC_STRING_VALUE, "Flow meter")
        .Click(IDOK)
        .Click(IDC_SEQUENCE_UP)
        .Choose(IDC_SEQUENCE_LIST, "Valve")
        .Click(IDC_SEQUENCE_DOWN)
        .Click(IDC_SEQUENCE_DELETE)
        .Then(Look([&](HWND dialog) {
            afterDelete = Entries(dialog, IDC_SEQUENCE_LIST);
            selectionAfterDelete = CurrentOf(dialog, IDC_SEQUENCE_LIST);
        }))
        .Click(IDC_SEQUENCE_UP) // nothing selected: nothing happens
        .Choose(IDC_SEQUENCE_LIST, "Gauge")
        .Click(IDC_SEQUENCE_EDIT)
        .Then(Look([&](HWND editor) { editing = TextOf(editor, IDC_STRING_VALUE); }))
        .TypeInto(IDC_STRING_VALUE, "Gauge 2")
        .Click(IDOK)
        .Click(IDOK);
    EXPECT_EQ(EditSequence(&sequence, nullptr), 1);
    EXPECT_EQ(firstSelection, 0);
    EXPECT_EQ(proposed, "Enter string");
    EXPECT_EQ(editing, "Gauge");
    EXPECT_EQ(afterDelete, (Names{"Pump", "Gauge", "Pump***", "Flow meter", "Pump***"}));
    EXPECT_EQ(selectionAfterDelete, LB_ERR);
    // Both copies of Pump went to the end, not beside their original.
    EXPECT_EQ(FromArray(sequence), (Names{"Pump", "Gauge 2", "Pump***", "Flow meter", "Pump***"}));
    EXPECT_EQ(user.DialogsShown(),
              (std::vector<CString>{"Edit sequence", "Edit string", "Edit string"}));
}

TEST(EditSequence, CancelLeavesTheCallersArrayExactlyAsItWas) {
    const Names original{"", std::string(10000, 's'), "dup", "dup", "a;b,c\t\"q\" \xB0"};
    CStringArray sequence = ToArray(original);
    CScriptedUser user;
    user.Click(IDC_SEQUENCE_DELETE).Click(IDC_SEQUENCE_COPY).Click(IDCANCEL);
    EXPECT_EQ(EditSequence(&sequence, nullptr), 0);
    EXPECT_EQ(FromArray(sequence), original);

    // Cancel in the string editor changes nothing either; OK then keeps every entry byte
    // for byte, the 10,000 characters too.
    user.Choose(IDC_SEQUENCE_LIST, "dup")
        .Click(IDC_SEQUENCE_EDIT)
        .TypeInto(IDC_STRING_VALUE, "changed")
        .Click(IDCANCEL)
        .Click(IDOK);
    EXPECT_EQ(EditSequence(&sequence, nullptr), 1);
    EXPECT_EQ(FromArray(sequence), original);
    EXPECT_EQ(EditSequence(nullptr, nullptr), 0);
}

TEST(EditSequence, AnEmptySequenceOnlyTakesNewEntries) {
    CStringArray sequence;
    CScriptedUser user;
    int selection = -7;
    user.Then(Look([&](HWND dialog) { selection = CurrentOf(dialog, IDC_SEQUENCE_LIST); }))
        .Click(IDC_SEQUENCE_EDIT)
        .Click(IDC_SEQUENCE_COPY)
        .Click(IDC_SEQUENCE_DELETE)
        .Click(IDC_SEQUENCE_UP)
        .Click(IDC_SEQUENCE_DOWN)
        .Click(IDC_SEQUENCE_NEW)
        .Click(IDOK) // "Enter string" as proposed
        .Click(IDOK);
    EXPECT_EQ(EditSequence(&sequence, nullptr), 1);
    EXPECT_EQ(selection, LB_ERR);
    EXPECT_EQ(FromArray(sequence), Names{"Enter string"});
    EXPECT_EQ(user.DialogsShown().size(), 2u);
}

TEST(IncludeExclude, SelectedNamesMoveAcrossAndOKHandsBothListsBack) {
    CStringList excluded = ToList({"Delta", "alpha", "Charlie"});
    CStringList included = ToList({"A", "B", "C", "D"});
    CScriptedUser user;
    Names sortedAtStart;
    Names includedAfterMove;
    std::vector<int> selectedAfterMove;
    std::vector<int> selectedAfterLast;
    bool icons = false;
    user.Then(Look([&](HWND dialog) {
            sortedAtStart = Entries(dialog, IDC_EXCLUDED_LIST);
            icons =
                SendMessage(GetDlgItem(dialog, IDC_MOVE_TO_INCLUDED), BM_GETIMAGE, IMAGE_ICON, 0) &&
                SendMessage(GetDlgItem(dialog, IDC_MOVE_TO_EXCLUDED), BM_GETIMAGE, IMAGE_ICON, 0);
        }))
        .Choose(IDC_INCLUDED_LIST, "B")
        .Choose(IDC_INCLUDED_LIST, "D")
        .Click(IDC_MOVE_TO_EXCLUDED)
        .Then(Look([&](HWND dialog) {
            includedAfterMove = Entries(dialog, IDC_INCLUDED_LIST);
            selectedAfterMove = SelectedOf(dialog, IDC_INCLUDED_LIST);
        }))
        .Click(IDC_MOVE_TO_EXCLUDED) // C, selected after the move, is the last entry
        .Then(Look([&](HWND dialog) { selectedAfterLast = SelectedOf(dialog, IDC_INCLUDED_LIST); }))
        .Click(IDC_MOVE_TO_INCLUDED) // nothing selected there: nothing moves
        .Choose(IDC_EXCLUDED_LIST, "alpha")
        .DoubleClick(IDC_EXCLUDED_LIST)
        .Click(IDOK);
    EXPECT_EQ(IncludeExclude(&excluded, &included, nullptr), 1);
    EXPECT_TRUE(icons);
    EXPECT_EQ(sortedAtStart, (Names{"alpha", "Charlie", "Delta"}));
    EXPECT_EQ(includedAfterMove, (Names{"A", "C"}));
    EXPECT_EQ(selectedAfterMove, std::vector<int>{1});
    EXPECT_EQ(selectedAfterLast, std::vector<int>{0});
    EXPECT_EQ(FromList(excluded), (Names{"B", "C", "Charlie", "D", "Delta"}));
    EXPECT_EQ(FromList(included), (Names{"A", "alpha"}));
    EXPECT_EQ(user.DialogsShown(), std::vector<CString>{"Include/exclude"});
}

TEST(IncludeExclude, CancelLeavesTheCallersListsAsTheyWere) {
    const Names excludedNames{"COM3", "COM1", "COM1", ""};
    const Names includedNames{"UDP 14886", std::string(10000, 'n')};
    CStringList excluded = ToList(excludedNames);
    CStringList included = ToList(includedNames);
    CScriptedUser user;
    user.Choose(IDC_EXCLUDED_LIST, "COM3").Click(IDC_MOVE_TO_INCLUDED).Click(IDCANCEL);
    EXPECT_EQ(IncludeExclude(&excluded, &included, nullptr), 0);
    EXPECT_EQ(FromList(excluded), excludedNames);
    EXPECT_EQ(FromList(included), includedNames);

    // OK without a move: the excluded names come back sorted, the included as they were.
    user.Click(IDOK);
    EXPECT_EQ(IncludeExclude(&excluded, &included, nullptr), 1);
    EXPECT_EQ(FromList(excluded), (Names{"", "COM1", "COM1", "COM3"}));
    EXPECT_EQ(FromList(included), includedNames);
    EXPECT_EQ(IncludeExclude(nullptr, &included, nullptr), 0);
}
