#include "vornui/reporting/IMessageReporter.h"

IMessageReporter::~IMessageReporter() = default;

int CMsgNullObj::Create(CWnd*) {
    return 1;
}

int CMsgNullObj::DestroyWindow() {
    return 1;
}

void CMsgNullObj::SetMessage(const char*) {}

void CMsgNullObj::OnOK() {}

void CMsgNullObj::PumpMessages() {}
