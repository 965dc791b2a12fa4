#include "vornui/platform/ToolBar.h"

#include "vornui/platform/CmdUI.h"
#include "vornui/platform/FrameWnd.h"
#include "vornui/platform/Images.h"
#include "vornui/platform/SystemSettings.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kBarEdge = 2; // the toolbar control's own margin around its row

// A button as the update handlers see it.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CToolBar& bar) : m_bar(bar) {}

    void Enable(BOOL on) override {
        m_bEnableChanged = TRUE;
        const int index = static_cast<int>(m_nIndex);
        const UINT style = m_bar.GetButtonStyle(index) & ~TBBS_DISABLED;
        m_bar.SetButtonStyle(index, on ? style : style | TBBS_DISABLED);
    }
    void SetCheck(int check) override {
        const int index = static_cast<int>(m_nIndex);
        UINT style = m_bar.GetButtonStyle(index) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (check == 1)
            style |= TBBS_CHECKED;
        else if (check == 2)
            style |= TBBS_INDETERMINATE;
        m_bar.SetButtonStyle(index, style | TBBS_CHECKBOX);
    }
    void SetText(LPCTSTR) override {}

private:
    CToolBar& m_bar;
};

// The toolbar resource: version 1, the bitmap's button width and height, the count and
// the ids, each a 16-bit word.
bool ReadToolBarResource(UINT id, CSize& image, std::vector<UINT>& ids) {
    const LPCTSTR name = MAKEINTRESOURCE(id);
    const HMODULE module = AfxFindResourceHandle(name, RT_TOOLBAR);
    const HRSRC found = FindResource(module, name, RT_TOOLBAR);
    if (!found)
        return false;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    const auto word = [bytes](size_t at) {
        WORD value = 0;
        std::memcpy(&value, bytes + 2 * at, sizeof value);
        return value;
    };
    if (!bytes || size < 8 || word(0) != 1)
        return false;
    const size_t count = word(3);
    if (size < 8 + 2 * count)
        return false;
    image = CSize(word(1), word(2));
    ids.clear();
    for (size_t index = 0; index < count; ++index)
        ids.push_back(word(4 + index));
    return true;
}

} // namespace

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

CToolBar::CToolBar() = default;

CToolBar::~CToolBar() = default;

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) {
    return CreateEx(parent, 0, style, CRect(0, 0, 0, 0), id);
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, CRect, UINT id) {
    m_dwStyle = style & CBRS_ALL;
    const DWORD windowStyle = (style & ~CBRS_ALL) | controlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY |
                              CCS_NODIVIDER | CCS_NORESIZE;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAME, nullptr, windowStyle, CRect(0, 0, 0, 0), parent, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
    while (GetCount() > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    int image = 0;
    for (int index = 0; index < count; ++index) {
        TBBUTTON button{};
        button.idCommand = static_cast<int>(ids ? ids[index] : ID_SEPARATOR);
        if (button.idCommand == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = image++;
            button.fsState = TBSTATE_ENABLED;
        }
        if (!SendMessage(TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button)))
            return FALSE;
    }
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT id) {
    CSize image;
    std::vector<UINT> ids;
    if (!ReadToolBarResource(id, image, ids))
        return FALSE;
    SetSizes(CSize(image.cx + 7, image.cy + 7), image);
    return SetButtons(ids.data(), static_cast<int>(ids.size())) && LoadBitmap(id);
}

BOOL CToolBar::LoadBitmap(UINT id) {
    const LPCTSTR name = MAKEINTRESOURCE(id);
    const auto bitmap =
        static_cast<HBITMAP>(LoadImage(AfxFindResourceHandle(name, RT_BITMAP), name, IMAGE_BITMAP,
                                       0, 0, LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
    if (!bitmap)
        return FALSE;
    BITMAP size{};
    GetObject(bitmap, sizeof size, &size);
    const CSize image = m_sizeImage;
    m_images.DeleteImageList();
    const BOOL made = image.cx > 0 && size.bmWidth >= image.cx &&
                      m_images.Create(image.cx, size.bmHeight, ILC_COLOR24 | ILC_MASK,
                                      size.bmWidth / image.cx, 0) &&
                      ImageList_AddMasked(m_images, bitmap, GetSysColor(COLOR_BTNFACE)) >= 0;
    DeleteObject(bitmap);
    if (made)
        SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images.m_hImageList));
    return made;
}

void CToolBar::SetSizes(SIZE button, SIZE image) {
    m_sizeImage = image;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(image.cx, image.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(button.cx, button.cy));
}

int CToolBar::CommandToIndex(UINT id) const {
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, id));
}

UINT CToolBar::GetItemID(int index) const {
    TBBUTTON button{};
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return 0;
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int index, LPRECT rect) const {
    SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect));
}

UINT CToolBar::GetButtonStyle(int index) const {
    TBBUTTON button{};
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

// A button held down with the mouse stays held.
void CToolBar::SetButtonStyle(int index, UINT style) {
    TBBUTTONINFO info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE;
    if (SendMessage(TB_GETBUTTONINFO, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)) <
        0)
        return;
    const BYTE state =
        static_cast<BYTE>((HIWORD(style) ^ TBSTATE_ENABLED) | (info.fsState & TBSTATE_PRESSED));
    const BYTE buttonStyle = static_cast<BYTE>(LOWORD(style));
    if (state == info.fsState && buttonStyle == info.fsStyle)
        return;
    info.fsState = state;
    info.fsStyle = buttonStyle;
    SendMessage(TB_SETBUTTONINFO, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

int CToolBar::GetCount() const {
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

CSize CToolBar::CalcFixedLayout(BOOL stretch, BOOL) {
    SIZE row{};
    SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&row));
    return CSize(stretch ? 32767 : row.cx + 2 * kBarEdge, row.cy + 2 * kBarEdge);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    CToolCmdUI state(*this);
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        const int index = static_cast<int>(state.m_nIndex);
        if (GetButtonStyle(index) & TBBS_SEPARATOR)
            continue;
        state.m_nID = GetItemID(index);
        state.DoUpdate(target, disableIfNoHandler);
    }
}
