#pragma once

// What the property window's tests share: a host that writes down what it is asked and
// told, and a window on the screen that the scripted user acts in.

#include "vornui/platform/DesktopUser.h"
#include "vornui/properties/KPropWnd.h"

#include <string>
#include <vector>

// Writes each question and notice into a log it may share with other listeners.
class LoggingHost : public IPropertyHost {
public:
    LoggingHost(const char* name, std::vector<std::string>& log) : m_name(name), m_log(log) {}

    bool AcceptChange(void*, const void* proposed) override {
        m_log.push_back(m_name + (proposed ? " accept" : " accept (no value)"));
        if (proposed)
            proposals.push_back(proposed);
        return accepts;
    }
    void OnValueChanged(void*) override { m_log.push_back(m_name + " changed"); }
    bool CanEdit(void*) override { return editable; }

    bool accepts = true;
    bool editable = true;
    std::vector<const void*> proposals;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

// A property window as a top-level window, 300 by 200 pixels on the screen.
class PropertyPane {
public:
    explicit PropertyPane(std::vector<std::string>& log) {
        wnd.Create(WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 300), nullptr, 0);
        wnd.SetChangeCallback([&log](KProperty*) { log.push_back("callback"); });
    }
    ~PropertyPane() { wnd.DestroyWindow(); }

    // A point of a row on the screen: `x` pixels into its value column (negative: from its
    // right edge, within the window), half way down.
    POINT At(const KProperty& row, int x) const {
        const CRect rect = row.GetRect();
        CRect client;
        wnd.GetClientRect(&client);
        CPoint point(x >= 0 ? rect.left + x : std::min(rect.right, client.right) + x,
                     rect.CenterPoint().y);
        point -= CPoint(wnd.GetScrollPos(SB_HORZ), wnd.GetScrollPos(SB_VERT));
        wnd.ClientToScreen(&point);
        return point;
    }
    // The row's "..." button (drawn or a window) on the screen.
    POINT Button(const KProperty& row) const { return At(row, -10); }
    bool Act(CScriptedUser& user) { return user.ActIn(wnd.m_hWnd); }
    CWnd* Child(UINT id) const { return wnd.GetDlgItem(static_cast<int>(id)); }

    KPropWnd wnd;
};
