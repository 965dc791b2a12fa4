// Pictures, image lists and owner drawing: the system's icons in static controls, one image
// list drawn in each of its modes, and a list box whose items its owner draws.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <iterator>

namespace {

struct NamedIcon {
    LPCTSTR id;
    const char* name;
};

const NamedIcon kIcons[] = {{IDI_APPLICATION, "IDI_APPLICATION"}, {IDI_ERROR, "IDI_ERROR"},
                            {IDI_QUESTION, "IDI_QUESTION"},       {IDI_WARNING, "IDI_WARNING"},
                            {IDI_INFORMATION, "IDI_INFORMATION"}, {IDI_SHIELD, "IDI_SHIELD"}};

constexpr int kFirstPicture = 100;
constexpr int kFirstLabel = 200;

// A dialog of `count` pictures (static controls of `pictureStyle`) with a label under each.
std::vector<DialogItemTemplate> PictureRow(int count, DWORD pictureStyle) {
    std::vector<DialogItemTemplate> items;
    for (int i = 0; i < count; ++i) {
        const short left = static_cast<short>(7 + i * 62);
        items.push_back({"Static", "", static_cast<WORD>(kFirstPicture + i),
                         static_cast<DWORD>(WS_VISIBLE | pictureStyle | SS_CENTERIMAGE), 0, left, 7,
                         56, 30});
        items.push_back({"Static", "", static_cast<WORD>(kFirstLabel + i), WS_VISIBLE | SS_CENTER,
                         0, left, 40, 56, 10});
    }
    return items;
}

DialogTemplate RowDialog(const std::vector<DialogItemTemplate>& items, const char* caption) {
    return {DS_SETFONT | WS_POPUP | WS_CAPTION,
            0,
            0,
            0,
            static_cast<short>(7 + items.size() / 2 * 62),
            57,
            caption,
            "MS Shell Dlg",
            8,
            items.data(),
            static_cast<WORD>(items.size())};
}

int WriteSystemIcons(const char* path) {
    const auto items = PictureRow(static_cast<int>(std::size(kIcons)), SS_ICON);
    const DialogTemplate layout = RowDialog(items, "System icons");
    CDialog dialog;
    if (!dialog.CreateIndirect(&layout))
        return 1;
    for (int i = 0; i < static_cast<int>(std::size(kIcons)); ++i) {
        dialog.SendDlgItemMessage(kFirstPicture + i, STM_SETICON,
                                  reinterpret_cast<WPARAM>(LoadIcon(nullptr, kIcons[i].id)));
        dialog.SetDlgItemText(kFirstLabel + i, kIcons[i].name + 4);
    }
    dialog.ShowWindow(SW_SHOW);
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    return result;
}

struct DrawMode {
    UINT style;
    COLORREF background;
    const char* name;
};

const DrawMode kModes[] = {
    {ILD_NORMAL, CLR_NONE, "Normal"},
    {ILD_NORMAL, RGB(255, 236, 150), "Background"},
    {ILD_SELECTED, CLR_NONE, "Selected"},
    {ILD_FOCUS, CLR_NONE, "Focused"},
    {ILD_MASK, CLR_NONE, "Mask"},
    {ILD_IMAGE, CLR_NONE, "Image"},
    {ILD_NORMAL | INDEXTOOVERLAYMASK(1), CLR_NONE, "Overlay"},
};

// One image of the list drawn in `mode` on a bitmap of the dialog's face colour.
HBITMAP DrawnImage(CImageList& list, const DrawMode& mode) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(40, 40, 1, 32, nullptr);
    CBitmap* old = dc.SelectObject(&bitmap);
    const CRect all(0, 0, 40, 40);
    dc.FillSolidRect(&all, GetSysColor(COLOR_3DFACE));
    list.DrawEx(&dc, 0, CPoint(4, 4), CSize(0, 0), mode.background, CLR_DEFAULT, mode.style);
    dc.SelectObject(old);
    return static_cast<HBITMAP>(bitmap.Detach());
}

int WriteImageListModes(const char* path) {
    CImageList list;
    list.Create(32, 32, ILC_COLOR32 | ILC_MASK, 2, 1);
    list.Add(LoadIcon(nullptr, IDI_INFORMATION));
    const int overlay = ImageList_AddIcon(
        list, static_cast<HICON>(LoadImage(nullptr, IDI_SHIELD, IMAGE_ICON, 32, 32, LR_SHARED)));
    list.SetOverlayImage(overlay, 1);

    const auto items = PictureRow(static_cast<int>(std::size(kModes)), SS_BITMAP);
    const DialogTemplate layout = RowDialog(items, "Image list drawing modes");
    CDialog dialog;
    if (!dialog.CreateIndirect(&layout))
        return 1;
    std::vector<CBitmap> bitmaps(std::size(kModes));
    for (int i = 0; i < static_cast<int>(std::size(kModes)); ++i) {
        bitmaps[i].Attach(DrawnImage(list, kModes[i]));
        dialog.SendDlgItemMessage(kFirstPicture + i, STM_SETIMAGE, IMAGE_BITMAP,
                                  reinterpret_cast<LPARAM>(static_cast<HBITMAP>(bitmaps[i])));
        dialog.SetDlgItemText(kFirstLabel + i, kModes[i].name);
    }
    dialog.ShowWindow(SW_SHOW);
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    return result;
}

struct Layer {
    const char* name;
    COLORREF color;
};

const Layer kLayers[] = {{"Bathymetry", RGB(40, 90, 170)},
                         {"Side scan", RGB(190, 150, 60)},
                         {"Planned lines", RGB(200, 40, 40)},
                         {"Vessel track", RGB(40, 150, 70)},
                         {"Tide stations", RGB(120, 60, 160)}};

constexpr int kLayerList = 300;

// Draws each layer as a colour swatch and its name.
class LayerDialog : public CDialog {
protected:
    void OnMeasureItem(int, LPMEASUREITEMSTRUCT item) override { item->itemHeight = 22; }
    void OnDrawItem(int, LPDRAWITEMSTRUCT item) override {
        if (item->itemID == static_cast<UINT>(-1))
            return;
        CDC* dc = CDC::FromHandle(item->hDC);
        const CRect rect(item->rcItem);
        const bool selected = (item->itemState & ODS_SELECTED) != 0;
        dc->FillSolidRect(&rect, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        const Layer& layer = kLayers[item->itemData];
        CRect swatch(rect.left + 4, rect.top + 4, rect.left + 30, rect.bottom - 4);
        dc->FillSolidRect(&swatch, layer.color);
        CRect text(swatch.right + 8, rect.top, rect.right, rect.bottom);
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        dc->DrawText(layer.name, -1, &text, DT_SINGLELINE | DT_VCENTER);
    }
};

int WriteOwnerDrawnList(const char* path) {
    static const DialogItemTemplate kItems[] = {
        {"ListBox", "", kLayerList,
         WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, 0, 7, 7, 120,
         76},
    };
    static const DialogTemplate kLayout{DS_SETFONT | WS_POPUP | WS_CAPTION,
                                        0,
                                        0,
                                        0,
                                        134,
                                        90,
                                        "Chart layers",
                                        "MS Shell Dlg",
                                        8,
                                        kItems,
                                        1};
    LayerDialog dialog;
    if (!dialog.CreateIndirect(&kLayout))
        return 1;
    for (int i = 0; i < static_cast<int>(std::size(kLayers)); ++i) {
        const int index = static_cast<int>(dialog.SendDlgItemMessage(
            kLayerList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kLayers[i].name)));
        dialog.SendDlgItemMessage(kLayerList, LB_SETITEMDATA, static_cast<WPARAM>(index), i);
    }
    dialog.SendDlgItemMessage(kLayerList, LB_SETCURSEL, 2, 0);
    dialog.ShowWindow(SW_SHOW);
    const int result = SaveWindowPicture(dialog, path);
    dialog.DestroyWindow();
    return result;
}

const GalleryPicture kSystemIconsPicture("system-icons.png",
                                         "The system's icons in SS_ICON static controls",
                                         WriteSystemIcons);
const GalleryPicture kImageListPicture("image-list-modes.png",
                                       "One image list image drawn in each mode",
                                       WriteImageListModes);
const GalleryPicture kOwnerDrawnListPicture("owner-drawn-list.png",
                                            "A list box whose owner draws its items",
                                            WriteOwnerDrawnList);

} // namespace
