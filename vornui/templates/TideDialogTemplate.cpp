#include "vornui/templates/TideDialogTemplate.h"

#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"
#include "vornui/templates/PreviewText.h"
#include "vornui/templates/TideHandler.h"

CTideDialogTemplate::CTideDialogTemplate(CWnd* pParent)
    : KDataTemplateDialog(IDD_TIDE_TEMPLATE, "TERRAL_TIDE", pParent) {}

void CTideDialogTemplate::EnableControls() {
    const BOOL enable = !m_strFileName.IsEmpty();
    for (int id : {IDC_TEMPLATE_NEW, IDC_TEMPLATE_EDIT, IDC_TEMPLATE_DELETE, IDC_TEMPLATE_LIST,
                   IDC_TEMPLATE_PREVIEW})
        GetDlgItem(id)->EnableWindow(enable);
}

int CTideDialogTemplate::FillPreview(const AsciiTemplate& templ, AsciiRecordReader& reader) {
    AsciiRecord record(templ);
    const int timeRecord = record.IndexOf("TimeDate");
    const int tideRecord = record.IndexOf("Tide (m, up+)");
    int rows = 0;
    PreviewTimeText time;
    PreviewNumberText level;
    CLocalZone& zone = CLocalZone::Current();
    while (reader.ReadNext(record)) {
        if (!record.IsValid())
            continue;
        const CTime when = CTideHandler::AsciiTime2CTime(record.GetDouble(timeRecord), 1970, zone);
        m_Preview.InsertItem(rows, FormatLocalMinute(when, zone, time));
        m_Preview.SetItemText(rows, 1, FormatTwoDecimals(record.GetDouble(tideRecord), level));
        ++rows;
    }
    return rows;
}
