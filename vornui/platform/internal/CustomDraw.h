#pragma once

// A control's side of NM_CUSTOMDRAW: it tells its parent of each stage of its painting that
// the parent asked for (the whole control, each item, each subitem) and follows the
// answers: skip its own painting, paint with the colours and font the parent put into the
// DC, report when it is done. `Record` is NMCUSTOMDRAW or a control's richer record that
// begins with one (a list view's carries its item colours).

#include "vornui/platform/DeviceContext.h"
#include "vornui/platform/MessageLoop.h"
#include "vornui/platform/OwnerDraw.h"
#include "vornui/platform/Window.h"
#include "vornui/platform/WindowMessages.h"

template <typename Record>
class CustomDraw {
public:
    // Sends CDDS_PREPAINT for the whole control.
    CustomDraw(HWND control, HDC dc, const RECT& area) : m_control(control), m_dc(dc) {
        m_record.nmcd.hdr = {control, static_cast<UINT_PTR>(GetDlgCtrlID(control)),
                             static_cast<UINT>(NM_CUSTOMDRAW)};
        m_record.nmcd.hdc = dc;
        m_record.nmcd.rc = area;
        m_answer = send(CDDS_PREPAINT);
    }
    // Sends CDDS_POSTPAINT when the parent asked for it.
    ~CustomDraw() {
        if ((m_answer & CDRF_NOTIFYPOSTPAINT) && !(m_answer & CDRF_SKIPDEFAULT))
            send(CDDS_POSTPAINT);
    }
    CustomDraw(const CustomDraw&) = delete;
    CustomDraw& operator=(const CustomDraw&) = delete;

    // The parent paints the whole control itself.
    bool skipsAll() const { return (m_answer & CDRF_SKIPDEFAULT) != 0; }
    bool notifiesItems() const { return (m_answer & CDRF_NOTIFYITEMDRAW) != 0; }

    // One item (CDDS_ITEM) or subitem (CDDS_ITEM | CDDS_SUBITEM, when the item's answer
    // `notifiesSubitems`) as the control paints it: the parent is asked before, when it
    // asked for items, and may change the record and the DC; the control's own font comes
    // back when the item is done.
    class Item {
    public:
        Item(CustomDraw& draw, Record& record, DWORD stage, bool asked = true)
            : m_draw(draw), m_record(record), m_stage(stage),
              m_font(GetCurrentObject(draw.m_dc, OBJ_FONT)) {
            if (asked && draw.notifiesItems())
                m_answer = draw.send(stage | CDDS_PREPAINT, &record);
        }
        ~Item() {
            if (m_answer & CDRF_NOTIFYPOSTPAINT)
                m_draw.send(m_stage | CDDS_POSTPAINT, &m_record);
            if (m_answer & CDRF_NEWFONT)
                SelectObject(m_draw.m_dc, m_font);
        }
        Item(const Item&) = delete;
        Item& operator=(const Item&) = delete;

        bool skipped() const { return (m_answer & CDRF_SKIPDEFAULT) != 0; }
        bool notifiesSubitems() const { return (m_answer & CDRF_NOTIFYSUBITEMDRAW) != 0; }

    private:
        CustomDraw& m_draw;
        Record& m_record;
        DWORD m_stage;
        HGDIOBJ m_font;
        DWORD m_answer = CDRF_DODEFAULT;
    };

    // A record for an item, from the control's: the richer record's own fields are the
    // caller's to fill.
    Record item(DWORD_PTR itemSpec, UINT state, LPARAM param, const RECT& rect) const {
        Record record = m_record;
        record.nmcd.dwItemSpec = itemSpec;
        record.nmcd.uItemState = state;
        record.nmcd.lItemlParam = param;
        record.nmcd.rc = rect;
        return record;
    }

private:
    DWORD send(DWORD stage, Record* record = nullptr) {
        Record& sent = record ? *record : m_record;
        sent.nmcd.dwDrawStage = stage;
        return static_cast<DWORD>(SendMessage(GetParent(m_control), WM_NOTIFY, sent.nmcd.hdr.idFrom,
                                              reinterpret_cast<LPARAM>(&sent)));
    }

    HWND m_control;
    HDC m_dc;
    Record m_record{};
    DWORD m_answer = CDRF_DODEFAULT;
};

// The plain record, under the name the richer ones give their first member.
struct CustomDrawRecord {
    NMCUSTOMDRAW nmcd;
};
