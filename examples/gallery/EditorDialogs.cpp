// The three editor dialogs as a host opens them, each pictured by the scripted user while
// it is open and then cancelled.

#include "Gallery.h"

#include "vornui/vornui.h"

namespace {

// A step that pictures the dialog open at the time.
CScriptedUser::Step Picture(const char* path, int& result) {
    return [path, &result](HWND dialog) {
        result = SaveWindowPicture(*CWnd::FromHandle(dialog), path);
        return ModalAction::Acted;
    };
}

int WriteEditString(const char* path) {
    CScriptedUser user;
    int result = 1;
    user.Then(Picture(path, result)).Click(IDCANCEL);
    CEditString editor;
    editor.Setup("Line name");
    editor.m_strValue = "L-017 east, second pass";
    editor.DoModal();
    return result;
}

int WriteEditSequence(const char* path) {
    CScriptedUser user;
    int result = 1;
    user.Choose(IDC_SEQUENCE_LIST, "Gauge").Then(Picture(path, result)).Click(IDCANCEL);
    CStringArray sequence;
    for (const char* step : {"Pump", "Valve", "Gauge", "Flow meter", "Pump***"})
        sequence.Add(step);
    EditSequence(&sequence, nullptr);
    return result;
}

int WriteIncludeExclude(const char* path) {
    CScriptedUser user;
    int result = 1;
    user.Choose(IDC_INCLUDED_LIST, "COM3")
        .Choose(IDC_INCLUDED_LIST, "UDP 14886")
        .Then(Picture(path, result))
        .Click(IDCANCEL);
    CStringList excluded;
    CStringList included;
    for (const char* port : {"COM4", "COM1", "TCP 4001"})
        excluded.AddTail(port);
    for (const char* port : {"COM3", "COM2", "UDP 14886"})
        included.AddTail(port);
    IncludeExclude(&excluded, &included, nullptr);
    return result;
}

const GalleryPicture kEditStringPicture("edit-string.png",
                                        "\"Edit string\" with its caption set by the host",
                                        WriteEditString);
const GalleryPicture kEditSequencePicture("edit-sequence.png",
                                          "\"Edit sequence\" with an entry chosen",
                                          WriteEditSequence);
const GalleryPicture kIncludeExcludePicture("include-exclude.png",
                                            "\"Include/exclude\" with two names chosen",
                                            WriteIncludeExclude);

} // namespace
