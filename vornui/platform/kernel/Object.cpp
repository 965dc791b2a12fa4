#include "vornui/platform/Object.h"

#include <cstring>
#include <mutex>
#include <vector>

namespace {

struct ClassList {
    std::mutex lock;
    std::vector<const CRuntimeClass*> classes;
};

ClassList& Classes() {
    static ClassList* list = new ClassList; // classes may be made known from any static's start
    return *list;
}

} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr};
static const AFX_CLASSINIT _init_CObject(&CObject::classCObject);

CObject::~CObject() = default;

CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* runtimeClass) const {
    return runtimeClass && GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* baseClass) const {
    for (const CRuntimeClass* each = this; each; each = each->m_pBaseClass)
        if (each == baseClass)
            return TRUE;
    return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(LPCSTR className) {
    if (!className)
        return nullptr;
    ClassList& list = Classes();
    const std::lock_guard guard(list.lock);
    for (const CRuntimeClass* each : list.classes)
        if (std::strcmp(each->m_lpszClassName, className) == 0)
            return each;
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR className) {
    const CRuntimeClass* found = FromName(className);
    return found ? found->CreateObject() : nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* newClass) {
    ClassList& list = Classes();
    const std::lock_guard guard(list.lock);
    list.classes.push_back(newClass);
}
