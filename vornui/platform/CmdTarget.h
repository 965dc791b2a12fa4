#pragma once

// The framework's command targets. A command (a menu item, a button, an accelerator)
// travels as a command id and a notification code through OnCmdMsg, which looks it up in
// the message map of the object's class, then in its bases' maps. A map is written with
// the framework's macros:
//
//   class CSurveyFrame : public CFrameWnd {
//       void OnLineStart();
//       void OnUpdateLineStart(CCmdUI* cmdUI);
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CSurveyFrame, CFrameWnd)
//       ON_COMMAND(ID_LINE_START, &CSurveyFrame::OnLineStart)
//       ON_UPDATE_COMMAND_UI(ID_LINE_START, &CSurveyFrame::OnUpdateLineStart)
//   END_MESSAGE_MAP()
//
// Inside a map, ThisClass names the class of the map (ON_COMMAND(ID_X, &ThisClass::OnX)).
// The update handlers tell menus and controls whether a command is available now (see
// CCmdUI in CmdUI.h).

#include "vornui/platform/Export.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/WinTypes.h"
#include "vornui/platform/WindowMessages.h"
#include "vornui/platform/WindowTypes.h"

#include <atomic>
#include <cstdint>

class CCmdTarget;
class CCmdUI;

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (static_cast<int>(0xFFFFFFFF))

using AFX_PMSG = void (CCmdTarget::*)();

// How a map entry's handler is called.
enum AfxSig : UINT {
    AfxSig_end = 0,
    AfxSigCmd_v,     // void handler()
    AfxSigCmd_RANGE, // void handler(UINT id)
    AfxSigCmdUI,     // void handler(CCmdUI* cmdUI)
    AfxSigNotify_v,  // void handler(NMHDR* header, LRESULT* result)
};

// The handler of an entry, as its signature says.
union MessageMapFunctions {
    AFX_PMSG pfn;
    void (CCmdTarget::*pfnCmdRange)(UINT);
    void (CCmdTarget::*pfnCmdUI)(CCmdUI*);
    void (CCmdTarget::*pfnNotify)(NMHDR*, LRESULT*);
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND
    UINT nCode;    // the notification code, or CN_UPDATE_COMMAND_UI
    UINT nID;      // the range of command ids the entry answers
    UINT nLastID;
    UINT nSig;
    MessageMapFunctions handler;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
    // The messages and codes this map and its bases answer, folded into bits when the map is
    // first searched. Most searches find nothing (a list's notice for each of a million rows
    // that nobody handles), and the bits say so without walking every map.
    mutable std::atomic<std::uint64_t> answers{0};
};

// The entry that ends every map.
inline constexpr AFX_MSGMAP_ENTRY afxMessageMapEnd{0, 0, 0, 0, AfxSig_end, {nullptr}};

// Where OnCmdMsg found the handler, when it is asked only to find it.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    MessageMapFunctions pmf;
};

// What OnCmdMsg is given in `extra` for a control's WM_NOTIFY, whose code then carries
// WM_NOTIFY in its high word and the notification's code in its low word.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

class VORNUI_API CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget();
    virtual ~CCmdTarget();
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Carries out command `id` with code `code` (CN_COMMAND, a control's notification,
    // CN_UPDATE_COMMAND_UI with the CCmdUI in `extra`) through the message maps; with
    // `handlerInfo` it only says where the handler is. FALSE when no entry answers.
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    afxMessageMapEnd                                                                               \
    }                                                                                              \
    ;                                                                                              \
    static_cast<void>(sizeof(ThisClass));                                                          \
    static const AFX_MSGMAP messageMap{&TheBaseClass::GetThisMessageMap, &entries[0]};             \
    return &messageMap;                                                                            \
    }

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND,                                                                                   \
     CN_COMMAND,                                                                                   \
     static_cast<WORD>(id),                                                                        \
     static_cast<WORD>(id),                                                                        \
     AfxSigCmd_v,                                                                                  \
     {.pfn = static_cast<AFX_PMSG>(memberFxn)}},

#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    {WM_COMMAND,                                                                                   \
     CN_COMMAND,                                                                                   \
     static_cast<WORD>(id),                                                                        \
     static_cast<WORD>(idLast),                                                                    \
     AfxSigCmd_RANGE,                                                                              \
     {.pfnCmdRange = static_cast<void (CCmdTarget::*)(UINT)>(memberFxn)}},

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                        \
    {WM_COMMAND,                                                                                   \
     static_cast<UINT>(CN_UPDATE_COMMAND_UI),                                                      \
     static_cast<WORD>(id),                                                                        \
     static_cast<WORD>(id),                                                                        \
     AfxSigCmdUI,                                                                                  \
     {.pfnCmdUI = static_cast<void (CCmdTarget::*)(CCmdUI*)>(memberFxn)}},

#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                          \
    {WM_COMMAND,                                                                                   \
     static_cast<UINT>(CN_UPDATE_COMMAND_UI),                                                      \
     static_cast<WORD>(id),                                                                        \
     static_cast<WORD>(idLast),                                                                    \
     AfxSigCmdUI,                                                                                  \
     {.pfnCmdUI = static_cast<void (CCmdTarget::*)(CCmdUI*)>(memberFxn)}},

// A control's notification `code` (BN_CLICKED, EN_CHANGE, ...) from control `id`.
#define ON_CONTROL(code, id, memberFxn)                                                            \
    {WM_COMMAND,                                                                                   \
     static_cast<WORD>(code),                                                                      \
     static_cast<WORD>(id),                                                                        \
     static_cast<WORD>(id),                                                                        \
     AfxSigCmd_v,                                                                                  \
     {.pfn = static_cast<AFX_PMSG>(memberFxn)}},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

// A control's WM_NOTIFY with `code` (TCN_SELCHANGE, UDN_DELTAPOS, ...) from control `id`.
#define ON_NOTIFY(code, id, memberFxn)                                                             \
    {WM_NOTIFY,                                                                                    \
     static_cast<WORD>(code),                                                                      \
     static_cast<WORD>(id),                                                                        \
     static_cast<WORD>(id),                                                                        \
     AfxSigNotify_v,                                                                               \
     {.pfnNotify = static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn)}},
