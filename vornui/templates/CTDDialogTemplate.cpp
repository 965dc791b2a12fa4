#include "vornui/templates/CTDDialogTemplate.h"

#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"

namespace {

constexpr int kMaxRows = 20;

} // namespace

CCTDDialogTemplate::CCTDDialogTemplate(CWnd* pParent)
    : KDataTemplateDialog(IDD_CTD_TEMPLATE, "TERRAL_CTD", pParent) {}

void CCTDDialogTemplate::ReadPreviewRows(const AsciiTemplate& templ, AsciiRecordReader& reader,
                                         PreviewTable& rows) {
    AsciiRecord record(templ);
    rows.Reset(templ.UsedRecordCount());
    while (rows.RowCount() < kMaxRows && reader.ReadNext(record)) {
        if (!record.IsValid())
            continue;
        rows.StartRow();
        for (int column = 0; column < templ.UsedRecordCount(); ++column) {
            const AsciiValue value = record.GetValue(templ.records[column].name);
            if (value.IsValid())
                rows.AddNumber(value.AsDouble());
            else
                rows.AddMissing();
        }
    }
}
