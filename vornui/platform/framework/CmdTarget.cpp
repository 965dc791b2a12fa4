#include "vornui/platform/CmdTarget.h"

#include "vornui/platform/CmdUI.h"

#include <cstdint>

namespace {

BOOL Dispatch(CCmdTarget* target, const AFX_MSGMAP_ENTRY& entry, UINT id, void* extra) {
    switch (entry.nSig) {
    case AfxSigCmd_v:
        (target->*entry.handler.pfn)();
        return TRUE;
    case AfxSigCmd_RANGE:
        (target->*entry.handler.pfnCmdRange)(id);
        return TRUE;
    case AfxSigCmdUI: {
        // The handler may hand the update on to the next target (ContinueRouting).
        auto* cmdUI = static_cast<CCmdUI*>(extra);
        cmdUI->m_bContinueRouting = FALSE;
        (target->*entry.handler.pfnCmdUI)(cmdUI);
        return !cmdUI->m_bContinueRouting;
    }
    case AfxSigNotify_v: {
        auto* notify = static_cast<AFX_NOTIFY*>(extra);
        if (!notify)
            return FALSE;
        (target->*entry.handler.pfnNotify)(notify->pNMHDR, notify->pResult);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

// The bit of a map's summary for a message and code, one of the low 63; the top bit marks the
// summary as made.
constexpr std::uint64_t kSummaryMade = std::uint64_t{1} << 63;

std::uint64_t SummaryBit(UINT message, UINT code) {
    const std::uint32_t mixed = (message * 0x9E3779B1u + code) * 0x85EBCA77u;
    return std::uint64_t{1} << ((std::uint64_t{mixed} * 63) >> 32);
}

// Folds every entry of `map` and its bases into the map's summary, once.
[[gnu::noinline]] std::uint64_t MakeSummary(const AFX_MSGMAP& map) {
    std::uint64_t summary = kSummaryMade;
    for (const AFX_MSGMAP* each = &map; each;
         each = each->pfnGetBaseMap ? each->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* entry = each->lpEntries; entry->nSig != AfxSig_end; ++entry)
            summary |= SummaryBit(entry->nMessage, entry->nCode);
    // The maps never change: threads that meet here at once store the same bits.
    map.answers.store(summary, std::memory_order_relaxed);
    return summary;
}

// Whether `map` or one of its bases may have an entry for `message` and `code`: no is sure,
// yes only likely.
bool MayAnswer(const AFX_MSGMAP& map, UINT message, UINT code) {
    std::uint64_t summary = map.answers.load(std::memory_order_relaxed);
    if (summary == 0)
        summary = MakeSummary(map);
    return (summary & SummaryBit(message, code)) != 0;
}

// The entry for `message`, `code` and `id` in `map` or its bases, the derived map first. Kept
// out of line: the search needs registers that a lookup MayAnswer turns away would otherwise
// save and restore for nothing.
[[gnu::noinline]] const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* map, UINT message, UINT code,
                                                    UINT id) {
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig_end; ++entry)
            if (entry->nMessage == message && entry->nCode == code && id >= entry->nID &&
                id <= entry->nLastID)
                return entry;
    return nullptr;
}

} // namespace

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {afxMessageMapEnd};
    static const AFX_MSGMAP messageMap{nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
    // A code other than the update carries its message in the high word; none is WM_COMMAND.
    UINT message = 0;
    UINT notification = static_cast<UINT>(code);
    if (code != CN_UPDATE_COMMAND_UI) {
        message = HIWORD(notification);
        notification = LOWORD(notification);
    }
    if (message == 0)
        message = WM_COMMAND;
    const AFX_MSGMAP* const map = GetMessageMap();
    if (!map || !MayAnswer(*map, message, notification))
        return FALSE;
    const AFX_MSGMAP_ENTRY* const entry = FindEntry(map, message, notification, id);
    if (!entry)
        return FALSE;
    if (handlerInfo) {
        handlerInfo->pTarget = this;
        handlerInfo->pmf = entry->handler;
        return TRUE;
    }
    return Dispatch(this, *entry, id, extra);
}
