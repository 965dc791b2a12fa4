#include "vornui/properties/KIconTextButtonProperty.h"

#include "vornui/layout/HoverButton.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/EditControl.h"
#include "vornui/properties/KPropWnd.h"
#include "vornui/properties/KPropWndEdit.h"
#include "vornui/properties/PropertyButtonFace.h"

namespace {

constexpr int kMargin = 4;
constexpr int kTextInset = 3; // above and below the text
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kReadOnlyDarkening = 0x606060;
constexpr UINT kEditMargin = 2;

DWORD EditAlignment(int alignment) {
    switch (alignment) {
    case KIconTextButtonProperty::eAlignCenter:
        return ES_CENTER;
    case KIconTextButtonProperty::eAlignRight:
        return ES_RIGHT;
    default:
        return ES_LEFT;
    }
}

template <typename Window>
void Destroy(Window*& window) {
    if (!window)
        return;
    window->DestroyWindow();
    delete window;
    window = nullptr;
}

} // namespace

KIconTextButtonProperty::KIconTextButtonProperty(IPropertyHost* host, const char* name, void* data,
                                                 bool editable)
    : KProperty(host, name, data, editable) {}

KIconTextButtonProperty::~KIconTextButtonProperty() {
    Destroy(m_pEdit);
    Destroy(m_pButton);
}

int KIconTextButtonProperty::GetWidth(CDC* dc) {
    const int icon = GetIconWidth();
    return (icon > 0 ? icon + kMargin : 0) + kMargin + dc->GetTextExtent(GetTextValue()).cx +
           kMargin;
}

int KIconTextButtonProperty::GetHeight(CDC* dc) {
    const CString text = GetTextValue();
    return dc->GetTextExtent(text.IsEmpty() ? CString("Q") : text).cy + 2 * kTextInset;
}

void KIconTextButtonProperty::LayOut(KPropWnd* wnd, bool withButton) {
    const int icon = GetIconWidth();
    m_rectIcon = CRect(m_rect.left + kMargin, m_rect.top + kTextInset,
                       m_rect.left + kMargin + std::max(icon, 0),
                       m_rect.top + kTextInset + std::max(icon, 0));
    const int textLeft = icon > 0 ? m_rectIcon.right + kMargin : m_rect.left + kMargin;
    int textRight = m_rect.right - kMargin;
    m_rectButton.SetRectEmpty();
    if (withButton) {
        CRect client;
        wnd->GetClientRect(&client);
        const int right = std::min(m_rect.right, client.right);
        m_rectButton = CRect(right - m_nButtonWidth, m_rect.top, right, m_rect.bottom);
        textRight = m_rectButton.left - kMargin;
    }
    m_rectText = CRect(textLeft, m_rect.top + kTextInset, textRight, m_rect.bottom - kTextInset);
}

void KIconTextButtonProperty::Draw(CDC* dc, KPropWnd* wnd) {
    const bool editable = IsEditable();
    const bool withButton = HasButton() && editable;
    LayOut(wnd, withButton);
    dc->FillSolidRect(&m_rect, editable ? kWhite : wnd->GetFaceColor());
    if (GetIconWidth() > 0)
        DrawIcon(dc, wnd, m_rectIcon);
    m_ptOffset = dc->GetViewportOrg();
    if (m_bActive && m_pEdit) {
        m_rectEdit = m_rectText + m_ptOffset;
        m_pEdit->MoveWindow(&m_rectEdit);
    } else if (ShowsValueText()) {
        DrawValueText(dc, wnd, editable);
    }
    if (!withButton)
        return;
    if (m_bActive && m_pButton) {
        const CRect placed = m_rectButton + m_ptOffset;
        m_pButton->MoveWindow(&placed);
    } else {
        DrawPropertyButtonFace(dc, m_rectButton);
    }
}

void KIconTextButtonProperty::DrawValueText(CDC* dc, KPropWnd* wnd, bool editable) {
    const CString value = GetTextValue();
    CString shown = value;
    KPropWnd::FitTextToWidth(dc, shown, m_rectText.Width());
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER;
    if (m_nAlignment == eAlignCenter)
        format |= DT_CENTER;
    else if (m_nAlignment == eAlignRight && shown == value)
        format |= DT_RIGHT;
    if (!editable)
        dc->SetTextColor(wnd->GetFaceColor() - kReadOnlyDarkening);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    CRect text = m_rectText;
    dc->DrawText(shown, &text, format);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(kBlack);
}

void KIconTextButtonProperty::Activate(KPropWnd* wnd) {
    m_strShownText = GetTextValue();
    const bool editable = IsEditable();
    LayOut(wnd, HasButton() && editable);
    UINT first = 0;
    UINT last = 0;
    wnd->GetCommandRange(first, last);
    if (HasEdit() && editable)
        CreateEdit(wnd, first);
    if (HasButton() && editable)
        CreateButton(wnd, first + 1);
    m_bActive = true;
}

void KIconTextButtonProperty::CreateEdit(KPropWnd* wnd, UINT id) {
    m_pEdit = new KPropWndEdit(wnd, this);
    m_rectEdit = m_rectText + m_ptOffset;
    m_pEdit->Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | EditAlignment(m_nAlignment),
                    m_rectEdit, wnd, id);
    m_pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(wnd->GetRowFont()->GetSafeHandle()));
    m_pEdit->SetMargins(kEditMargin, kEditMargin);
    m_pEdit->SetWindowText(m_strShownText);
    m_pEdit->SetSel(0, -1);
    m_pEdit->SendMessage(EM_SCROLLCARET);
    m_pEdit->SetFocus();
}

void KIconTextButtonProperty::CreateButton(KPropWnd* wnd, UINT id) {
    m_pButton = new CHoverButton;
    m_pButton->m_pImageBlock = PropertyButtonImage();
    m_pButton->Create("...", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, m_rectButton + m_ptOffset, wnd,
                      id);
    m_pButton->SendMessage(WM_SETFONT,
                           reinterpret_cast<WPARAM>(wnd->GetRowFont()->GetSafeHandle()));
    if (m_pEdit)
        m_pEdit->AddCompanion(m_pButton->m_hWnd);
    else
        m_pButton->SetFocus();
}

void KIconTextButtonProperty::Deactivate() {
    Destroy(m_pEdit);
    Destroy(m_pButton);
    m_bActive = false;
}

bool KIconTextButtonProperty::OnLButtonDown(KPropWnd* wnd, CPoint point) {
    if (m_rectButton.PtInRect(point) && IsEditable()) {
        UINT first = 0;
        UINT last = 0;
        wnd->GetCommandRange(first, last);
        wnd->RouteCommand(this, first + 1, BN_CLICKED);
    }
    return false;
}

CString KIconTextButtonProperty::GetValueText() {
    return GetTextValue();
}

int KIconTextButtonProperty::GetIconWidth() {
    return 0;
}

bool KIconTextButtonProperty::HasButton() {
    return false;
}

void KIconTextButtonProperty::DrawIcon(CDC* dc, KPropWnd*, const CRect& rect) {
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(&rect);
    dc->SelectObject(oldBrush);
}

CString KIconTextButtonProperty::GetTextValue() {
    return "Please override GetTextValue() in your KIconTextButtonProperty class";
}

bool KIconTextButtonProperty::ShowsValueText() {
    return true;
}

bool KIconTextButtonProperty::HasEdit() {
    return false;
}

bool KIconTextButtonProperty::WantsReturn() {
    return false;
}
