// Guide example: a property window with a text row, a choice row and a port row bound to a
// host's settings. A scripted user types a line name in place and picks a parity from the
// row's menu; the host is asked before each change and told after it. Then the window's
// value texts print angles and positions.
#include "vornui/vornui.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The host: its settings, and the answers a property window asks for.
class SurveySettings : public IPropertyHost {
public:
    CString line = "L-017";
    int parity = 'N';
    PortSetUpStructure gyro{};

    bool AcceptChange(void* data, const void* proposed) override {
        if (data == &line) {
            // Line names start with "L-".
            const auto* name = static_cast<const CString*>(proposed);
            std::printf("asked: line \"%s\"\n", name->GetString());
            return name->Left(2) == "L-";
        }
        std::printf("asked: parity '%c'\n", *static_cast<const int*>(proposed));
        return true;
    }
    void OnValueChanged(void* data) override {
        std::printf("told: %s changed\n", data == &line ? "line" : "parity");
    }
    bool CanEdit(void*) override { return true; }
};

// A text row, as a host derives one: the value shown, an edit in place, and the store.
class LineRow : public KIconTextButtonProperty {
public:
    LineRow(IPropertyHost* host, CString* name)
        : KIconTextButtonProperty(host, "Line", name, true) {}
    CString GetTextValue() override { return *static_cast<CString*>(m_pData); }
    bool HasEdit() override { return true; }
    bool SetValueText(const CString& text) override {
        if (!Accepts(&text))
            return false;
        *static_cast<CString*>(m_pData) = text;
        return true;
    }
};

// Where a row lies on the screen, `x` pixels into its value.
POINT OnScreen(const KPropWnd& pane, const KProperty& row, int x) {
    CPoint point(row.GetRect().left + x, row.GetRect().CenterPoint().y);
    pane.ClientToScreen(&point);
    return point;
}

std::string Shown(const CString& text) {
    return Utf8From1252(text.GetString());
}

} // namespace

int main() {
    SurveySettings settings;
    settings.gyro.nPortType = PORT_UDP;
    settings.gyro.nPort = 5000;
    const unsigned char address[4] = {192, 168, 1, 20};
    std::memcpy(settings.gyro.IPAddress, address, sizeof address);

    LineRow line(&settings, &settings.line);
    KPropertyCombo parity(&settings, "Parity", &settings.parity, true);
    parity.AddItem("None", 'N');
    parity.AddItem("Odd", 'O');
    parity.AddItem("Even", 'E');
    KPropertyIOPort gyro(&settings, "Gyro port", &settings.gyro, FALSE);

    KPropWnd pane;
    pane.Create(WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 260), nullptr, 0);
    pane.AddProperty(&line);
    pane.AddProperty(&parity);
    pane.AddProperty(&gyro);
    pane.SetChangeCallback([](KProperty* row) {
        std::printf("callback: %s is now %s\n", row->GetName().GetString(),
                    row->GetValueText().GetString());
    });

    CScriptedUser user;
    user.ClickAt(OnScreen(pane, line, 10)).Type("X-1").Press(VK_RETURN);
    user.ClickAt(OnScreen(pane, line, 10)).Type("L-018").Press(VK_RETURN);
    // The row's "..." button sits at its right end.
    user.ClickAt(OnScreen(pane, parity, parity.GetRect().Width() - 10)).ChooseMenuItem("Even");
    user.ActIn(pane.m_hWnd);

    for (KProperty* row : {static_cast<KProperty*>(&line), static_cast<KProperty*>(&parity),
                           static_cast<KProperty*>(&gyro)})
        std::printf("%-10s %s\n", row->GetName().GetString(), row->GetValueText().GetString());

    const double latitude = 57.15;
    for (int notation = 0; notation < 6; ++notation)
        std::printf(
            "%s = %s\n", Shown(KPropWnd::AngleNotationNames[notation]).c_str(),
            Shown(KPropWnd::FormatAngle(latitude, notation, "S", "N", KPropWnd::eSignSuffix))
                .c_str());
    double read = 0;
    if (KPropWnd::ParseAngle("57 9 N", KPropWnd::eDegreesMinutes, "S", "N", KPropWnd::eSignSuffix,
                             read))
        std::printf("\"57 9 N\" reads as %.4f\n", read);
    std::printf("%s\n", Shown(KPropWnd::FormatGeoPosition(latitude, -2.0825)).c_str());
    std::printf("%s\n", KPropWnd::FormatGridPosition(512345.678, 6334567.891).GetString());
    std::printf("%s\n", KPropWnd::FormatThousands(6334567.891, 1, ',').GetString());
    std::printf("%s\n", KPropWnd::FormatDigits(0.0123456, 3).GetString());
    pane.DestroyWindow();
    return 0;
}
