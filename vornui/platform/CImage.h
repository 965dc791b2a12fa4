#pragma once

// The framework's image class, as far as saving a bitmap goes: attach a bitmap and save
// it; the file's extension chooses the format (".png" PNG, anything else BMP).

#include "vornui/platform/Export.h"
#include "vornui/platform/GdiTypes.h"

class VORNUI_API CImage {
public:
    CImage() = default;
    ~CImage();
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    // The image owns the bitmap until it is detached.
    void Attach(HBITMAP bitmap);
    HBITMAP Detach();
    void Destroy();
    bool IsNull() const { return m_bitmap == nullptr; }
    int GetWidth() const;
    int GetHeight() const;
    operator HBITMAP() const { return m_bitmap; }

    HRESULT Save(LPCSTR fileName) const;

private:
    HBITMAP m_bitmap = nullptr;
};
