#include "tests/FakePrograms.h"
#include "tests/PngFile.h"
#include "tests/TempDir.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/Sound.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowPicture.h"
#include "vornui/platform/WindowPosition.h"
#include "vornui/platform/WindowStyles.h"
#include "vornui/reporting/CMessageBoxDialog.h"
#include "vornui/resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr UINT kYes = 13130;
constexpr UINT kNo = 13132;

// The static that shows the message (the icon is the other static, with SS_ICON).
HWND MessageControl(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[16];
        GetClassName(child, name, sizeof name);
        if (std::string(name) == "Static" &&
            (GetWindowLong(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            return child;
    }
    return nullptr;
}

HWND IconControl(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLong(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return child;
    return nullptr;
}

CMessageBoxDialog* YesNo(CWinApp&, UINT style = MB_OK) {
    auto* box =
        new CMessageBoxDialog(nullptr, CString("Overwrite the file?"), CString("Export"), style, 0);
    box->AddButton(kYes, IDS_YES, TRUE, FALSE);
    box->AddButton(kNo, IDS_NO, FALSE, TRUE);
    return box;
}

// The focus on no button: on a control of the dialog's own that is none.
ModalAction FocusTheDialog(HWND dialog) {
    ::SetFocus(CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 20, 10,
                              dialog, nullptr, nullptr, nullptr));
    return ModalAction::Acted;
}

// The pixels of `area` dark enough to be text.
int InkIn(const PngPicture& picture, CRect area) {
    area.IntersectRect(area, CRect(0, 0, picture.width, picture.height));
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (const COLORREF color = picture.color(x, y);
                GetRValue(color) < 0x60 && GetGValue(color) < 0x60 && GetBValue(color) < 0x60)
                ++ink;
    return ink;
}

class MessageBoxDialog : public testing::Test {
protected:
    CWinApp m_app{"Survey"};
    CScriptedUser m_user;
};

} // namespace

TEST_F(MessageBoxDialog, EnterGivesTheFocusedOrDefaultButtonEscapeAndCloseTheEscapeButton) {
    std::unique_ptr<CMessageBoxDialog> box(YesNo(m_app));
    // Enter with the focus on no button: the default.
    m_user.Then(FocusTheDialog).Press(VK_RETURN);
    EXPECT_EQ(box->DoModal(), static_cast<INT_PTR>(kYes));

    m_user.Press(VK_TAB).Press(VK_RETURN); // the focus moves on to No
    EXPECT_EQ(box->DoModal(), static_cast<INT_PTR>(kNo));
    m_user.Press(VK_ESCAPE);
    EXPECT_EQ(box->DoModal(), static_cast<INT_PTR>(kNo));
    m_user.PressWith(MOD_CONTROL, VK_CANCEL);
    EXPECT_EQ(box->DoModal(), static_cast<INT_PTR>(kNo));
    m_user.Then([](HWND dialog) {
        PostMessage(dialog, WM_CLOSE, 0, 0);
        return ModalAction::Acted;
    });
    EXPECT_EQ(box->DoModal(), static_cast<INT_PTR>(kNo));
    m_user.Click(kYes);
    EXPECT_EQ(box->DoModal(), static_cast<INT_PTR>(kYes));
}

TEST_F(MessageBoxDialog, ButtonsOneAndTwoAreTheCallersNotOkAndCancel) {
    CMessageBoxDialog box(nullptr, CString("Keep the old survey?"), CString(), MB_OK, 0);
    box.AddButton(IDCANCEL, CString("&Keep"), TRUE, FALSE);
    box.AddButton(IDOK, CString("&Drop"), FALSE, TRUE);
    m_user.Press(VK_RETURN);
    EXPECT_EQ(box.DoModal(), IDCANCEL);
    m_user.Press(VK_ESCAPE);
    EXPECT_EQ(box.DoModal(), IDOK);
    m_user.Click(IDCANCEL);
    EXPECT_EQ(box.DoModal(), IDCANCEL);
    // An empty title is the application's name.
    ASSERT_FALSE(m_user.DialogsShown().empty());
    EXPECT_EQ(m_user.DialogsShown().back(), "Survey");
}

TEST_F(MessageBoxDialog, WithoutAnEscapeButtonEscapeAndCloseAreIgnored) {
    CMessageBoxDialog box(nullptr, CString("Read on."), CString("Note"), MB_OK, 0);
    box.AddButton(kYes, CString("Go"), FALSE, FALSE);
    UINT closeState = 0;
    m_user.Press(VK_ESCAPE)
        .Then([](HWND dialog) {
            PostMessage(dialog, WM_CLOSE, 0, 0);
            return ModalAction::Acted;
        })
        .Then([&](HWND dialog) {
            closeState = GetMenuState(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
            return ModalAction::Acted;
        })
        .Click(kYes);
    EXPECT_EQ(box.DoModal(), static_cast<INT_PTR>(kYes));
    EXPECT_TRUE(closeState & MF_GRAYED);

    // No default button: Enter gives -1; MB_DEFBUTTON2 with one button changes nothing.
    box.SetStyle(MB_DEFBUTTON2);
    m_user.Then(FocusTheDialog).Press(VK_RETURN);
    EXPECT_EQ(box.DoModal(), -1);
    box.AddButton(kNo, CString("Stop"), FALSE, FALSE);
    m_user.Press(VK_RETURN);
    EXPECT_EQ(box.DoModal(), static_cast<INT_PTR>(kNo));
}

TEST_F(MessageBoxDialog, TheStyleChoosesIconBeepAndWindowEffects) {
    std::unique_ptr<CMessageBoxDialog> box(YesNo(m_app, MB_ICONQUESTION | MB_RIGHT | MB_RTLREADING |
                                                            MB_TOPMOST | MB_SYSTEMMODAL |
                                                            MB_SETFOREGROUND));
    ForgetMessageBeeps();
    HICON shown = nullptr;
    DWORD messageStyle = 0, messageExStyle = 0, exStyle = 0, style = 0;
    HWND foreground = nullptr, dialogSeen = nullptr;
    m_user.Then([&](HWND dialog) {
        dialogSeen = dialog;
        shown = reinterpret_cast<HICON>(SendMessage(IconControl(dialog), STM_GETICON, 0, 0));
        messageStyle = static_cast<DWORD>(GetWindowLong(MessageControl(dialog), GWL_STYLE));
        messageExStyle = static_cast<DWORD>(GetWindowLong(MessageControl(dialog), GWL_EXSTYLE));
        style = static_cast<DWORD>(GetWindowLong(dialog, GWL_STYLE));
        exStyle = static_cast<DWORD>(GetWindowLong(dialog, GWL_EXSTYLE));
        foreground = GetForegroundWindow();
        return ModalAction::Acted;
    });
    m_user.Click(kNo);
    EXPECT_EQ(box->DoModal(), static_cast<INT_PTR>(kNo));
    EXPECT_EQ(shown, LoadIcon(nullptr, IDI_QUESTION));
    EXPECT_EQ(box->GetMessageIcon(), LoadIcon(nullptr, IDI_QUESTION));
    EXPECT_EQ(MessageBeepsPlayed(), std::vector<UINT>{MB_ICONQUESTION});
    EXPECT_EQ(messageStyle & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
    EXPECT_TRUE(messageExStyle & WS_EX_RTLREADING);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(style & DS_SYSMODAL);
    EXPECT_EQ(foreground, dialogSeen);

    // An icon given by handle: neither icon nor beep from the style.
    ForgetMessageBeeps();
    const HICON own = CopyIcon(LoadIcon(nullptr, IDI_HAND));
    CMessageBoxDialog quiet(nullptr, CString("Done."), CString("Export"), MB_ICONQUESTION, 0);
    quiet.SetMessageIcon(own);
    quiet.AddButton(IDOK, CString("OK"), TRUE, TRUE);
    m_user.Then([&](HWND dialog) {
        shown = reinterpret_cast<HICON>(SendMessage(IconControl(dialog), STM_GETICON, 0, 0));
        return ModalAction::Acted;
    });
    m_user.Press(VK_RETURN);
    EXPECT_EQ(quiet.DoModal(), IDOK);
    EXPECT_EQ(shown, own);
    EXPECT_TRUE(MessageBeepsPlayed().empty());
}

TEST_F(MessageBoxDialog, ALongMessageWrapsWithinHalfTheScreen) {
    const int limit = GetSystemMetrics(SM_CXSCREEN) / 2 + 100;
    TempDir dir;
    for (const std::string& text : {std::string(10000, 'x'), std::string(),
                                    std::string("A & B\tC \xE9\xB0 ") + std::string(400, 'w') +
                                        " end of the line of words words words"}) {
        CMessageBoxDialog box(nullptr, CString(text.c_str()), CString("Long"), MB_ICONEXCLAMATION,
                              0);
        box.AddButton(IDOK, CString("OK"), TRUE, TRUE);
        CRect message, button, client, window;
        PngPicture picture;
        m_user.Then([&](HWND dialog) {
            GetWindowRect(MessageControl(dialog), &message);
            GetWindowRect(GetDlgItem(dialog, IDOK), &button);
            GetClientRect(dialog, &client);
            ClientToScreen(dialog, reinterpret_cast<POINT*>(&client.left));
            ClientToScreen(dialog, reinterpret_cast<POINT*>(&client.right));
            GetWindowRect(dialog, &window);
            const std::string file = dir.file("box.png");
            EXPECT_TRUE(RenderWindowToPng(dialog, file.c_str()));
            EXPECT_TRUE(picture.read(file));
            return ModalAction::Acted;
        });
        m_user.Press(VK_RETURN);
        EXPECT_EQ(box.DoModal(), IDOK);
        EXPECT_LE(message.Width(), limit);
        // The button row lies below the message, inside the client area.
        EXPECT_LE(message.bottom, button.top);
        EXPECT_GE(button.left, client.left);
        EXPECT_LE(button.right, client.right);
        EXPECT_LE(button.bottom, client.bottom);
        if (text.size() == 10000) {
            EXPECT_GT(message.Height(), 100); // wrapped over many lines
        }
        // Drawn as far as it goes: text in the message's last lines, none for no text.
        message.OffsetRect(-window.left, -window.top);
        const CRect lastLines(message.left, message.bottom - 16, message.right, message.bottom);
        EXPECT_EQ(InkIn(picture, lastLines) > 0, !text.empty()) << text.size() << " characters";
    }
}

TEST_F(MessageBoxDialog, HelpOpensTheApplicationsHelpFileAndLeavesTheBoxOpen) {
    FakePrograms desktop;
    desktop.add("xdg-open");
    TempDir dir;
    const std::string helpFile = dir.write("survey.html", "<p>Exporting soundings</p>");
    m_app.m_pszHelpFilePath = helpFile.c_str();
    CMessageBoxDialog box(nullptr, CString("Need help?"), CString("Help"), MB_OK, 77);
    box.AddButton(IDHELP, CString("&Help"), FALSE, FALSE);
    box.AddButton(IDOK, CString("OK"), TRUE, TRUE);
    bool stillOpen = false;
    m_user.Click(IDHELP).Then([&](HWND dialog) {
        stillOpen = IsWindowVisible(dialog);
        return ModalAction::Acted;
    });
    m_user.Click(IDOK);
    EXPECT_EQ(box.DoModal(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(desktop.awaitRun("xdg-open"), "xdg-open " + helpFile + "\n");
    m_app.m_pszHelpFilePath = nullptr;
}

TEST(MessageBoxWithNobody, IsAnsweredAsEnterWouldWithOneLine) {
    CWinApp app("Survey");
    CMessageBoxDialog box(nullptr, CString("Overwrite?"), CString("Export"), MB_DEFBUTTON2, 0);
    box.AddButton(kYes, CString("&Yes"), FALSE, FALSE);
    box.AddButton(IDCANCEL, CString("&No"), FALSE, TRUE);
    testing::internal::CaptureStderr();
    EXPECT_EQ(box.DoModal(), IDCANCEL); // the caller's button 2, the default by the style
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "vornui: message box \"Export\": Overwrite? -> 2 No\n");
}
