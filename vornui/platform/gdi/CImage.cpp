#include "vornui/platform/CImage.h"

#include "vornui/platform/CString.h"
#include "vornui/platform/GdiObjects.h"
#include "vornui/platform/internal/GdiRecords.h"
#include "vornui/platform/internal/ImageFiles.h"

#include <string>
#include <utility>

CImage::~CImage() {
    Destroy();
}

void CImage::Attach(HBITMAP bitmap) {
    Destroy();
    m_bitmap = bitmap;
}

HBITMAP CImage::Detach() {
    return std::exchange(m_bitmap, nullptr);
}

void CImage::Destroy() {
    if (m_bitmap)
        ::DeleteObject(Detach());
}

int CImage::GetWidth() const {
    const auto record = LiveGdiObjectOf<BitmapRecord>(m_bitmap);
    return record ? record->surface->width() : 0;
}

int CImage::GetHeight() const {
    const auto record = LiveGdiObjectOf<BitmapRecord>(m_bitmap);
    return record ? record->surface->height() : 0;
}

HRESULT CImage::Save(LPCSTR fileName) const {
    const auto record = LiveGdiObjectOf<BitmapRecord>(m_bitmap);
    if (!record || !fileName)
        return E_FAIL;
    const std::string path = fileName;
    const std::size_t dot = path.find_last_of('.');
    const bool png =
        dot != std::string::npos && CString(path.substr(dot).c_str()).CompareNoCase(".png") == 0;
    const bool written =
        png ? WritePngFile(*record->surface, path) : WriteBmpFile(*record->surface, path);
    return written ? S_OK : E_FAIL;
}
