// Dialog templates in the framework's binary layouts, as a host hands them in for its
// property pages: any bytes are read, and a template read whole is walked to its last
// string.

#include "vornui/platform/BinaryDialogTemplate.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CBinaryDialogTemplate binary(data, size);
    const DialogTemplate* dialog = binary.GetTemplate();
    if (!dialog)
        return 0;
    size_t length = std::strlen(dialog->caption);
    if (dialog->fontName)
        length += std::strlen(dialog->fontName) + dialog->pointSize;
    for (WORD index = 0; index < dialog->itemCount; ++index) {
        const DialogItemTemplate& item = dialog->items[index];
        length += std::strlen(item.windowClass) + static_cast<size_t>(item.cx) * item.cy;
        if (!IS_INTRESOURCE(item.text))
            length += std::strlen(item.text);
    }
    return length == SIZE_MAX ? 1 : 0;
}
