#pragma once

// The framework's document template, as far as the application's windows ask for it: the
// resource id that names the program's frame resources (its icon, menu and title), and the
// run-time classes of its document, frame and view. The application owns its templates
// (CWinApp::AddDocTemplate) and deletes them with itself.

#include "vornui/platform/CmdTarget.h"
#include "vornui/platform/Object.h"

class VORNUI_API CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)

public:
    CDocTemplate(UINT idResource, CRuntimeClass* documentClass, CRuntimeClass* frameClass,
                 CRuntimeClass* viewClass);
    ~CDocTemplate() override;

    UINT m_nIDResource; // the frame's resources: icon, menu, title
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
};

// The template of a program that shows one document at a time.
class VORNUI_API CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)

public:
    CSingleDocTemplate(UINT idResource, CRuntimeClass* documentClass, CRuntimeClass* frameClass,
                       CRuntimeClass* viewClass);
};
