#pragma once

// A scrollable pane of property rows: the names in a column at the left, the values
// beside them, one row active (being edited) at a time. The host creates the rows, binds
// each to a variable of its own and hands them to the window, which neither copies nor
// deletes them: they must outlive it or be removed first.
//
//   KPropWnd pane;
//   pane.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, IDC_SETTINGS);
//   KPropertyCombo parity(&settings, "Parity", &settings.parity, true);
//   parity.AddItem("None", 0);
//   parity.AddItem("Odd", 1);
//   pane.AddProperty(&parity);
//   pane.SetChangeCallback([](KProperty* row) { ... }); // after the host heard of it
//
// Commands: the window's range (600 to 700 unless a derived window moves it) is split in
// two. Its first 80 ids go to the active row: the first is the row's edit, the next its
// "..." button, the rest the entries of its menu. The remaining ids go, less 80, to the
// second command handler. A change a row reports is announced: the row's host, then its
// second listener hear OnValueChanged, then the change callback runs, and the window
// repaints.
//
// The static value-text operations print and read numbers, angles and positions for rows
// that show them, in the user's locale (LC_NUMERIC): the decimal separator is whatever
// printing 1.2 puts after the 1.

#include "vornui/platform/CGdiObject.h"
#include "vornui/platform/Wnd.h"
#include "vornui/properties/KProperty.h"

#include <functional>
#include <vector>

class VORNUI_API KPropWnd : public CWnd {
public:
    KPropWnd();
    ~KPropWnd() override;

    // The framework's Create stays reachable.
    using CWnd::Create;
    // A window of `style` (WS_CHILD or WS_POPUP with the rest); the scroll bars are added.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Appends a row; returns its index.
    int AddProperty(KProperty* row);
    // Takes every row out (the active one is deactivated first).
    void RemoveAllProperties();
    int GetPropertyCount() const { return static_cast<int>(m_rows.size()); }
    KProperty* GetProperty(int index) const;
    // Makes `row` the active row (null: none), deactivating the previous one after
    // storing what its edit holds.
    void ActivateProperty(KProperty* row);
    KProperty* GetActiveProperty() const { return m_pActive; }
    // The row drawn outlined in red (null: none).
    void SetHighlightedProperty(KProperty* row);
    KProperty* GetHighlightedProperty() const { return m_pHighlighted; }
    // The row that gets the upper ids of the command range, less 80 (null: none).
    void SetSecondCommandHandler(KProperty* handler) { m_pSecondHandler = handler; }
    // Runs after a change has been announced to the row's host and second listener.
    void SetChangeCallback(std::function<void(KProperty*)> callback) {
        m_onChange = std::move(callback);
    }
    // Lays the rows out again: for a host whose values changed outside the window.
    void Refresh();

    // Hands command `id` with notification `code` to `row` and announces the change it
    // reports; true then.
    bool RouteCommand(KProperty* row, UINT id, UINT code);
    // The ids the window hands to rows: 600 to 700.
    virtual void GetCommandRange(UINT& first, UINT& last) const;
    // The size the scroll bars span: the rows' extent, at least 100 by 100.
    virtual CSize GetContentSize();

    // The font of the rows: "Tahoma", 14 high, weight 500.
    CFont* GetRowFont() { return &m_font; }
    COLORREF GetFaceColor() const { return m_crFace; }
    COLORREF GetHighlightColor() const { return m_crHighlight; }
    COLORREF GetShadowColor() const { return m_crShadow; }
    // The face colour darkened by 0x505050: the line between names and values.
    COLORREF GetDarkFaceColor() const { return m_crDarkFace; }

    // Value texts. A separator of 0 leaves the digits ungrouped.
    static CString FormatThousands(double value, int decimals, char separator);
    // `digits` significant digits, trailing zeros dropped.
    static CString FormatDigits(double value, int digits);

    // The angle notations, numbered as hosts store them.
    enum AngleNotation {
        eDegrees6,       // DD.dddddd°
        eDegreesMinutes, // DD°MM.mmmm'
        eDegreesSeconds, // DD°MM'SS.ss"
        eRadians,        // n.nnnnnnnnnn rad
        eDegrees3,       // DD.ddd°
        eDegrees9,       // DD.ddddddddd°
    };
    // Their names, for a selector, by notation number.
    static const char* const AngleNotationNames[6];
    // Where the sign text of an angle goes.
    enum SignPlacement { eSignPrefix = 0, eSignSuffix = 1 };
    // The angle in `notation`, with `negativeText` for negative values and `positiveText`
    // for the others placed by `placement`; radians and unknown notations carry no sign text.
    static CString FormatAngle(double value, int notation, const CString& negativeText,
                               const CString& positiveText, int placement);
    // Reads an angle typed in `notation`: up to three numbers (degrees, minutes, seconds)
    // whatever separates them, negative with the negative text or '-' where the placement
    // puts the sign. False, with `value` untouched, when no number is there.
    static bool ParseAngle(const CString& text, int notation, const CString& negativeText,
                           const CString& positiveText, int placement, double& value);
    // "E%.2f N%.2f".
    static CString FormatGridPosition(double easting, double northing);
    // Reads "E... N..." or two numbers; false, with both untouched, otherwise.
    static bool ParseGridPosition(const CString& text, double& easting, double& northing);
    // Latitude and longitude in degrees, minutes and seconds, N/S and E/W after each.
    static CString FormatGeoPosition(double latitude, double longitude);
    // Reads what FormatGeoPosition writes (spaces inside each half allowed when the
    // latitude ends in N); false, with both untouched, when either half fails.
    static bool ParseGeoPosition(const CString& text, double& latitude, double& longitude);
    // Shortens `text` to `width` pixels in the DC's font as the rows do: characters give
    // way to "...", and the dots themselves last; below 1 pixel nothing is left.
    static void FitTextToWidth(CDC* dc, CString& text, int width);
    // The locale's decimal separator.
    static char DecimalSeparator();

protected:
    // The window's own handling of its messages: it paints and scrolls the rows, hands
    // clicks, keys, characters and the wheel to its rows first, and routes commands.
    int OnCreate(LPCREATESTRUCT create) override;
    void OnDestroy() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    UINT OnGetDlgCode() override;
    void OnSysColorChange() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class KPropWndEdit;
    // Posted by the edit when it lost the focus for good; lParam is the edit.
    static constexpr UINT kEndEditMessage = WM_USER + 0x600;
    struct Placed {
        KProperty* row;
        int top;
        int bottom;
    };

    void Announce(KProperty* row);
    // Stores the active row's edit text through SetValueText when it differs.
    void CommitEdit();
    void EndEdit(HWND edit);
    void LayOut();
    void UpdateScrollBars();
    // The range of `bar` spans `extent` pixels of content; its page is the client area's.
    void SetScrollExtent(int bar, int extent);
    void ScrollTo(int bar, int pos);
    void ScrollBy(int bar, UINT code, int line);
    // The row under a point of the client area, null for none; `content` gets the point
    // in content coordinates.
    KProperty* RowAt(CPoint client, CPoint& content);
    CPoint ScrollOffset() const;
    void PaintNames(CDC& dc, const Placed& placed, int right);
    void LoadColors();
    void ActivateNeighbour(int step);
    bool HandPressToButton(UINT flags, CPoint point);

    std::vector<KProperty*> m_rows;
    std::vector<Placed> m_placed;
    KProperty* m_pActive = nullptr;
    KProperty* m_pHighlighted = nullptr;
    KProperty* m_pSecondHandler = nullptr;
    std::function<void(KProperty*)> m_onChange;
    COLORREF m_crFace = 0;
    COLORREF m_crHighlight = 0;
    COLORREF m_crShadow = 0;
    COLORREF m_crDarkFace = 0;
    CPen m_penShadow;
    CPen m_penDarkFace;
    CFont m_font;
    bool m_bLayoutValid = false;
    int m_nNameWidth = 0;
    CSize m_content{100, 100};
    int m_nLineStep = 20;
};
