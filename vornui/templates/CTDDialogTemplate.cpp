#include "vornui/templates/CTDDialogTemplate.h"

#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/AsciiRecord.h"
#include "vornui/templates/AsciiRecordReader.h"
#include "vornui/templates/PreviewText.h"

namespace {

constexpr int kMaxRows = 20;

} // namespace

CCTDDialogTemplate::CCTDDialogTemplate(CWnd* pParent)
    : KDataTemplateDialog(IDD_CTD_TEMPLATE, "TERRAL_CTD", pParent) {}

int CCTDDialogTemplate::FillPreview(const AsciiTemplate& templ, AsciiRecordReader& reader) {
    AsciiRecord record(templ);
    int rows = 0;
    PreviewNumberText text;
    while (rows < kMaxRows && reader.ReadNext(record)) {
        if (!record.IsValid())
            continue;
        m_Preview.InsertItem(rows, "");
        for (int column = 0; column < templ.UsedRecordCount(); ++column) {
            const AsciiValue value = record.GetValue(templ.records[column].name);
            m_Preview.SetItemText(
                rows, column, value.IsValid() ? FormatTwoDecimals(value.AsDouble(), text) : "-");
        }
        ++rows;
    }
    return rows;
}
