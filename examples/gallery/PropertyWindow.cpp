// The property window of a survey program's settings: editable, read-only, active and
// highlighted rows; and a dialog whose unit lists are KUnitsCB controls.

#include "Gallery.h"

#include "vornui/vornui.h"

#include <cstring>
#include <iterator>

namespace {

// The survey program's settings: it lets every change through.
struct SurveySettings : public IPropertyHost {
    bool AcceptChange(void*, const void*) override { return true; }
    void OnValueChanged(void*) override {}
    bool CanEdit(void*) override { return true; }

    CString line = "L-017 north";
    CString vessel = "MV Vorn Explorer";
    int parity = 'N';
    unsigned char logging = 1;
    double heave = 0.35;
    double latitude = 57.15;
    PortSetUpStructure gyro{};
};

class TextRow : public KIconTextButtonProperty {
public:
    TextRow(IPropertyHost* host, const char* name, CString* text, bool editable)
        : KIconTextButtonProperty(host, name, text, editable) {}
    CString GetTextValue() override { return *static_cast<CString*>(m_pData); }
    bool HasEdit() override { return true; }
    bool HasButton() override { return true; }
};

class OffsetRow : public KIconTextButtonProperty {
public:
    OffsetRow(IPropertyHost* host, const char* name, double* metres)
        : KIconTextButtonProperty(host, name, metres, false) {
        SetAlignment(eAlignRight);
    }
    CString GetTextValue() override {
        return KPropWnd::FormatDigits(*static_cast<double*>(m_pData), 3) + " m";
    }
};

class LatitudeRow : public KIconTextButtonProperty {
public:
    LatitudeRow(IPropertyHost* host, const char* name, double* degrees)
        : KIconTextButtonProperty(host, name, degrees, true) {}
    CString GetTextValue() override {
        return KPropWnd::FormatAngle(*static_cast<double*>(m_pData), KPropWnd::eDegreesMinutes, "S",
                                     "N", KPropWnd::eSignSuffix);
    }
    bool HasEdit() override { return true; }
};

class SettingsFrame : public CWnd {
public:
    SettingsFrame() {
        CreateEx(0, nullptr, "Survey settings", WS_POPUP | WS_CAPTION | WS_VISIBLE, 80, 80, 380,
                 220, nullptr, nullptr);
    }
    ~SettingsFrame() override { DestroyWindow(); }
};

int WritePropertyWindow(const char* path) {
    SurveySettings settings;
    settings.gyro.nPortType = PORT_UDP;
    settings.gyro.nPort = 5000;
    const unsigned char address[4] = {192, 168, 1, 20};
    std::memcpy(settings.gyro.IPAddress, address, sizeof address);

    TextRow line(&settings, "Line", &settings.line, true);
    TextRow vessel(&settings, "Vessel", &settings.vessel, false);
    KPropertyCombo parity(&settings, "Parity", &settings.parity, true);
    parity.AddItem("None", 'N');
    parity.AddItem("Odd", 'O');
    parity.AddItem("Even", 'E');
    KPropertyCombo logging(&settings, "Logging", &settings.logging, true);
    logging.SetByteValue(true);
    logging.AddItem("Off", 0);
    logging.AddItem("Save && exit", 1);
    KPropertyIOPort gyro(&settings, "Gyro port", &settings.gyro, FALSE);
    OffsetRow heave(&settings, "Heave offset", &settings.heave);
    LatitudeRow latitude(&settings, "Latitude", &settings.latitude);

    SettingsFrame frame;
    CRect client;
    frame.GetClientRect(&client);
    KPropWnd pane;
    pane.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, client, &frame, 100);
    for (KProperty* row : std::initializer_list<KProperty*>{&line, &vessel, &parity, &logging,
                                                            &gyro, &heave, &latitude})
        pane.AddProperty(row);
    pane.SetHighlightedProperty(&heave);
    pane.ActivateProperty(&line);
    const int result = SaveWindowPicture(frame, path);
    pane.DestroyWindow();
    return result;
}

enum : int { kRangeLabel = 100, kRange, kDepthLabel, kDepth, kSpeedLabel, kSpeed };

constexpr DialogItemTemplate kUnitItems[] = {
    {"Static", "&Range unit:", kRangeLabel, WS_VISIBLE | SS_LEFT, 0, 7, 9, 50, 8},
    {"ComboBox", "", kRange, WS_VISIBLE | CBS_DROPDOWNLIST | WS_TABSTOP, 0, 60, 7, 100, 120},
    {"Static", "&Depth unit:", kDepthLabel, WS_VISIBLE | SS_LEFT, 0, 7, 27, 50, 8},
    {"ComboBox", "", kDepth, WS_VISIBLE | CBS_DROPDOWNLIST | WS_TABSTOP, 0, 60, 25, 100, 120},
    {"Static", "&Speed unit:", kSpeedLabel, WS_VISIBLE | SS_LEFT, 0, 7, 45, 50, 8},
    {"ComboBox", "", kSpeed, WS_VISIBLE | CBS_DROPDOWNLIST | WS_TABSTOP, 0, 60, 43, 100, 120},
    {"Button", "OK", IDOK, WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 56, 64, 50, 14},
    {"Button", "Cancel", IDCANCEL, WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 110, 64, 50, 14},
};

constexpr DialogTemplate kUnitDialog{DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION |
                                         WS_SYSMENU,
                                     0,
                                     0,
                                     0,
                                     167,
                                     85,
                                     "Display units",
                                     "MS Shell Dlg",
                                     8,
                                     kUnitItems,
                                     static_cast<WORD>(std::size(kUnitItems))};

int WriteUnitCombos(const char* path) {
    CDialog dialog;
    if (!dialog.CreateIndirect(&kUnitDialog))
        return 1;
    // Set before the window is attached: attaching lists the names and selects the unit.
    KUnitsCB range;
    range.InitRange(KUnits::eRANGE_INT_FEET, TRUE);
    range.SubclassDlgItem(kRange, &dialog);
    KUnitsCB depth;
    depth.SubclassDlgItem(kDepth, &dialog);
    depth.InitDepth(KUnits::eDEPTH_DEFAULT + 3, TRUE);
    KUnitsCB speed;
    speed.SubclassDlgItem(kSpeed, &dialog);
    speed.InitSpeed(KUnits::eSPEED_DEFAULT + 2, FALSE);
    dialog.ShowWindow(SW_SHOW);
    const int result = SaveWindowPicture(dialog, path);
    range.UnsubclassWindow();
    depth.UnsubclassWindow();
    speed.UnsubclassWindow();
    dialog.DestroyWindow();
    return result;
}

const GalleryPicture kPropertyWindowPicture("property-window.png",
                                            "A property window with editable, read-only, active "
                                            "and highlighted rows",
                                            WritePropertyWindow);
const GalleryPicture kUnitCombosPicture("unit-combos.png", "A dialog with unit combo boxes",
                                        WriteUnitCombos);

} // namespace
