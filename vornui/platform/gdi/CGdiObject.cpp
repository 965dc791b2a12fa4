#include "vornui/platform/CGdiObject.h"

#include "vornui/platform/CDC.h"
#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/internal/TemporaryWrappers.h"

#include <cstring>
#include <memory>
#include <unordered_map>

namespace {

// Objects that own their handle, and temporary wrappers handed out by FromHandle, per
// thread as the framework keeps them. Temporary wrappers let go of their handle before
// they are destroyed: the handle belongs to someone else.
struct HandleMaps {
    std::unordered_map<HGDIOBJ, CGdiObject*> permanent;
    std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>> temporary;
    ~HandleMaps() { releaseTemporaries(); }
    void releaseTemporaries() {
        if (temporary.empty())
            return; // a loop that is idle often need not clear an empty table each time
        for (auto& [handle, wrapper] : temporary)
            wrapper->m_hObject = nullptr;
        temporary.clear();
    }
};

HandleMaps& Maps() {
    thread_local HandleMaps maps;
    return maps;
}

// A wrapper of the class of the object the handle names.
std::unique_ptr<CGdiObject> MakeWrapper(HGDIOBJ object) {
    switch (::GetObjectType(object)) {
    case OBJ_PEN:
        return std::make_unique<CPen>();
    case OBJ_BRUSH:
        return std::make_unique<CBrush>();
    case OBJ_FONT:
        return std::make_unique<CFont>();
    case OBJ_BITMAP:
        return std::make_unique<CBitmap>();
    case OBJ_REGION:
        return std::make_unique<CRgn>();
    case OBJ_PAL:
        return std::make_unique<CPalette>();
    default:
        return std::make_unique<CGdiObject>();
    }
}

} // namespace

void ReleaseTemporaryGdiObjects() {
    Maps().releaseTemporaries();
}

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) {
    return WrapperOf(object);
}

CGdiObject* CGdiObject::WrapperOf(HGDIOBJ object) {
    if (!object)
        return nullptr;
    HandleMaps& maps = Maps();
    if (auto it = maps.permanent.find(object); it != maps.permanent.end())
        return it->second;
    auto& temporary = maps.temporary[object];
    if (!temporary) {
        temporary = MakeWrapper(object);
        temporary->m_hObject = object;
    }
    return temporary.get();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (!object || m_hObject)
        return FALSE;
    m_hObject = object;
    Maps().permanent[object] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    if (object) {
        auto& permanent = Maps().permanent;
        if (auto it = permanent.find(object); it != permanent.end() && it->second == this)
            permanent.erase(it);
    }
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int index) {
    return Attach(::GetStockObject(index));
}

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
    return bitmap ? Attach(::CreatePatternBrush(*bitmap)) : FALSE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCSTR faceName) {
    return Attach(::CreateFont(height, width, escapement, orientation, weight, italic, underline,
                               strikeOut, charSet, outPrecision, clipPrecision, quality,
                               pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc) {
    LOGFONT log{};
    log.lfCharSet = DEFAULT_CHARSET;
    log.lfHeight = pointSize;
    if (faceName)
        std::strncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&log, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* font, CDC* dc) {
    if (!font)
        return FALSE;
    // The height is in tenths of a point; the framework rounds to the nearest pixel.
    const int dpi = GetDeviceCaps(dc ? dc->m_hDC : nullptr, LOGPIXELSY);
    LOGFONT log = *font;
    const long tenths = static_cast<long>(log.lfHeight) * dpi;
    log.lfHeight = -static_cast<LONG>((tenths + (tenths >= 0 ? 360 : -360)) / 720);
    return CreateFontIndirect(&log);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return dc ? Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height)) : FALSE;
}

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
