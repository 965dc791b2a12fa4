// DrawText over any text and any format: layout (prefixes, breaks, tabs, ellipses) must
// end, stay inside its buffers and paint only into the bitmap.

#include "vornui/platform/CDC.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 6)
        return 0;
    UINT format = 0;
    std::memcpy(&format, data, 4);
    const int width = static_cast<int8_t>(data[4]) * 4;
    const int height = static_cast<int8_t>(data[5]);
    // Room for the ellipsis DT_MODIFYSTRING may write.
    std::vector<char> text(data + 6, data + size);
    const int length = static_cast<int>(text.size());
    text.resize(text.size() + 5, '\0');

    static CDC* dc = [] {
        static CDC context;
        context.CreateCompatibleDC(nullptr);
        static CBitmap bitmap;
        bitmap.CreateBitmap(64, 32, 1, 32, nullptr);
        context.SelectObject(&bitmap);
        context.SelectStockObject(DEFAULT_GUI_FONT);
        return &context;
    }();
    CRect rect(3, 2, 3 + width, 2 + height);
    dc->DrawText(text.data(), length, &rect, format);
    return 0;
}
