#pragma once

// Modules and their compiled-in resources. A module stands for one binary (the host
// program, this library, a host's resource library); each holds a table of resources
// registered by type and id (or name) and found with the system's lookups.

#include "vornui/platform/CString.h"
#include "vornui/platform/Export.h"
#include "vornui/platform/Object.h"
#include "vornui/platform/WinTypes.h"

struct ModuleRecord;
struct ResourceRecord;
using HINSTANCE = ModuleRecord*;
using HMODULE = ModuleRecord*;
using HRSRC = const ResourceRecord*;
using HGLOBAL = const void*;

#define MAKEINTRESOURCE(id)                                                                        \
    (reinterpret_cast<LPCTSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id))))
#define IS_INTRESOURCE(name) ((reinterpret_cast<ULONG_PTR>(name) >> 16) == 0)

#define RT_CURSOR MAKEINTRESOURCE(1)
#define RT_BITMAP MAKEINTRESOURCE(2)
#define RT_ICON MAKEINTRESOURCE(3)
#define RT_MENU MAKEINTRESOURCE(4)
#define RT_DIALOG MAKEINTRESOURCE(5)
#define RT_STRING MAKEINTRESOURCE(6)
#define RT_ACCELERATOR MAKEINTRESOURCE(9)
#define RT_RCDATA MAKEINTRESOURCE(10)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_TOOLBAR MAKEINTRESOURCE(241)

// The running program's module, created on first use.
VORNUI_API HMODULE GetModuleHandle(LPCTSTR moduleName);
// The module of the shared object (or program) that contains `address`, registered on
// first use; `name` is how GetModuleHandle finds it afterwards.
VORNUI_API HMODULE RegisterModuleForAddress(const void* address);
// A module that exists only to hold resources (a host's resource library, a test's).
VORNUI_API HMODULE CreateResourceModule(LPCTSTR name);
VORNUI_API void FreeResourceModule(HMODULE module);

VORNUI_API DWORD GetModuleFileName(HMODULE module, LPTSTR fileName, DWORD size);

// Registers a resource in a module's table. The data is referenced, not copied: it must
// live as long as the module (compiled-in constants do).
VORNUI_API BOOL AddResource(HMODULE module, LPCTSTR type, LPCTSTR name, const void* data,
                            DWORD size);

struct StringResource {
    UINT id;
    const char* text;
};
VORNUI_API BOOL AddStringResources(HMODULE module, const StringResource* strings, size_t count);

VORNUI_API HRSRC FindResource(HMODULE module, LPCTSTR name, LPCTSTR type);
VORNUI_API HGLOBAL LoadResource(HMODULE module, HRSRC resource);
VORNUI_API LPVOID LockResource(HGLOBAL loaded);
VORNUI_API DWORD SizeofResource(HMODULE module, HRSRC resource);
VORNUI_API int LoadString(HINSTANCE module, UINT id, LPTSTR buffer, int bufferMax);

// The framework's view: the current resource module and the chain of extension modules.
VORNUI_API HINSTANCE AfxGetInstanceHandle();
VORNUI_API HINSTANCE AfxGetResourceHandle();
VORNUI_API void AfxSetResourceHandle(HINSTANCE module);
// The module that holds the resource: the current resource module first, then every
// extension module of the chain; the current resource module when none has it.
VORNUI_API HINSTANCE AfxFindResourceHandle(LPCTSTR name, LPCTSTR type);
// Finds string `id` through the chain in the same order.
VORNUI_API BOOL LoadStringFromResourceChain(UINT id, CString& text);

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

// An extension module's place in the resource chain: constructing one links the module's
// resources in, destroying it takes them out. Create it with new: the chain owns it and
// AfxTermExtensionModule deletes it.
class VORNUI_API CDynLinkLibrary : public CObject {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
};

VORNUI_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
// Ends the module: its CDynLinkLibrary objects leave the chain and are deleted.
VORNUI_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);
