#include "vornui/templates/TideDialogTemplate.h"

#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"
#include "vornui/templates/PreviewText.h"
#include "vornui/templates/TideHandler.h"

#include <vector>

namespace {

struct TideRecord {
    CTime time;
    double level;
};

// Every valid record of the file, its time in `zone`.
std::vector<TideRecord> ReadTideRecords(const AsciiTemplate& templ, AsciiRecordReader& reader,
                                        CLocalZone& zone) {
    AsciiRecord record(templ);
    const int timeRecord = record.IndexOf("TimeDate");
    const int tideRecord = record.IndexOf("Tide (m, up+)");
    std::vector<TideRecord> records;
    while (reader.ReadNext(record)) {
        if (record.IsValid())
            records.push_back(
                TideRecord{CTideHandler::AsciiTime2CTime(record.GetDouble(timeRecord), 1970, zone),
                           record.GetDouble(tideRecord)});
    }
    return records;
}

} // namespace

CTideDialogTemplate::CTideDialogTemplate(CWnd* pParent)
    : KDataTemplateDialog(IDD_TIDE_TEMPLATE, "TERRAL_TIDE", pParent) {}

void CTideDialogTemplate::EnableControls() {
    const BOOL enable = !m_strFileName.IsEmpty();
    for (int id : {IDC_TEMPLATE_NEW, IDC_TEMPLATE_EDIT, IDC_TEMPLATE_DELETE, IDC_TEMPLATE_LIST,
                   IDC_TEMPLATE_PREVIEW})
        GetDlgItem(id)->EnableWindow(enable);
}

// The records are read first, so that the list makes room for all their rows at once.
int CTideDialogTemplate::FillPreview(const AsciiTemplate& templ, AsciiRecordReader& reader) {
    CLocalZone& zone = CLocalZone::Current();
    const std::vector<TideRecord> records = ReadTideRecords(templ, reader, zone);
    m_Preview.SetItemCount(static_cast<int>(records.size()));
    PreviewTimeText time;
    PreviewNumberText level;
    int rows = 0;
    for (const TideRecord& record : records) {
        m_Preview.InsertItem(rows, FormatLocalMinute(record.time, zone, time));
        m_Preview.SetItemText(rows, 1, FormatTwoDecimals(record.level, level));
        ++rows;
    }
    return rows;
}
