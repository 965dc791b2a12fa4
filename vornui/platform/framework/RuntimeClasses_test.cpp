#include "vornui/platform/BitmapButton.h"
#include "vornui/platform/CDC.h"
#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/ComboBox.h"
#include "vornui/platform/DataExchange.h"
#include "vornui/platform/Dialog.h"
#include "vornui/platform/Edit.h"
#include "vornui/platform/ImageList.h"
#include "vornui/platform/ListBox.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/ProgressCtrl.h"
#include "vornui/platform/SpinButtonCtrl.h"
#include "vornui/platform/Static.h"
#include "vornui/platform/StatusBar.h"
#include "vornui/platform/StatusBarCtrl.h"
#include "vornui/platform/TabCtrl.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/platform/Wnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A class of a program, made by name.
class CSoundingView : public CWnd {
    DECLARE_DYNCREATE(CSoundingView)
};
IMPLEMENT_DYNCREATE(CSoundingView, CWnd)

// One that can only tell what it is.
class CTideButton : public CButton {
    DECLARE_DYNAMIC(CTideButton)
};
IMPLEMENT_DYNAMIC(CTideButton, CButton)

std::string NameOf(const CObject& object) {
    return object.GetRuntimeClass()->m_lpszClassName;
}

} // namespace

TEST(RuntimeClasses, EveryFrameworkClassNamesItselfAndItsBases) {
    const CWnd wnd;
    const CDialog dialog;
    const CButton button;
    const CBitmapButton bitmapButton;
    const CStatic label;
    const CListBox list;
    const CComboBox combo;
    const CEdit edit;
    const CProgressCtrl progress;
    const CSpinButtonCtrl spin;
    const CTabCtrl tabs;
    const CStatusBar bar;
    const CStatusBarCtrl barCtrl;
    const CDC dc;
    const CGdiObject object;
    const CPen pen;
    const CBrush brush;
    const CFont font;
    const CBitmap bitmap;
    const CRgn region;
    const CPalette palette;
    const CImageList images;
    const CUserException exception;
    const std::pair<const CObject*, const char*> named[] = {
        {&wnd, "CWnd"},
        {&dialog, "CDialog"},
        {&button, "CButton"},
        {&bitmapButton, "CBitmapButton"},
        {&label, "CStatic"},
        {&list, "CListBox"},
        {&combo, "CComboBox"},
        {&edit, "CEdit"},
        {&progress, "CProgressCtrl"},
        {&spin, "CSpinButtonCtrl"},
        {&tabs, "CTabCtrl"},
        {&bar, "CStatusBar"},
        {&barCtrl, "CStatusBarCtrl"},
        {&dc, "CDC"},
        {&object, "CGdiObject"},
        {&pen, "CPen"},
        {&brush, "CBrush"},
        {&font, "CFont"},
        {&bitmap, "CBitmap"},
        {&region, "CRgn"},
        {&palette, "CPalette"},
        {&images, "CImageList"},
        {&exception, "CUserException"},
    };
    for (const auto& [instance, name] : named) {
        EXPECT_EQ(NameOf(*instance), name);
        EXPECT_TRUE(instance->IsKindOf(RUNTIME_CLASS(CObject))) << name;
        EXPECT_EQ(CRuntimeClass::FromName(name), instance->GetRuntimeClass());
    }
    EXPECT_TRUE(bitmapButton.IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_TRUE(bitmapButton.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CBitmapButton)));
    EXPECT_FALSE(dialog.IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_TRUE(pen.IsKindOf(RUNTIME_CLASS(CGdiObject)));
    EXPECT_FALSE(pen.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(pen.IsKindOf(nullptr));
    EXPECT_TRUE(RUNTIME_CLASS(CDialog)->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(RUNTIME_CLASS(CDialog)->m_pBaseClass, RUNTIME_CLASS(CWnd));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
}

TEST(RuntimeClasses, ClassesMadeByName) {
    std::unique_ptr<CObject> view(CRuntimeClass::CreateObject("CSoundingView"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(NameOf(*view), "CSoundingView");
    EXPECT_TRUE(view->IsKindOf(RUNTIME_CLASS(CWnd)));
    std::unique_ptr<CObject> wnd(RUNTIME_CLASS(CWnd)->CreateObject());
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(NameOf(*wnd), "CWnd");
    // A class declared only dynamic cannot be made; unknown names give nothing.
    EXPECT_EQ(RUNTIME_CLASS(CTideButton)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CTideButton)->m_nObjectSize, static_cast<int>(sizeof(CTideButton)));
    EXPECT_TRUE(CTideButton().IsKindOf(RUNTIME_CLASS(CButton)));
    EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject(nullptr), nullptr);
}

TEST(RuntimeClasses, WindowsWithoutAClassGetTheFrameworks) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "Survey", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    char name[32] = {};
    GetClassName(parent, name, sizeof name);
    EXPECT_STREQ(name, kFrameworkWindowClass);
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "Pane", WS_VISIBLE, CRect(0, 0, 50, 50), &parent, 3));
    GetClassName(child, name, sizeof name);
    EXPECT_STREQ(name, kFrameworkWindowClass);
    WNDCLASS info{};
    ASSERT_TRUE(GetClassInfo(nullptr, kFrameworkWindowClass, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    parent.DestroyWindow();
}
