// Rows a host derives without overriding anything answer what a host can rely on.

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/WindowDC.h"
#include "vornui/properties/KIconTextButtonProperty.h"
#include "vornui/properties/PropertyPane_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The least a host writes: a row that only has a name.
class BareRow : public KProperty {
public:
    BareRow(IPropertyHost* host, int* data, bool editable)
        : KProperty(host, "Bare", data, editable) {}
};

// An icon-text row with nothing but an icon of its own width.
class IconRow : public KIconTextButtonProperty {
public:
    IconRow(IPropertyHost* host, int* data, int iconWidth)
        : KIconTextButtonProperty(host, "Icon", data, true), m_iconWidth(iconWidth) {}
    int GetIconWidth() override { return m_iconWidth; }

private:
    int m_iconWidth;
};

} // namespace

TEST(DerivedRows, KeepTheDefaultsOfTheirBase) {
    std::vector<std::string> log;
    LoggingHost host("host", log);
    int value = 0;
    BareRow bare(&host, &value, true);
    BareRow fixed(&host, &value, false);
    IconRow plain(&host, &value, 0);
    IconRow icon(&host, &value, 16);
    PropertyPane pane(log);
    for (KProperty* row : std::initializer_list<KProperty*>{&icon, &plain, &bare, &fixed})
        pane.wnd.AddProperty(row);
    CClientDC dc(&pane.wnd);
    dc.SelectObject(pane.wnd.GetRowFont());

    // The window's font: "Tahoma" 14 high and of weight 500, drawn with DejaVu Sans.
    CString face;
    dc.GetTextFace(face);
    EXPECT_EQ(face, "DejaVu Sans");
    TEXTMETRIC metrics{};
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight, 14);
    EXPECT_EQ(metrics.tmWeight, 500);

    // A bare row: 50 wide, 100 high, no number, no text, nothing set by text or the wheel.
    EXPECT_EQ(bare.GetName(), "Bare");
    EXPECT_EQ(bare.GetWidth(&dc), 50);
    EXPECT_EQ(bare.GetDefaultHeight(), 100);
    EXPECT_EQ(bare.GetHeight(&dc), 100);
    EXPECT_EQ(bare.GetRect().Height(), 100);
    double number = 7;
    EXPECT_FALSE(bare.GetNumber(&number));
    EXPECT_EQ(number, 7);
    EXPECT_EQ(bare.GetValueText(), "");
    EXPECT_FALSE(bare.SetValueText("1"));
    EXPECT_FALSE(bare.OnMouseWheel(&pane.wnd, 0, WHEEL_DELTA, CPoint()));
    EXPECT_FALSE(bare.OnCommand(&pane.wnd, 601, BN_CLICKED));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(log.empty());
    // Without numbers, rows compare by their texts, case counting.
    EXPECT_EQ(bare.Compare(fixed), 0);
    EXPECT_EQ(plain.Compare(bare), 1); // "Please override ..." after ""

    // Editable: the flag, then the host each time.
    EXPECT_FALSE(fixed.IsEditable());
    EXPECT_TRUE(bare.IsEditable());
    host.editable = false;
    EXPECT_FALSE(bare.IsEditable());
    host.editable = true;

    // The description, as given.
    bare.SetDescription(CString("What the row is for"));
    EXPECT_EQ(bare.GetDescription(), "What the row is for");

    // A bare row does nothing on activation, not even mark itself active; its value is
    // white all the same.
    pane.wnd.ActivateProperty(&bare);
    EXPECT_EQ(pane.wnd.GetActiveProperty(), &bare);
    EXPECT_FALSE(bare.IsActive());
    EXPECT_EQ(bare.GetColor(&pane.wnd), pane.wnd.GetFaceColor());
    pane.wnd.UpdateWindow();
    const CRect rect = bare.GetRect();
    EXPECT_EQ(dc.GetPixel(rect.left + 5, rect.top + 5), RGB(255, 255, 255));
    // An icon-text row marks itself: its name column darkens while it is active.
    pane.wnd.ActivateProperty(&plain);
    EXPECT_TRUE(plain.IsActive());
    EXPECT_EQ(plain.GetColor(&pane.wnd), pane.wnd.GetFaceColor() - 0x202020);
    pane.wnd.ActivateProperty(nullptr);
    EXPECT_FALSE(plain.IsActive());
    EXPECT_EQ(plain.GetColor(&pane.wnd), pane.wnd.GetFaceColor());

    // An icon-text row that forgot its text says so; its width and height come from the
    // text and its margins, with the icon and a gap before it when it has one.
    const CString reminder = "Please override GetTextValue() in your KIconTextButtonProperty class";
    EXPECT_EQ(plain.GetValueText(), reminder);
    const CSize text = dc.GetTextExtent(reminder);
    EXPECT_EQ(plain.GetWidth(&dc), 4 + text.cx + 4);
    EXPECT_EQ(icon.GetWidth(&dc), 16 + 4 + 4 + text.cx + 4);
    EXPECT_EQ(plain.GetHeight(&dc), text.cy + 6);

    // The default icon is its outline: a 16-pixel square 4 in and 3 down.
    pane.wnd.UpdateWindow();
    const CRect row = icon.GetRect();
    const COLORREF outline = dc.GetPixel(row.left + 4, row.top + 3 + 8);
    EXPECT_NE(outline, RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(row.left + 4 + 15, row.top + 3 + 8), outline);
    EXPECT_EQ(dc.GetPixel(row.left + 4 + 8, row.top + 3 + 8), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(row.left + 3, row.top + 3 + 8), RGB(255, 255, 255));
    pane.wnd.RemoveAllProperties();
}
