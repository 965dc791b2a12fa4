#pragma once

// The framework's form view: a view made from a dialog template (with the WS_CHILD
// style), whose controls are the view's content, scrolled when the view is smaller than
// the template. Like every view it is made with new and deletes itself with its window.

#include "vornui/platform/ScrollView.h"

class VORNUI_API CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)

public:
    using CWnd::Create;
    explicit CFormView(UINT idTemplate);
    explicit CFormView(LPCTSTR templateName);
    ~CFormView() override;

    // Makes the form from its template as child `id` of `parent` at `rect`; its scroll
    // sizes are the template's size.
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, void* context) override;

    // The frame's first update: the members go into the controls.
    void OnInitialUpdate() override;

protected:
    void OnDraw(CDC* dc) override;

    LPCTSTR m_lpszTemplateName;
};
