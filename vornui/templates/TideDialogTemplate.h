#pragma once

// "Choose Tide Template...": chooses the "TERRAL_TIDE" template through which a tide
// file will be read, showing every valid record of the file as read through it (its time
// in local time and its level in metres). Without a data file name the template buttons
// and both lists are disabled.

#include "vornui/templates/DataTemplateDialog.h"

class VORNUI_API CTideDialogTemplate : public KDataTemplateDialog {
public:
    // The dialog owned by `pParent`; the template name starts empty.
    explicit CTideDialogTemplate(CWnd* pParent = nullptr);

protected:
    // Every valid record: "%d/%m/%y %H:%M" local time, then the level with "%.2f".
    void ReadPreviewRows(const AsciiTemplate& templ, AsciiRecordReader& reader,
                         PreviewTable& rows) override;
    // "New...", "Edit...", "Delete" and both lists only with a data file name.
    void EnableControls() override;
};
