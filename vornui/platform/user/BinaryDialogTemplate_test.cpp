#include "vornui/platform/BinaryDialogTemplate.h"
#include "vornui/platform/DialogManager.h"
#include "vornui/platform/Window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Builds templates byte by byte, as a resource compiler lays them out.
class Bytes {
public:
    Bytes& Word(uint16_t value) {
        m_bytes.push_back(static_cast<uint8_t>(value));
        m_bytes.push_back(static_cast<uint8_t>(value >> 8));
        return *this;
    }
    Bytes& Dword(uint32_t value) { return Word(static_cast<uint16_t>(value)).Word(value >> 16); }
    Bytes& Text(const std::string& text) {
        for (const char ch : text)
            Word(static_cast<unsigned char>(ch));
        return Word(0);
    }
    Bytes& Align() {
        while (m_bytes.size() % 4)
            m_bytes.push_back(0);
        return *this;
    }
    const std::vector<uint8_t>& Get() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

constexpr uint32_t kPageStyle = WS_CHILD | DS_SETFONT;

std::vector<uint8_t> Classic() {
    Bytes bytes;
    bytes.Dword(kPageStyle).Dword(0).Word(2).Word(0).Word(0).Word(180).Word(80);
    bytes.Word(0).Word(0).Text("General").Word(8).Text("MS Shell Dlg");
    bytes.Align().Dword(WS_VISIBLE | WS_TABSTOP).Dword(0).Word(7).Word(7).Word(60).Word(12);
    bytes.Word(100).Word(0xFFFF).Word(0x81).Text("").Word(0);
    bytes.Align().Dword(WS_VISIBLE | 3).Dword(0).Word(7).Word(25).Word(60).Word(10).Word(101);
    bytes.Word(0xFFFF).Word(0x80).Text("Apply tide").Word(4).Word(0xABCD);
    return bytes.Get();
}

std::vector<uint8_t> Extended() {
    Bytes bytes;
    bytes.Word(1).Word(0xFFFF).Dword(0).Dword(0).Dword(kPageStyle).Word(1);
    bytes.Word(0).Word(0).Word(200).Word(90).Word(0).Word(0).Text("Tide");
    bytes.Word(12).Word(400).Word(0).Text("DejaVu Sans");
    bytes.Align().Dword(0).Dword(0).Dword(WS_VISIBLE).Word(7).Word(7).Word(60).Word(12);
    bytes.Dword(110).Text("msctls_updown32").Word(0xFFFF).Word(7).Word(2).Word(0x6261);
    return bytes.Get();
}

} // namespace

TEST(BinaryDialogTemplates, BothLayoutsAreReadWithTheirFontSizeAndControls) {
    const std::vector<uint8_t> classic = Classic();
    const CBinaryDialogTemplate page(classic.data(), classic.size());
    ASSERT_TRUE(page.IsValid());
    const DialogTemplate& dialog = *page.GetTemplate();
    EXPECT_EQ(dialog.style, kPageStyle);
    EXPECT_EQ(dialog.cx, 180);
    EXPECT_EQ(dialog.cy, 80);
    EXPECT_STREQ(dialog.caption, "General");
    EXPECT_STREQ(dialog.fontName, "MS Shell Dlg");
    EXPECT_EQ(dialog.pointSize, 8);
    ASSERT_EQ(dialog.itemCount, 2);
    EXPECT_STREQ(dialog.items[0].windowClass, "Edit");
    EXPECT_EQ(dialog.items[0].id, 100);
    EXPECT_STREQ(dialog.items[1].windowClass, "Button");
    EXPECT_STREQ(dialog.items[1].text, "Apply tide");
    EXPECT_EQ(dialog.items[1].y, 25);

    const std::vector<uint8_t> extended = Extended();
    const CBinaryDialogTemplate tide(extended.data(), extended.size());
    ASSERT_TRUE(tide.IsValid());
    EXPECT_STREQ(tide.GetTemplate()->fontName, "DejaVu Sans");
    EXPECT_EQ(tide.GetTemplate()->pointSize, 12);
    EXPECT_EQ(tide.GetTemplate()->cx, 200);
    ASSERT_EQ(tide.GetTemplate()->itemCount, 1);
    EXPECT_STREQ(tide.GetTemplate()->items[0].windowClass, "msctls_updown32");
    EXPECT_EQ(tide.GetTemplate()->items[0].text, MAKEINTRESOURCE(7));

    // What was read makes a dialog like any compiled-in template.
    DialogTemplate popup = *page.GetTemplate();
    popup.style = WS_POPUP | DS_SETFONT;
    const HWND made = CreateDialogIndirectParam(nullptr, &popup, nullptr, nullptr, 0);
    ASSERT_NE(made, nullptr);
    char text[32] = "";
    GetWindowText(GetDlgItem(made, 101), text, sizeof text);
    EXPECT_STREQ(text, "Apply tide");
    DestroyWindow(made);
}

TEST(BinaryDialogTemplates, CutOrOverrunningTemplatesAreInvalid) {
    const std::vector<uint8_t> classic = Classic();
    for (size_t size = 0; size < classic.size(); ++size)
        EXPECT_FALSE(CBinaryDialogTemplate(classic.data(), size).IsValid()) << size;
    std::vector<uint8_t> many = classic;
    many[8] = 0xFF; // 255 items in a template that holds two
    EXPECT_FALSE(CBinaryDialogTemplate(many.data(), many.size()).IsValid());
    std::vector<uint8_t> creation = Classic();
    creation[creation.size() - 4] = 0x40; // creation data longer than what is left
    EXPECT_FALSE(CBinaryDialogTemplate(creation.data(), creation.size()).IsValid());
    EXPECT_FALSE(CBinaryDialogTemplate(nullptr, 100).IsValid());
    EXPECT_EQ(CBinaryDialogTemplate(nullptr, 0).GetTemplate(), nullptr);
}
