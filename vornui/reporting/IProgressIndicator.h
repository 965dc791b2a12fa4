#pragma once

// How long-running work reports its progress, whoever is watching: a dialog, standard
// output, or nobody. Worker code holds an IProgressIndicator* and never tests for a
// missing one: the null object takes every call.

#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"

class VORNUI_API IProgressIndicator {
public:
    // The arguments mirror KProgressDlg's (cancel allowed, title string id) and are unused.
    explicit IProgressIndicator(int) {}
    IProgressIndicator(int, unsigned int) {}
    virtual ~IProgressIndicator();

    // Nonzero on success; `parent` is the window the indicator belongs to.
    virtual int Create(CWnd* parent) = 0;
    virtual int DestroyWindow() = 0;
    // Nonzero once the user has asked to cancel.
    virtual int IsCancelled() = 0;
    virtual void SetStatus(const char* text) = 0;
    virtual void SetRange(int lower, int upper) = 0;
    // Returns the previous position (or the implementation's own value).
    virtual int SetPos(int pos) = 0;

protected:
    // Copied only as part of an implementation, never sliced.
    IProgressIndicator(const IProgressIndicator&) = default;
    IProgressIndicator& operator=(const IProgressIndicator&) = default;
};

// Accepts every call and reports nothing.
class VORNUI_API CProgressNullObject : public IProgressIndicator {
public:
    // The arguments are unused, as the interface's.
    explicit CProgressNullObject(int cancelAllowed = 0);
    CProgressNullObject(int cancelAllowed, unsigned int titleId);

    int Create(CWnd* parent) override;
    int DestroyWindow() override;
    int IsCancelled() override;
    void SetStatus(const char* text) override;
    void SetRange(int lower, int upper) override;
    int SetPos(int pos) override;
};
