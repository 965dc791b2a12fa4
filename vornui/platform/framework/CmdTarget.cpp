#include "vornui/platform/CmdTarget.h"

#include "vornui/platform/CmdUI.h"

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
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSig_end; ++entry) {
            if (entry->nMessage != message || entry->nCode != notification || id < entry->nID ||
                id > entry->nLastID)
                continue;
            if (handlerInfo) {
                handlerInfo->pTarget = this;
                handlerInfo->pmf = entry->handler;
                return TRUE;
            }
            return Dispatch(this, *entry, id, extra);
        }
    }
    return FALSE;
}
