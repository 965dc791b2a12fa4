#include "vornui/reporting/IProgressIndicator.h"

IProgressIndicator::~IProgressIndicator() = default;

CProgressNullObject::CProgressNullObject(int cancelAllowed) : IProgressIndicator(cancelAllowed) {}

CProgressNullObject::CProgressNullObject(int cancelAllowed, unsigned int titleId)
    : IProgressIndicator(cancelAllowed, titleId) {}

int CProgressNullObject::Create(CWnd*) {
    return 1;
}

int CProgressNullObject::DestroyWindow() {
    return 1;
}

int CProgressNullObject::IsCancelled() {
    return 0;
}

void CProgressNullObject::SetStatus(const char*) {}

void CProgressNullObject::SetRange(int, int) {}

int CProgressNullObject::SetPos(int pos) {
    return pos;
}
