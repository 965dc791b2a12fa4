#include "vornui/module/VornuiModule.h"

#include "vornui/resources/LibraryResources.h"

#include <cstdio>
#include <cstdlib>

namespace {

AFX_EXTENSION_MODULE g_vornuiModule;

// The load and unload hooks of the shared object: the library joins the host's resource
// chain as an extension module and leaves it again. Nothing else starts here.
__attribute__((constructor)) void AttachVornui() {
    const HMODULE self = RegisterModuleForAddress(reinterpret_cast<const void*>(&AttachVornui));
    if (!AfxInitExtensionModule(g_vornuiModule, self)) {
        std::fputs("vornui: the library could not initialise itself as an extension module\n",
                   stderr);
        std::abort();
    }
    RegisterLibraryResources(self);
    new CDynLinkLibrary(g_vornuiModule); // owned by the resource chain until detach
}

__attribute__((destructor)) void DetachVornui() {
    AfxTermExtensionModule(g_vornuiModule);
}

} // namespace

HMODULE GetVornuiModule() {
    return g_vornuiModule.hModule;
}

const char* GetVornuiVersion() {
    return VORNUI_VERSION_TEXT;
}

KResourceScope::KResourceScope() : m_hPrevious(AfxGetResourceHandle()) {
    AfxSetResourceHandle(GetVornuiModule());
}

KResourceScope::~KResourceScope() {
    AfxSetResourceHandle(m_hPrevious);
}

CString LoadVornuiString(UINT id) {
    KResourceScope scope;
    CString text;
    text.LoadString(id);
    return text;
}
