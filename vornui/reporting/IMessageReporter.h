#pragma once

// How worker code keeps a busy notice up to date, whoever is watching: a small message
// window, or nobody (batch and silent runs). The message counterpart of
// IProgressIndicator.

#include "vornui/platform/Export.h"
#include "vornui/platform/Forward.h"

class VORNUI_API IMessageReporter {
public:
    // Made and ended as part of an implementation.
    IMessageReporter() = default;
    virtual ~IMessageReporter();

    // Nonzero on success; `parent` is the window the reporter belongs to.
    virtual int Create(CWnd* parent) = 0;
    virtual int DestroyWindow() = 0;
    virtual void SetMessage(const char* text) = 0;
    virtual void OnOK() = 0;
    // Lets the user interface catch up.
    virtual void PumpMessages() = 0;

protected:
    // Copied only as part of an implementation, never sliced.
    IMessageReporter(const IMessageReporter&) = default;
    IMessageReporter& operator=(const IMessageReporter&) = default;
};

// Accepts every call and shows nothing.
class VORNUI_API CMsgNullObj : public IMessageReporter {
public:
    int Create(CWnd* parent) override;
    int DestroyWindow() override;
    void SetMessage(const char* text) override;
    void OnOK() override;
    void PumpMessages() override;
};
