#include "vornui/properties/KProperty.h"

#include "vornui/platform/CGdiObject.h"
#include "vornui/properties/KPropWnd.h"

#include <cstring>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kHighlightRed = RGB(255, 0, 0);
constexpr COLORREF kActiveDarkening = 0x202020;

} // namespace

KProperty::KProperty(IPropertyHost* host, const char* name, void* data, bool editable)
    : m_bEditable(editable), m_strName(name ? name : ""), m_pHost(host), m_pData(data) {}

KProperty::~KProperty() = default;

bool KProperty::OnCommand(KPropWnd*, UINT, UINT) {
    return false;
}

CString KProperty::GetName() {
    return m_strName;
}

int KProperty::GetWidth(CDC*) {
    return 50;
}

int KProperty::GetDefaultHeight() {
    return 100;
}

int KProperty::GetHeight(CDC*) {
    return GetDefaultHeight();
}

void KProperty::Draw(CDC* dc, KPropWnd*) {
    dc->FillSolidRect(&m_rect, kWhite);
}

void KProperty::DrawHighlighted(CDC* dc, KPropWnd* wnd) {
    Draw(dc, wnd);
    CPen red(PS_SOLID, 1, kHighlightRed);
    CPen* oldPen = dc->SelectObject(&red);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(&m_rect);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

void KProperty::Activate(KPropWnd*) {}

bool KProperty::OnKeyDown(KPropWnd*, UINT) {
    return false;
}

void KProperty::Deactivate() {}

bool KProperty::OnLButtonDown(KPropWnd*, CPoint) {
    return false;
}

bool KProperty::IsEditable() {
    if (!m_bEditable)
        return false;
    return !m_pHost || m_pHost->CanEdit(m_pData);
}

bool KProperty::CanActivate() {
    return true;
}

COLORREF KProperty::GetColor(KPropWnd* wnd) {
    const COLORREF face = wnd->GetFaceColor();
    return m_bActive ? face - kActiveDarkening : face;
}

bool KProperty::GetNumber(double*) {
    return false;
}

CString KProperty::GetValueText() {
    return CString();
}

int KProperty::Compare(KProperty& other) {
    double mine = 0;
    double theirs = 0;
    if (GetNumber(&mine) && other.GetNumber(&theirs))
        return mine < theirs ? -1 : mine > theirs ? 1 : 0;
    const int order = std::strcmp(GetValueText().GetString(), other.GetValueText().GetString());
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

bool KProperty::OnLButtonDblClk(KPropWnd*, CPoint) {
    return false;
}

void KProperty::SetDescription(UINT stringId) {
    m_strDescription.LoadString(stringId);
}

void KProperty::SetDescription(const CString& text) {
    m_strDescription = text;
}

CString KProperty::GetDescription() {
    return m_strDescription;
}

bool KProperty::IsVisible() {
    return true;
}

void KProperty::OnAdded(KPropWnd*) {}

void KProperty::OnRemoved(KPropWnd*) {}

bool KProperty::OnMouseWheel(KPropWnd*, UINT, short, CPoint) {
    return false;
}

void KProperty::OnScrolled(KPropWnd*) {}

bool KProperty::OnRButtonDown(KPropWnd*, CPoint) {
    return false;
}

bool KProperty::SetValueText(const CString&) {
    return false;
}

bool KProperty::OnChar(KPropWnd*, UINT) {
    return false;
}

bool KProperty::Accepts(const void* proposed) {
    return !m_pHost || m_pHost->AcceptChange(m_pData, proposed);
}
