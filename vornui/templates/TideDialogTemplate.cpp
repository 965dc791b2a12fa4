#include "vornui/templates/TideDialogTemplate.h"

#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"
#include "vornui/templates/TideHandler.h"

CTideDialogTemplate::CTideDialogTemplate(CWnd* pParent)
    : KDataTemplateDialog(IDD_TIDE_TEMPLATE, "TERRAL_TIDE", pParent) {}

void CTideDialogTemplate::EnableControls() {
    const BOOL enable = !m_strFileName.IsEmpty();
    for (int id : {IDC_TEMPLATE_NEW, IDC_TEMPLATE_EDIT, IDC_TEMPLATE_DELETE, IDC_TEMPLATE_LIST,
                   IDC_TEMPLATE_PREVIEW})
        GetDlgItem(id)->EnableWindow(enable);
}

void CTideDialogTemplate::ReadPreviewRows(const AsciiTemplate& templ, AsciiRecordReader& reader,
                                          PreviewTable& rows) {
    CLocalZone& zone = CLocalZone::Current();
    AsciiRecord record(templ);
    const int timeRecord = record.IndexOf("TimeDate");
    const int tideRecord = record.IndexOf("Tide (m, up+)");
    rows.Reset(2);
    while (reader.ReadNext(record)) {
        if (!record.IsValid())
            continue;
        rows.StartRow();
        rows.AddLocalMinute(CTideHandler::AsciiTime2CTime(record.GetDouble(timeRecord), 1970, zone),
                            zone);
        rows.AddNumber(record.GetDouble(tideRecord));
    }
}
