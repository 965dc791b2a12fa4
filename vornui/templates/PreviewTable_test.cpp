#include "tests/ScopedTimeZone.h"

#include "vornui/templates/PreviewTable.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// What the list reads for one cell, through a buffer of `size` characters; "<none>" when
// the table has no such cell (the buffer is left as it was).
std::string Answer(const PreviewTable& table, int row, int column, int size = 512) {
    char buffer[512] = "<none>";
    NMLVDISPINFO request{};
    request.hdr.code = LVN_GETDISPINFO;
    request.item.mask = LVIF_TEXT;
    request.item.iItem = row;
    request.item.iSubItem = column;
    request.item.pszText = buffer;
    request.item.cchTextMax = size;
    const bool answered = table.AnswerTextRequest(request);
    EXPECT_EQ(answered, std::string(buffer) != "<none>") << row << ',' << column;
    return buffer;
}

std::string Printed(double value) {
    char text[512];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Strftime(time_t when) {
    return CTime(when).Format("%d/%m/%y %H:%M").GetString();
}

// Every cell reads as printf and strftime write its value, whatever its row, including the
// odd values; a time is read in the zone of the moment it was added.
TEST(PreviewTable, CellsReadAsTheSystemWritesThem) {
    ScopedTimeZone amsterdam("Europe/Amsterdam");
    CLocalZone& zone = CLocalZone::Current();
    const double numbers[] = {0.0,     -0.0,     0.005,    2.675,        -1.125,  1e13,
                              DBL_MAX, -DBL_MAX, HUGE_VAL, std::nan(""), DBL_MIN, 12.345};
    const time_t times[] = {0,          -86399,     1711846799, 1711846800,
                            1729990799, 1729990800, 4102444800, 32503680000};
    PreviewTable table;
    table.Reset(2);
    for (const double number : numbers)
        for (const time_t when : times) {
            table.StartRow();
            table.AddLocalMinute(CTime(when), zone);
            table.AddNumber(number);
        }
    ASSERT_EQ(table.RowCount(), static_cast<int>(std::size(numbers) * std::size(times)));
    int row = 0;
    for (const double number : numbers)
        for (const time_t when : times) {
            ASSERT_EQ(Answer(table, row, 0), Strftime(when)) << when;
            ASSERT_EQ(Answer(table, row, 1), Printed(number)) << number;
            ++row;
        }

    // Read later in another zone, the rows keep the times they were read with.
    const std::string summer = Strftime(1729990799);
    ScopedTimeZone utc("UTC0");
    EXPECT_EQ(Answer(table, 4, 0), summer);
    EXPECT_NE(Strftime(1729990799), summer);
}

// A missing value reads "-", a time without a local form reads empty, a narrow buffer gets
// the text's beginning, and the table answers nothing about cells it does not have.
TEST(PreviewTable, OddCellsAndRequestsOutsideTheTable) {
    PreviewTable table;
    table.Reset(3);
    table.StartRow();
    table.AddNumber(1234.5);
    table.AddMissing();
    table.AddLocalMinute(CTime(std::numeric_limits<time_t>::max()), CLocalZone::Current());
    EXPECT_EQ(Answer(table, 0, 0), "1234.50");
    EXPECT_EQ(Answer(table, 0, 1), "-");
    EXPECT_EQ(Answer(table, 0, 2), "");
    EXPECT_EQ(Answer(table, 0, 0, 5), "1234");
    EXPECT_EQ(Answer(table, 0, 0, 1), "");
    EXPECT_EQ(Answer(table, 1, 0), "<none>");
    EXPECT_EQ(Answer(table, -1, 0), "<none>");
    EXPECT_EQ(Answer(table, 0, 3), "<none>");
    EXPECT_EQ(Answer(table, 0, -1), "<none>");

    // Only a request for text is answered.
    char buffer[16] = "untouched";
    NMLVDISPINFO imageRequest{};
    imageRequest.item.mask = LVIF_IMAGE;
    imageRequest.item.pszText = buffer;
    imageRequest.item.cchTextMax = sizeof buffer;
    EXPECT_FALSE(table.AnswerTextRequest(imageRequest));
    EXPECT_STREQ(buffer, "untouched");

    table.Reset(1);
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(Answer(table, 0, 0), "<none>");
    // A row of no columns is still a row.
    table.Reset(0);
    table.StartRow();
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(Answer(table, 0, 0), "<none>");
}

} // namespace
