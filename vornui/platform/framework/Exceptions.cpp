#include "vornui/platform/Exceptions.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)

void CException::Delete() {
    delete this;
}

void AfxThrowInvalidArgException() {
    throw new CInvalidArgException;
}
