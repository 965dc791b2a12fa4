#pragma once

// "Choose CTD Template...": chooses the "TERRAL_CTD" template through which a CTD cast
// will be read, showing the first 20 valid records of the file as read through it, one
// column per record of the template.

#include "vornui/templates/DataTemplateDialog.h"

class VORNUI_API CCTDDialogTemplate : public KDataTemplateDialog {
public:
    // The dialog owned by `pParent`; the template name starts empty.
    explicit CCTDDialogTemplate(CWnd* pParent = nullptr);

protected:
    // Up to 20 valid records, each value with "%.2f", or "-" when it is not valid.
    void ReadPreviewRows(const AsciiTemplate& templ, AsciiRecordReader& reader,
                         PreviewTable& rows) override;
};
