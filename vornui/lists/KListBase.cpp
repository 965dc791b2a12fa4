#include "vornui/lists/KListBase.h"

#include "vornui/module/VornuiModule.h"
#include "vornui/platform/MappedBitmap.h"
#include "vornui/platform/Resources.h"
#include "vornui/platform/SystemSettings.h"
#include "vornui/resources/ListResourceIds.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr int kLabelLength = 80;
constexpr int kArrowWidth = 9;
constexpr int kArrowHeight = 5;
constexpr size_t kReadBuffer = 512;

// A sort arrow with its black drawn in the grey of disabled text.
HBITMAP LoadArrow(UINT id) {
    COLORMAP gray{RGB(0, 0, 0), GetSysColor(COLOR_GRAYTEXT)};
    return CreateMappedBitmap(AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_BITMAP), id, 0, &gray,
                              1);
}

int Tinted(int component) {
    return component < 232 ? component + component / 10 : 255;
}

} // namespace

KListBase::KListBase(CListCtrl* list) : m_pListCtrl(list) {}

KListBase::~KListBase() = default;

int KListBase::AddItem(CStringList& strings) {
    if (strings.IsEmpty())
        return -1;
    const CString label = strings.GetHead().Left(kLabelLength);
    strings.RemoveHead();
    const int index = m_pListCtrl->InsertItem(LVIF_TEXT | LVIF_PARAM, 0, label, 0, 0, 0, 0);
    if (index < 0)
        return index;
    for (int column = 1; !strings.IsEmpty() && IsColumn(column); ++column) {
        m_pListCtrl->SetItemText(index, column, strings.GetHead());
        strings.RemoveHead();
    }
    return index;
}

void KListBase::CreateColumns(char** const headings, int* const widths, int* const formats,
                              int count) {
    for (int column = 0; column < count; ++column)
        InsertColumn(column, headings[column], formats[column], widths[column], column);
}

int KListBase::InsertColumn(int column, const char* heading, int format, int width, int subItem) {
    if (column == 0)
        m_nFirstColumnFormat = format;
    const int inserted =
        m_pListCtrl->CListCtrl::InsertColumn(column, heading, format, width, subItem);
    if (inserted == 0)
        JustifyFirstColumn(format);
    return inserted;
}

int KListBase::InsertColumn(int column, const LVCOLUMN* description) {
    const int format =
        description && (description->mask & LVCF_FMT) ? description->fmt : LVCFMT_LEFT;
    if (column == 0)
        m_nFirstColumnFormat = format;
    const int inserted = m_pListCtrl->CListCtrl::InsertColumn(column, description);
    if (inserted == 0)
        JustifyFirstColumn(format);
    return inserted;
}

void KListBase::JustifyFirstColumn(int format) {
    const bool ownerOrFullRow =
        OwnerDrawn() || (m_pListCtrl->GetExtendedStyle() & LVS_EX_FULLROWSELECT);
    CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl();
    if (!ownerOrFullRow || !header)
        return;
    HDITEM item{};
    item.mask = HDI_FORMAT;
    header->GetItem(0, &item);
    item.fmt = (item.fmt & ~HDF_JUSTIFYMASK) | (format & HDF_JUSTIFYMASK);
    header->SetItem(0, &item);
}

CImageList* KListBase::SetImageList(CImageList* list, int type) {
    CImageList* const previous = m_pListCtrl->CListCtrl::SetImageList(list, type);
    // The list's small images replaced the header's arrows: give them back.
    if (type == LVSIL_SMALL) {
        CreateSortIcons();
        if (CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl())
            header->SetImageList(&m_SortIconList);
    }
    return previous;
}

void KListBase::CreateSortIcons() {
    if (m_SortIconList.GetSafeHandle())
        return;
    KResourceScope library;
    m_UpBitmap.Attach(LoadArrow(IDB_SORT_UP));
    m_DownBitmap.Attach(LoadArrow(IDB_SORT_DOWN));
    m_SortIconList.Create(kArrowWidth, kArrowHeight, ILC_COLOR24 | ILC_MASK, 2, 0);
    m_nUpIconIndex = m_SortIconList.Add(&m_UpBitmap, RGB(255, 255, 255));
    m_nDownIconIndex = m_SortIconList.Add(&m_DownBitmap, RGB(255, 255, 255));
}

void KListBase::ColorSortColumn(bool color) {
    if (color == m_bColorSortColumn)
        return;
    m_bColorSortColumn = color;
    if (color) {
        const COLORREF back = m_pListCtrl->GetBkColor();
        const int red = GetRValue(back);
        const int green = GetGValue(back);
        const int blue = GetBValue(back);
        m_SortColumnColor = red > 240 && green > 240 && blue > 240
                                ? RGB(red - 8, green - 8, blue - 8)
                                : RGB(Tinted(red), Tinted(green), Tinted(blue));
    }
    m_pListCtrl->Invalidate();
}

void KListBase::EnableSortIcon(bool enable, int column) {
    m_bSortIconEnabled = enable;
    m_nSortColumn = column;
    CreateSortIcons();
    if (CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl())
        header->SetImageList(&m_SortIconList);
    SetSortIcon();
}

void KListBase::SetSortIcon() {
    CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl();
    if (!header)
        return;
    for (int column = 0; column < header->GetItemCount(); ++column) {
        HDITEM item{};
        item.mask = HDI_FORMAT;
        header->GetItem(column, &item);
        const int justification = item.fmt & HDF_JUSTIFYMASK;
        if (m_bSortIconEnabled && column == m_nSortColumn) {
            item.mask = HDI_FORMAT | HDI_IMAGE;
            item.iImage = m_bSortAscending ? m_nUpIconIndex : m_nDownIconIndex;
            item.fmt = justification | HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
        } else {
            item.fmt = justification | HDF_STRING;
        }
        header->SetItem(column, &item);
    }
}

void KListBase::setSortAscending(bool ascending) {
    m_bSortAscending = ascending;
    if (ascending)
        m_bSplitSort = !m_bSplitSort;
}

void KListBase::SortList(int column, int ascending) {
    setSortAscending(ascending != 0);
    m_nSortColumn = column;
    std::vector<LPARAM> data;
    std::unique_ptr<ListSortKeys> keys = ReadSortKeys(data);
    if (!data.empty()) {
        const bool allZero =
            std::all_of(data.begin(), data.end(), [](LPARAM each) { return each == 0; });
        if (!keys->Distinct() && allZero) {
            for (size_t index = 0; index < data.size(); ++index)
                m_pListCtrl->SetItemData(static_cast<int>(index), index);
            keys->NumberRows();
        }
        if (keys->Distinct())
            SortByKeys(std::move(keys));
    }
    SetSortIcon();
}

std::unique_ptr<ListSortKeys> KListBase::ReadSortKeys(std::vector<LPARAM>& data) {
    const int count = m_pListCtrl->GetItemCount();
    data.resize(static_cast<size_t>(count));
    std::vector<double> numbers;
    std::vector<ListSortKey> texts;
    if (m_bSortNumbers)
        numbers.reserve(static_cast<size_t>(count));
    else
        texts.reserve(static_cast<size_t>(count));
    // One message a row for its data and text; a text that fills the buffer is read whole.
    char buffer[kReadBuffer];
    for (int index = 0; index < count; ++index) {
        LVITEM item{};
        item.mask = LVIF_PARAM | LVIF_TEXT;
        item.iItem = index;
        item.iSubItem = m_nSortColumn;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        buffer[0] = '\0';
        AskList(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
        data[static_cast<size_t>(index)] = item.lParam;
        const bool whole = strnlen(buffer, sizeof buffer) < sizeof buffer - 1;
        const CString longer = whole ? CString() : m_pListCtrl->GetItemText(index, m_nSortColumn);
        const char* text = whole ? buffer : longer.GetString();
        if (m_bSortNumbers)
            numbers.push_back(ReadSortNumber(text));
        else
            texts.push_back(MakeSortKey(text, false, m_bSplitSort));
    }
    return m_bSortNumbers ? std::make_unique<ListSortKeys>(data, std::move(numbers))
                          : std::make_unique<ListSortKeys>(data, std::move(texts), m_bSplitSort);
}

void KListBase::SortByKeys(std::unique_ptr<ListSortKeys> keys) {
    m_sortKeys = std::move(keys);
    m_pListCtrl->SortItems(CompareFunc, reinterpret_cast<DWORD_PTR>(this));
    m_sortKeys.reset();
}

LRESULT KListBase::AskList(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_pListCtrl->SendMessage(message, wParam, lParam);
}

int KListBase::CompareFunc(LPARAM first, LPARAM second, LPARAM baseParam) {
    auto* base = reinterpret_cast<KListBase*>(baseParam);
    // A sort of a million rows asks this some twenty million times: the keys' table answers
    // nearly every pair, and the rest go the long way in a call of its own, so that the
    // quick answer sets up no stack frame.
    const int quick = base->m_sortKeys ? base->m_sortKeys->CompareQuickly(first, second)
                                       : ListSortKeys::kUndecided;
    if (quick == ListSortKeys::kUndecided)
        return base->CompareSlowly(first, second);
    return base->m_bSortAscending ? quick : -quick;
}

int KListBase::CompareSlowly(LPARAM first, LPARAM second) {
    std::optional<int> result;
    if (m_sortKeys)
        result = m_sortKeys->Compare(first, second);
    // Outside a sort, or for data no row has, the cells are read as they are now.
    if (!result)
        result = CompareCells(first, second);
    return m_bSortAscending ? *result : -*result;
}

int KListBase::CompareCells(LPARAM first, LPARAM second) {
    const auto read = [this](LPARAM data) {
        LVFINDINFO find{LVFI_PARAM, nullptr, data, {}, 0};
        const int index = m_pListCtrl->FindItem(&find);
        return MakeSortKey(m_pListCtrl->GetItemText(index, m_nSortColumn));
    };
    return CompareSortKeys(read(first), read(second), m_bSortNumbers, m_bSplitSort);
}

BOOL KListBase::OnColumnclick(NMHDR* header, LRESULT* result) {
    const auto* notice = reinterpret_cast<const NMLISTVIEW*>(header);
    const int column = notice->iSubItem;
    const bool ascending = column != m_nSortColumn || !m_bSortAscending;
    SortList(column, ascending);
    *result = 0;
    return FALSE;
}

bool KListBase::KeepLabelLeft(bool keep) {
    if (!keep) {
        m_bKeepLabelLeft = false;
        return true;
    }
    if (!OwnerDrawn())
        return false;
    m_bKeepLabelLeft = true;
    return true;
}

int KListBase::IndexToOrder(int column) {
    LVCOLUMN description{};
    description.mask = LVCF_ORDER;
    return m_pListCtrl->GetColumn(column, &description) ? description.iOrder : -1;
}

int KListBase::OrderToIndex(int order) {
    CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl();
    return header ? header->OrderToIndex(order) : -1;
}

int KListBase::IsColumn(int column) {
    CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl();
    return header && column >= 0 && column < header->GetItemCount();
}

int KListBase::IsItem(int index) {
    return index < m_pListCtrl->GetItemCount();
}

void KListBase::OnSysColorChange() {
    m_SortIconList.DeleteImageList();
    m_UpBitmap.DeleteObject();
    m_DownBitmap.DeleteObject();
    CreateSortIcons();
    if (CHeaderCtrl* header = m_pListCtrl->GetHeaderCtrl())
        header->SetImageList(&m_SortIconList);
    SetSortIcon();
    const bool color = m_bColorSortColumn;
    ColorSortColumn(!color);
    ColorSortColumn(color);
}

bool KListBase::OwnerDrawn() const {
    return (m_pListCtrl->GetStyle() & LVS_OWNERDRAWFIXED) != 0;
}
