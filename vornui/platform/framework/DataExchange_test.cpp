#include "vornui/platform/ComboBox.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/ListBox.h"
#include "vornui/platform/MessageBox.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A window whose data exchange the test chooses, over a row of controls.
class Form : public CWnd {
public:
    std::function<void(CDataExchange*)> exchange;

    Form() {
        CreateEx(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr);
        Add("Edit", 1, 0);
        Add("ComboBox", 2, CBS_DROPDOWN);
        Add("ListBox", 3, 0);
        for (const char* item : {"COM1", "COM2", "UDP"}) {
            SendDlgItemMessage(2, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessage(3, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
    }
    ~Form() override { DestroyWindow(); }

    void DoDataExchange(CDataExchange* dx) override { exchange(dx); }

    CString Text(int id) const {
        CString text;
        GetDlgItemText(id, text);
        return text;
    }

private:
    void Add(const char* className, int id, DWORD style) {
        CreateWindowEx(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 30 * id, 200, 100,
                       m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr,
                       nullptr);
    }
};

} // namespace

TEST(DataExchange, NumbersRoundTripAsTheFrameworkFormatsThem) {
    CScriptedUser user;
    Form form;
    double depth = 12.5;
    float ratio = 0.1f;
    UINT count = 7;
    BYTE level = 200;
    form.exchange = [&](CDataExchange* dx) { DDX_Text(dx, 1, depth); };
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(form.Text(1), "12.5");
    form.SetDlgItemText(1, " -3.25e2 ");
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(depth, -325.0);
    form.SetDlgItemText(1, "12,5");
    EXPECT_FALSE(form.UpdateData(TRUE));
    EXPECT_EQ(user.MessageBoxesShown().back().text, "Please enter a number.");

    form.exchange = [&](CDataExchange* dx) { DDX_Text(dx, 1, ratio); };
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(form.Text(1), "0.1");

    form.exchange = [&](CDataExchange* dx) { DDX_Text(dx, 1, count); };
    form.SetDlgItemText(1, "-1");
    EXPECT_FALSE(form.UpdateData(TRUE));
    EXPECT_EQ(user.MessageBoxesShown().back().text, "Please enter a positive integer.");
    EXPECT_EQ(count, 7u);

    form.exchange = [&](CDataExchange* dx) { DDX_Text(dx, 1, level); };
    form.SetDlgItemText(1, "256");
    EXPECT_FALSE(form.UpdateData(TRUE));
    EXPECT_EQ(user.MessageBoxesShown().back().text, "Please enter an integer between 0 and 255.");
    form.SetDlgItemText(1, "255");
    EXPECT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(level, 255);

    form.exchange = [&](CDataExchange* dx) {
        DDX_Text(dx, 1, depth);
        DDV_MinMaxDouble(dx, depth, 0.0, 11000.0);
    };
    form.SetDlgItemText(1, "11000.5");
    EXPECT_FALSE(form.UpdateData(TRUE));
    EXPECT_EQ(user.MessageBoxesShown().back().text, "Please enter a number between 0 and 11000.");
}

TEST(DataExchange, TextIsLimitedOnLoadAndRefusedOnSave) {
    CScriptedUser user;
    Form form;
    CString name = "Survey";
    form.exchange = [&](CDataExchange* dx) {
        DDX_Text(dx, 1, name);
        DDV_MaxChars(dx, name, 8);
    };
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(form.SendDlgItemMessage(1, EM_GETLIMITTEXT), 8);
    form.SetDlgItemText(1, "Bathymetry"); // a program may set more than the user may type
    EXPECT_FALSE(form.UpdateData(TRUE));
    EXPECT_EQ(user.MessageBoxesShown().back().text, "Please enter no more than 8 characters.");
    EXPECT_EQ(name, "Bathymetry"); // DDX ran before the validation failed
    EXPECT_EQ(GetFocus(), form.GetDlgItem(1)->m_hWnd);
}

TEST(DataExchange, ListsAndCombosExchangeIndexesAndTexts) {
    Form form;
    int comboIndex = 1;
    CString comboText;
    int listIndex = 2;
    CString listText;
    form.exchange = [&](CDataExchange* dx) {
        DDX_CBIndex(dx, 2, comboIndex);
        DDX_LBIndex(dx, 3, listIndex);
    };
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(form.Text(2), "COM2");
    EXPECT_EQ(form.SendDlgItemMessage(3, LB_GETCURSEL), 2);

    form.exchange = [&](CDataExchange* dx) {
        DDX_CBString(dx, 2, comboText);
        DDX_LBString(dx, 3, listText);
    };
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(comboText, "COM2");
    EXPECT_EQ(listText, "UDP");

    comboText = "TCP 10.1.1.5"; // not in the list: the edit field shows it
    listText = "com1";          // the list box finds it regardless of case
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(form.Text(2), "TCP 10.1.1.5");
    EXPECT_EQ(form.SendDlgItemMessage(2, CB_GETCOUNT), 3);
    EXPECT_EQ(form.SendDlgItemMessage(3, LB_GETCURSEL), 0);

    CComboBox combo;
    form.exchange = [&](CDataExchange* dx) { DDX_Control(dx, 2, combo); };
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(CWnd::FromHandlePermanent(form.GetDlgItem(2)->m_hWnd), &combo);
    EXPECT_EQ(combo.GetCount(), 3);
    ASSERT_TRUE(form.UpdateData(FALSE)); // attached once only
    combo.UnsubclassWindow();
}

TEST(DataExchange, DialogItemIntegersAreParsedStrictly) {
    Form form;
    BOOL translated = FALSE;
    form.SetDlgItemInt(1, static_cast<UINT>(-42), TRUE);
    EXPECT_EQ(form.Text(1), "-42");
    EXPECT_EQ(static_cast<int>(form.GetDlgItemInt(1, &translated, TRUE)), -42);
    EXPECT_TRUE(translated);
    EXPECT_EQ(form.GetDlgItemInt(1, &translated, FALSE), 0u);
    EXPECT_FALSE(translated);
    form.SetDlgItemText(1, "12 m");
    EXPECT_EQ(form.GetDlgItemInt(1, &translated, TRUE), 0u);
    EXPECT_FALSE(translated);
    form.SetDlgItemText(1, "99999999999");
    form.GetDlgItemInt(1, &translated, TRUE);
    EXPECT_FALSE(translated);
}
