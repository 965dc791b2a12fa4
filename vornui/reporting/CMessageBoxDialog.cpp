#include "vornui/reporting/CMessageBoxDialog.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/CodePage.h"
#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/Menu.h"
#include "vornui/platform/Sound.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/platform/Text.h"
#include "vornui/platform/WinApp.h"
#include "vornui/platform/WindowPaint.h"
#include "vornui/platform/WindowPosition.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr unsigned int kNone = static_cast<unsigned int>(-1);
constexpr WORD kNoId = 0xFFFF;
// Posted to itself when nobody sits at the desktop to answer the box.
constexpr UINT WM_ANSWER_FOR_ABSENT_USER = WM_APP + 0x7A01;

// Everything is made in OnInitDialog; the template only gives the frame and the font.
constexpr DialogTemplate kFrameOnly{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE |
                                        WS_CAPTION | WS_SYSMENU,
                                    0,
                                    0,
                                    0,
                                    200,
                                    200,
                                    "",
                                    "MS Shell Dlg",
                                    8,
                                    nullptr,
                                    0};

CString ApplicationNameIfEmpty(CString title) {
    return title.IsEmpty() ? CString(AfxGetAppName()) : title;
}

CString LoadChainString(unsigned int id) {
    CString text;
    LoadStringFromResourceChain(id, text);
    return text;
}

// The beep that goes with a system icon: none for an icon that is no message-box icon.
unsigned int BeepForSystemIcon(const char* name) {
    if (name == IDI_QUESTION)
        return MB_ICONQUESTION;
    if (name == IDI_EXCLAMATION)
        return MB_ICONEXCLAMATION;
    if (name == IDI_HAND)
        return MB_ICONHAND;
    if (name == IDI_ASTERISK)
        return MB_ICONASTERISK;
    return kNone;
}

CSize IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return CSize(0, 0);
    BITMAP bitmap{};
    GetObject(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    const int height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return CSize(bitmap.bmWidth, height);
}

// The screen's device context with a font selected, to measure text as a window shows it.
class ScreenMeasure {
public:
    explicit ScreenMeasure(HFONT font)
        : m_dc(::GetDC(nullptr)), m_previousFont(::SelectObject(m_dc, font)) {}
    ~ScreenMeasure() {
        ::SelectObject(m_dc, m_previousFont);
        ::ReleaseDC(nullptr, m_dc);
    }
    ScreenMeasure(const ScreenMeasure&) = delete;
    ScreenMeasure& operator=(const ScreenMeasure&) = delete;

    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_previousFont;
};

// A console line: one line, in the terminal's encoding.
std::string OneLine(const CString& text) {
    std::string line = Utf8From1252(text.GetString());
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

} // namespace

CMessageBoxDialog::CMessageBoxDialog(CWnd* parent, unsigned int messageId, unsigned int titleId,
                                     unsigned int style, unsigned int help)
    : CMessageBoxDialog(parent, LoadChainString(messageId),
                        titleId ? LoadChainString(titleId) : CString(), style, help) {}

CMessageBoxDialog::CMessageBoxDialog(CWnd* parent, CString message, CString title,
                                     unsigned int style, unsigned int help)
    : m_strMessage(message), m_strTitle(ApplicationNameIfEmpty(title)), m_nStyle(style),
      m_nHelp(help), m_pParent(parent) {}

CMessageBoxDialog::~CMessageBoxDialog() {
    if (m_hIcon)
        DestroyIcon(m_hIcon);
}

void CMessageBoxDialog::AddButton(unsigned int id, CString caption, int isDefault, int isEscape) {
    const auto known = std::find_if(m_aButtons.begin(), m_aButtons.end(),
                                    [id](const auto& button) { return button.first == id; });
    if (known != m_aButtons.end())
        known->second = caption;
    else
        m_aButtons.emplace_back(id, caption);
    if (isDefault)
        m_nDefaultButton = id;
    if (isEscape)
        m_nEscapeButton = id;
}

void CMessageBoxDialog::AddButton(unsigned int id, unsigned int captionId, int isDefault,
                                  int isEscape) {
    AddButton(id, LoadChainString(captionId), isDefault, isEscape);
}

void CMessageBoxDialog::SetMessage(CString message) {
    m_strMessage = message;
}

void CMessageBoxDialog::SetMessage(unsigned int messageId) {
    m_strMessage = LoadChainString(messageId);
}

void CMessageBoxDialog::SetTitle(CString title) {
    m_strTitle = ApplicationNameIfEmpty(title);
}

void CMessageBoxDialog::SetTitle(unsigned int titleId) {
    m_strTitle = ApplicationNameIfEmpty(titleId ? LoadChainString(titleId) : CString());
}

void CMessageBoxDialog::SetMessageIcon(HICON icon) {
    if (m_hIcon && m_hIcon != icon)
        DestroyIcon(m_hIcon);
    m_hIcon = icon;
}

void CMessageBoxDialog::SetMessageIcon(const char* name, int system) {
    if (system) {
        SetMessageIcon(LoadIcon(nullptr, name));
        if (m_nBeep == kNone)
            m_nBeep = BeepForSystemIcon(name);
    } else {
        SetMessageIcon(LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name));
    }
}

INT_PTR CMessageBoxDialog::DoModal() {
    InitModalIndirect(&kFrameOnly, m_pParent);
    return CDialog::DoModal();
}

int CMessageBoxDialog::ToX(int dialogUnits) const {
    return dialogUnits * m_aDlgScale[0] / 1000;
}

int CMessageBoxDialog::ToY(int dialogUnits) const {
    return dialogUnits * m_aDlgScale[1] / 1000;
}

BOOL CMessageBoxDialog::OnInitDialog() {
    if (!CDialog::OnInitDialog())
        return FALSE;
    SetWindowText(m_strTitle);
    m_nIDHelp = m_nHelp;
    CRect scale(0, 0, 1000, 1000);
    MapDialogRect(&scale);
    m_aDlgScale[0] = scale.Width();
    m_aDlgScale[1] = scale.Height();

    ParseStyle();
    CreateIconControl();
    CreateMessageControl();
    CreateButtons();
    LayOut();
    if (m_nBeep != kNone)
        MessageBeep(m_nBeep);
    ApplyStyleEffects();
    if (m_nEscapeButton == kNone)
        if (const HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE))
            ::EnableMenuItem(systemMenu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    if (dynamic_cast<CHeadlessUser*>(&GetDesktopUser()))
        PostMessage(WM_ANSWER_FOR_ABSENT_USER);

    if (m_nDefaultButton == kNone)
        return TRUE;
    if (CWnd* button = GetDlgItem(static_cast<int>(m_nDefaultButton))) {
        GotoDlgCtrl(button);
        SetDefID(m_nDefaultButton);
    }
    return FALSE;
}

void CMessageBoxDialog::ParseStyle() {
    const unsigned int position = (m_nStyle & MB_DEFMASK) >> 8; // MB_DEFBUTTON1 is 0
    if (position >= 1 && position <= 3 && position < m_aButtons.size())
        m_nDefaultButton = m_aButtons[position].first;
    if (!m_hIcon)
        if (const char* icon = MessageBoxIconName(m_nStyle))
            SetMessageIcon(icon, TRUE);
}

void CMessageBoxDialog::CreateIconControl() {
    if (!m_hIcon)
        return;
    const CSize size = IconSize(m_hIcon);
    m_aIconSize[0] = size.cx;
    m_aIconSize[1] = size.cy;
    m_stcIcon.Create("", WS_CHILD | WS_VISIBLE | WS_DISABLED | SS_ICON,
                     CRect(0, 0, size.cx, size.cy), this, kNoId);
    m_stcIcon.SetIcon(m_hIcon);
}

void CMessageBoxDialog::CreateMessageControl() {
    const HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    constexpr UINT kFormat =
        DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS;
    const int side = GetSystemMetrics(SM_CXSCREEN) / 2 + 100;
    const int iconColumn = m_hIcon ? m_aIconSize[0] : 0;
    CRect text(0, 0, side - 2 * ToX(8) - iconColumn, side - 2 * ToY(8) - iconColumn);
    ::DrawText(ScreenMeasure(font).dc(), m_strMessage, m_strMessage.GetLength(), &text, kFormat);
    m_aMessageSize[0] = text.Width();
    m_aMessageSize[1] = text.Height();

    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_EDITCONTROL;
    style |= (m_nStyle & MB_RIGHT) ? SS_RIGHT : SS_LEFT;
    m_stcMessage.Create(m_strMessage, style, CRect(0, 0, text.Width(), text.Height()), this, kNoId);
    if (m_nStyle & MB_RTLREADING)
        m_stcMessage.ModifyStyleEx(0, WS_EX_RTLREADING);
    m_stcMessage.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font));
}

void CMessageBoxDialog::CreateButtons() {
    const HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    CSize size(ToX(40), ToY(14));
    const ScreenMeasure measure(font);
    for (const auto& [id, caption] : m_aButtons) {
        SIZE extent{};
        ::GetTextExtentPoint32(measure.dc(), caption, caption.GetLength(), &extent);
        size.cx = std::max(size.cx, extent.cx);
        size.cy = std::max(size.cy, extent.cy);
    }
    m_aButtonSize[0] = size.cx + 2 * ToX(4);
    m_aButtonSize[1] = size.cy + 2 * ToX(1);

    for (const auto& [id, caption] : m_aButtons) {
        const HWND button = ::CreateWindowEx(
            0, "Button", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
            m_aButtonSize[0], m_aButtonSize[1], m_hWnd,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        ::SendMessage(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

void CMessageBoxDialog::LayOut() {
    const int x4 = ToX(4), x8 = ToX(8), y4 = ToY(4), y8 = ToY(8);
    int baseWidth = 2 * x8;
    int baseHeight = 2 * y8;
    int messageLeft = x8;
    if (m_hIcon) {
        m_stcIcon.MoveWindow(x8, y8, m_aIconSize[0], m_aIconSize[1]);
        messageLeft = 2 * x8 + m_aIconSize[0];
        baseWidth = 3 * x8 + m_aIconSize[0];
        baseHeight = 3 * y8 + m_aIconSize[1];
    }
    m_stcMessage.MoveWindow(messageLeft, y8, m_aMessageSize[0], m_aMessageSize[1]);
    int width = baseWidth + x8 + m_aMessageSize[0];
    if (baseHeight <= 2 * y8 + y4 + m_aMessageSize[1])
        baseHeight = 2 * y8 + y4 + m_aMessageSize[1];

    const int count = static_cast<int>(m_aButtons.size());
    const int rowWidth = count > 0 ? count * m_aButtonSize[0] + (count - 1) * x4 : 0;
    if (width <= rowWidth + 2 * x8)
        width = rowWidth + 2 * x8;
    const int height = baseHeight + y8 + m_aButtonSize[1];
    int x = (width - rowWidth) / 2;
    for (const auto& button : m_aButtons) {
        if (CWnd* control = GetDlgItem(static_cast<int>(button.first)))
            control->MoveWindow(x, baseHeight, m_aButtonSize[0], m_aButtonSize[1]);
        x += m_aButtonSize[0] + x4;
    }

    CRect frame(0, 0, width, height);
    // GetStyle here is the message-box style: the window's is the frame's own.
    ::AdjustWindowRectEx(&frame, CWnd::GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, frame.Width(), frame.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();
}

void CMessageBoxDialog::ApplyStyleEffects() {
    if (m_nStyle & MB_SYSTEMMODAL)
        ModifyStyle(0, DS_SYSMODAL);
    if (m_nStyle & MB_SETFOREGROUND)
        ::SetForegroundWindow(m_hWnd);
    if (m_nStyle & MB_TOPMOST)
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool CMessageBoxDialog::IsButton(HWND control) const {
    if (!control || ::GetParent(control) != m_hWnd)
        return false;
    const auto id = static_cast<unsigned int>(::GetDlgCtrlID(control));
    return std::any_of(m_aButtons.begin(), m_aButtons.end(),
                       [id](const auto& button) { return button.first == id; });
}

CString CMessageBoxDialog::ButtonCaption(unsigned int id) const {
    for (const auto& [buttonId, caption] : m_aButtons)
        if (buttonId == id)
            return caption;
    return CString();
}

void CMessageBoxDialog::EndWith(unsigned int id) {
    EndDialog(static_cast<int>(id));
}

BOOL CMessageBoxDialog::PreTranslateMessage(MSG* msg) {
    const bool ours = msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd);
    if (ours && msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_RETURN: {
            const HWND focus = ::GetFocus();
            EndWith(IsButton(focus) ? static_cast<unsigned int>(::GetDlgCtrlID(focus))
                                    : m_nDefaultButton);
            return TRUE;
        }
        case VK_ESCAPE:
        case VK_CANCEL:
            if (m_nEscapeButton != kNone)
                EndWith(m_nEscapeButton);
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

BOOL CMessageBoxDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const WORD id = LOWORD(wParam);
    if (lParam == 0 || HIWORD(wParam) != BN_CLICKED || id == kNoId)
        return CDialog::OnCommand(wParam, lParam);
    if (id == IDHELP)
        AfxGetApp()->WinHelp(m_nIDHelp);
    else
        EndWith(id);
    return TRUE;
}

void CMessageBoxDialog::OnClose() {
    if (m_nEscapeButton != kNone)
        EndWith(m_nEscapeButton);
}

BOOL CMessageBoxDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_ANSWER_FOR_ABSENT_USER) {
        AnswerForAbsentUser();
        *result = 0;
        return TRUE;
    }
    return CDialog::OnWndMsg(message, wParam, lParam, result);
}

void CMessageBoxDialog::AnswerForAbsentUser() {
    const unsigned int answer = m_nDefaultButton;
    CString caption = ButtonCaption(answer);
    caption.Remove('&');
    const std::string named =
        answer == kNone ? std::string("-1") : std::to_string(answer) + " " + OneLine(caption);
    std::fprintf(stderr, "vornui: message box \"%s\": %s -> %s\n", OneLine(m_strTitle).c_str(),
                 OneLine(m_strMessage).c_str(), named.c_str());
    EndWith(answer);
}

IMPLEMENT_DYNAMIC(CMessageBoxDialog, CDialog)
